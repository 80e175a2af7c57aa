// A scripted LC reader library: the SFEP_ functions as a table of plain functions that answer from
// per-function result queues and record every call, with the reader window's state at that moment.
#pragma once

#include "bio/ASO15_Define.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace FakeAso15 {
struct Roteiro {
    QList<int> inicializar; // results of SFEP_Initialize (0 when empty)
    QList<int> capturas;    // results of SFEP_CaptureFingerImage (0 when empty)
    QList<int> criar;       // results of SFEP_CreateTemplate (0 when empty)
    QList<int> comparar;    // results of SFEP_Match2Template (0 when empty)
    QList<int> registrar;   // results of SFEP_GetTemplateForRegister (0 when empty)
    int dedoPressionado = 0;

    // Every call as "Name(args)", in order.
    QStringList chamadas;
    // The three capture boxes at each SFEP_CaptureFingerImage and SFEP_GetTemplateForRegister call, as
    // "100" for "Captura 1" checked only; and the status label then.
    QStringList caixasNaCaptura, caixasNoRegistro, statusNaCaptura;
    ASO15::SFEP_HWND janela = 0;
    int capturasFeitas = 0;

    QStringList nomes() const;
};

// Installs the scripted table with a fresh script; returns it.
Roteiro& instalar();
Roteiro& roteiro();
// Back to the real library lookup.
void remover();
// The enrolment template the script merges: 498 bytes, 0x04 then a counting pattern.
QString templateEsperado();
} // namespace FakeAso15
