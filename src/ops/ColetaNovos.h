// "Coletar novos": the full collection of page "Coleta" from the NSR after the device's collection cursor
// (from NSR 1 without one), the cursor moved to the last record read when the run reached the device's end.
// The record at the cursor's NSR is asked again first: when another device answers at the address (another
// serial number, or no record there), nothing is skipped: the device is collected from NSR 1.
#pragma once

#include "ops/Coleta.h"

// The full collection of new records for one device; what the operator should know about the cursor (how
// many records are new, another device, a damaged cursor file) goes to the slot's label.
void ColetarNovosRep(ContextoOperacao& ctx, const RepSlot& slot, const PorRep<ControlesColeta>& controles,
                     const PorRep<QLabel*>& avisos);

// The texts of that label, widget-free.
namespace TextoColetaNovos {
// 5 new records from NSR 366: "5 registros novos (NSR 366 a 370)."; none: "Nenhum registro novo desde o NSR
// 365." (or "Nenhum registro no REP." from NSR 1).
QString Lidos(qint64 lidos, qint64 nsrInicial, qint64 ultimoNsr);
// Why the run starts at NSR 1 although the device had a cursor; empty when it starts after the cursor.
QString Conferencia(const CursorConferido& c, const CursorColeta& cursor);
} // namespace TextoColetaNovos
