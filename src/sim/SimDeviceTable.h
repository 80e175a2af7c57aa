// The process-wide table of simulated devices, keyed by address, backed by one state file per device.
#pragma once

#include "sim/SimDevice.h"

#include <QString>

namespace SimDeviceTable {
// The device at this address, loaded from its state file or made fresh. The reference stays valid for
// the life of the process.
SimDevice& device(const QString& endereco);
// Writes the device's state file atomically.
void save(const SimDevice& d);
// Forgets the devices held in memory (tests point the state folder elsewhere between cases).
void clear();
QString stateFilePath(const QString& endereco);
} // namespace SimDeviceTable
