// The simulator's knobs, read from the environment once per process (docs/simulator.md lists them).
#pragma once

#include "afd/Leiaute.h"

#include <QHash>
#include <QString>
#include <QStringList>

struct SimKnobs {
    // VELTOREP_SIM_LATENCY_MS: time a device takes to answer a send or request (default 40 ms).
    int latenciaMs = 40;
    // VELTOREP_SIM_STATE_DIR: where the devices keep their data between runs.
    QString pastaEstado;
    // VELTOREP_SIM_FAULTS: "address=timeout,address=busy,...": devices that answer every send or request
    // with 1 (error), 2 (timeout), 3 (rest) or 4 (busy).
    QHash<QString, int> falhas;
    // VELTOREP_SIM_EMPLOYEE_STATUS: "address=200" or "address=4": the status every employee of an
    // individual list gets from that device.
    QHash<QString, int> statusEmpregados;
    // VELTOREP_SIM_PAPER: "address=N": paper state 0 to 7 of that device (default 7, with paper).
    QHash<QString, int> statusPapel;
    // VELTOREP_SIM_RECORDS: "address=N": that device's log holds N punches (before the records it wrote
    // itself) in place of the few hundred it was made with.
    QHash<QString, int> registros;
    // VELTOREP_SIM_EMPLOYEES: "address=N": that device holds N made-up employees (SimDados'
    // EmpregadosGerados) in place of its list when the process first reaches it.
    QHash<QString, int> empregados;
    // VELTOREP_SIM_RECORDS_WAIT: polls of LerStatusColeta answered "not ready" before each record (default 2).
    int esperasColeta = 2;
    // VELTOREP_SIM_RECORDS_FAIL: "address,address,...": devices whose SolicitarRegistroNsr answers 1.
    QStringList falhasColeta;
    // VELTOREP_SIM_AFD=1510: devices made from now on keep their records in the layout of Portaria 1510;
    // otherwise in that of Portaria 671 (a REP-C). A device keeps the layout it was made with.
    afd::Leiaute leiauteAfd = afd::Leiaute::Portaria671;

    static const SimKnobs& get();
    // Tests change the environment between cases; this reads it again.
    static void reload();
};
