// Checks an AFD file, of either layout, against everything its layout lets a reader check: encoding,
// line ends, lengths, record order and NSR sequence, dates, check digits, CRC-16 (671), the REP-P hash
// chain, the header's dates and the trailer's counts. Each problem names its line and says, in Portuguese,
// what is wrong. docs/afd.md lists the checks and the choices made where the layout leaves room.
//
// The reader takes any bytes: it allocates nothing per line, keeps at most kMaxProblemasListados problems
// (counting the rest), and never reads outside the bytes it is given.
#pragma once

#include "afd/Relatorio.h"

#include <string_view>
#include <vector>

namespace afd {

// The bytes of a file. Beyond a few MiB they are checked in parts on up to one thread per core; the
// report is the same.
Relatorio Validar(std::string_view bytes);
// Lines without their ends, each taken as ending in CR LF (as a list box holds them).
Relatorio ValidarLinhas(const std::vector<std::string_view>& linhas);

} // namespace afd
