// The simulated Nitgen BSP automation object "NBioBSPCOM.NBioBSP": one reader, a capture that yields a
// 404-byte template (a different one each time), and error codes set by knobs. It honours only the
// members the Nitgen driver calls. Knobs, read each time an object is created:
//   VELTOREP_SIM_NITGEN=0           the object is not registered (as without the vendor's software)
//   VELTOREP_SIM_NITGEN_READERS=N   readers the enumeration finds (default 1)
//   VELTOREP_SIM_NITGEN_ERRORS=open=N,extraction=N,capture=N
//                                   Device.ErrorCode after Open, Extraction.ErrorCode, and a capture
//                                   that fails with N (no fingerprint)
//   VELTOREP_SIM_NITGEN_DELAY_MS=N  time a capture takes (default 0: at once)
#pragma once

#include "platform/com/ComTypes.h"

namespace SimNitgen {
constexpr CLSID CLSID_NBioBSP = {
    0x3C1F7A52, 0x9E04, 0x4B6D, {0x8A, 0x21, 0x5D, 0xC3, 0x90, 0x7E, 0x14, 0xB8}};
constexpr char kProgId[] = "NBioBSPCOM.NBioBSP";
constexpr int kTamanhoTemplate = 404;

// Registers the simulated object by its ProgID, or removes it when VELTOREP_SIM_NITGEN switches it off.
// Returns whether it is registered.
bool registrar();
} // namespace SimNitgen
