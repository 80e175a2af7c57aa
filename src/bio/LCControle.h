// TLCControle: the LC USB reader ("Leitor LC") through the library's SFEP_ functions (ASO15_Define). It
// enrols one finger from three captures and reports progress in the reader window: the status label
// lblStatusLeitor, the boxes "Captura 1" to "Captura 3" and the panel pic for the finger image.
#pragma once

#include <QString>

class TLCControle {
public:
    // Initialises the reader and gives it the panel pic; writes the outcome into the status label.
    bool InicializarDispositivo();
    // One enrolment: three accepted captures merged into one template, as text; empty on a time-out, a
    // cancellation or a failed merge.
    QString CapturarTemplate();
    void FecharDispositivo();

private:
    void MarcarCaptura(int captura);
    void LimparCapturas();
};
