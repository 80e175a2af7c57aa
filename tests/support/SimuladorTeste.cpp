#include "SimuladorTeste.h"

#include "sim/SdkServerRegistration.h"
#include "sim/SimDeviceTable.h"
#include "sim/SimKnobs.h"

#include <QTemporaryDir>
#include <memory>

QString SimuladorTeste::instalar() {
    static std::unique_ptr<QTemporaryDir> pasta;
    pasta = std::make_unique<QTemporaryDir>();
    qputenv("VELTOREP_SIM_STATE_DIR", pasta->path().toUtf8());
    qputenv("VELTOREP_SIM_LATENCY_MS", "0");
    SimKnobs::reload();
    SimDeviceTable::clear();
    SdkServerRegistration::registerSimulator();
    return pasta->path();
}

void SimuladorTeste::reiniciarProcesso() {
    SimKnobs::reload();
    SimDeviceTable::clear();
}
