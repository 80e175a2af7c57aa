// The process-wide table of simulated devices, keyed by address, backed by one state file per device.
//
// Several processes may address one device (an operator's console and an integrator's runs): as a real
// device serializes its clients, each change takes the device's lock (`rep-<address>.lock` beside the
// state file), rereads the state under it, and is kept only when the state file was written.
#pragma once

#include "sim/SimDevice.h"

#include <QString>

namespace SimDeviceTable {
// The device at this address, loaded from its state file or made fresh; loaded again when another
// process has written its file since. The reference stays valid for the life of the process.
SimDevice& device(const QString& endereco);
// Forgets the devices held in memory (tests point the state folder elsewhere between cases).
void clear();
QString stateFilePath(const QString& endereco);

// One change to a device, from the lock to the written file. The constructor takes the lock and rereads
// the state into the device; `ok()` is false (and a line on standard error says why) when the lock could
// not be had. `concluir()` writes the state file: false, with a line on standard error, when it could not,
// and the device is then put back as it was read. Not concluded, the change is undone. The destructor
// releases the lock.
class Alteracao {
public:
    explicit Alteracao(SimDevice& d);
    ~Alteracao();
    Alteracao(const Alteracao&) = delete;
    Alteracao& operator=(const Alteracao&) = delete;

    bool ok() const { return m_lock >= 0; }
    bool concluir();

private:
    SimDevice& m_device;
    SimDevice m_lido;
    int m_lock = -1;
    bool m_concluida = false;
};
} // namespace SimDeviceTable
