// A scripted Nitgen BSP automation object, registered by its ProgID: the readers it enumerates, the error
// codes it reports and the errors it raises come from a script, and every member call is recorded as
// "Device.Open(&9)" ("&" a by-reference integer, "&u" an unsigned one, "[n]" a byte array of n bytes).
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace FakeNitgen {
struct Roteiro {
    QList<int> leitores;                // device ids Enumerate finds
    std::optional<int> quantidade;      // EnumCount answers this instead of the number of readers
    int erroAbrir = 0;                  // Device.ErrorCode after Open
    int erroExtracao = 0;               // Extraction.ErrorCode
    std::optional<QString> erroCaptura; // Extraction.Capture raises this message
    QByteArray templateCapturado;       // what FPData.FPData yields (404 bytes by default)
    int aberto = 0;
    int criados = 0; // BSP objects created
    QStringList chamadas;
    QStringList de(const QString& prefixo) const;
};

// Registers the scripted object with a fresh script; returns it.
Roteiro& instalar();
Roteiro& roteiro();
// Unregisters it (no vendor object installed).
void remover();
} // namespace FakeNitgen
