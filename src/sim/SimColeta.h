// Punch records of a simulated device, and one client's collection in progress.
#pragma once

#include <QJsonObject>

struct EstadoColeta {
    QJsonObject toJson() const { return {}; }
    static EstadoColeta fromJson(const QJsonObject&) { return {}; }
};

struct SessaoColeta {};
