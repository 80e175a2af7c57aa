#include "sim/SimKnobs.h"

#include <QDir>
#include <QStandardPaths>

namespace {
SimKnobs& instance() {
    static SimKnobs k;
    return k;
}

QHash<QString, int> parseMap(const QByteArray& text, int (*value)(const QString&)) {
    QHash<QString, int> map;
    for (const QString& item : QString::fromUtf8(text).split(u',', Qt::SkipEmptyParts)) {
        const qsizetype eq = item.lastIndexOf(u'=');
        if (eq <= 0) continue;
        const int v = value(item.mid(eq + 1).trimmed());
        if (v >= 0) map.insert(item.left(eq).trimmed(), v);
    }
    return map;
}

int faultCode(const QString& name) {
    if (name == u"error") return 1;
    if (name == u"timeout") return 2;
    if (name == u"rest") return 3;
    if (name == u"busy") return 4;
    bool ok = false;
    const int n = name.toInt(&ok);
    return ok ? n : -1;
}

int number(const QString& text) {
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok ? n : -1;
}

// Inside the console's state folder, by the same rule: a relative XDG_STATE_HOME is invalid and ignored.
QString defaultStateDir() {
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/SDKVeltoRep/simulador");
}
} // namespace

void SimKnobs::reload() {
    SimKnobs k;
    bool ok = false;
    const int latency = qEnvironmentVariableIntValue("VELTOREP_SIM_LATENCY_MS", &ok);
    if (ok && latency >= 0) k.latenciaMs = latency;
    k.pastaEstado = qEnvironmentVariable("VELTOREP_SIM_STATE_DIR");
    if (k.pastaEstado.isEmpty()) k.pastaEstado = defaultStateDir();
    k.falhas = parseMap(qgetenv("VELTOREP_SIM_FAULTS"), faultCode);
    k.statusEmpregados = parseMap(qgetenv("VELTOREP_SIM_EMPLOYEE_STATUS"), number);
    k.statusPapel = parseMap(qgetenv("VELTOREP_SIM_PAPER"), number);
    k.registros = parseMap(qgetenv("VELTOREP_SIM_RECORDS"), number);
    k.empregados = parseMap(qgetenv("VELTOREP_SIM_EMPLOYEES"), number);
    const int esperas = qEnvironmentVariableIntValue("VELTOREP_SIM_RECORDS_WAIT", &ok);
    if (ok && esperas >= 0) k.esperasColeta = esperas;
    for (const QString& e : QString::fromUtf8(qgetenv("VELTOREP_SIM_RECORDS_FAIL")).split(u',', Qt::SkipEmptyParts))
        k.falhasColeta << e.trimmed();
    if (qgetenv("VELTOREP_SIM_AFD").trimmed() == "1510") k.leiauteAfd = afd::Leiaute::Portaria1510;
    instance() = k;
}

const SimKnobs& SimKnobs::get() {
    static const bool loaded = (reload(), true);
    (void)loaded;
    return instance();
}
