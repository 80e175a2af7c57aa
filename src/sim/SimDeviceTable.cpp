#include "sim/SimDeviceTable.h"

#include "sim/SimKnobs.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>
#include <QUrl>
#include <cstdio>
#include <map>
#include <memory>

namespace {
std::map<QString, std::unique_ptr<SimDevice>>& table() {
    static std::map<QString, std::unique_ptr<SimDevice>> t;
    return t;
}
} // namespace

QString SimDeviceTable::stateFilePath(const QString& endereco) {
    const QString name = QString::fromLatin1(QUrl::toPercentEncoding(endereco, "", "~"));
    return SimKnobs::get().pastaEstado + QStringLiteral("/rep-") + name + QStringLiteral(".json");
}

SimDevice& SimDeviceTable::device(const QString& endereco) {
    auto& t = table();
    auto it = t.find(endereco);
    if (it != t.end()) return *it->second;

    auto d = std::make_unique<SimDevice>();
    QFile f(stateFilePath(endereco));
    if (f.exists()) {
        QJsonParseError err{};
        QJsonDocument doc;
        if (f.open(QIODevice::ReadOnly)) doc = QJsonDocument::fromJson(f.readAll(), &err);
        if (doc.isObject() && err.error == QJsonParseError::NoError) {
            *d = SimDevice::fromJson(endereco, doc.object());
        } else {
            std::fprintf(stderr, "simulador: estado do REP %s danificado (%s); o REP volta ao estado inicial\n",
                         qPrintable(endereco), qPrintable(f.fileName()));
            *d = SimDevice::novo(endereco);
        }
    } else {
        *d = SimDevice::novo(endereco);
    }
    const QHash<QString, int>& gerados = SimKnobs::get().empregados;
    if (const auto n = gerados.constFind(endereco); n != gerados.constEnd())
        d->empregados = EmpregadosGerados(*n);
    return *t.emplace(endereco, std::move(d)).first->second;
}

void SimDeviceTable::save(const SimDevice& d) {
    QDir().mkpath(SimKnobs::get().pastaEstado);
    QSaveFile f(stateFilePath(d.endereco));
    if (!f.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "simulador: não foi possível gravar %s\n", qPrintable(f.fileName()));
        return;
    }
    f.write(QJsonDocument(d.toJson()).toJson(QJsonDocument::Indented));
    if (!f.commit()) std::fprintf(stderr, "simulador: não foi possível gravar %s\n", qPrintable(f.fileName()));
}

void SimDeviceTable::clear() { table().clear(); }
