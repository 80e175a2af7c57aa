// TLNControle: the Nitgen USB reader ("Leitor LN") through the Nitgen BSP automation object
// "NBioBSPCOM.NBioBSP", called late-bound by member name. Its state lives at unit level, shared by every
// instance for the program's lifetime: the BSP object, its Device, Extraction and FPData members, and the
// id of the reader to open.
#pragma once

#include <QString>
#include <cstdint>

class TLNControle {
public:
    // Creates the BSP object and finds the readers; the last one enumerated is the one to open. False on
    // any failure (no object, no reader, an error from the object).
    bool ConectaDLLNitgen();
    // Opens the reader chosen in the reader window; "Hamster pronto, informe o número do cartão" and true
    // when it opened. Errors raised by the object are not caught here.
    bool InicializarDispositivo();
    // One fingerprint through the vendor's capture window, as template text; empty when none came.
    QString CapturarTemplate();
};

// Id of the reader to open; survives from one reader window to the next.
extern std::int32_t IdDispositivoNitgen;

namespace LNControle {
// Releases the unit-level references to the BSP object (at program end; tests between cases).
void LiberarReferencias();
inline constexpr char16_t kProgIdNitgen[] = u"NBioBSPCOM.NBioBSP";
} // namespace LNControle
