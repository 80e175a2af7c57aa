// A pair of per-device controls of a page; the slot number of a run picks its device's one.
#pragma once

#include "ops/Operacao.h"

template <class T>
struct PorRep {
    T rep1, rep2;
    // Slot 1 selects REP 1's controls, any other number REP 2's.
    const T& doSlot(const RepSlot& slot) const { return slot.numero == 1 ? rep1 : rep2; }
};
