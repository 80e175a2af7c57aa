// The sample fingerprint templates of the two demonstration users, in the template text form: Nitgen
// samples of 404 bytes (808 lower-case hexadecimal digits, beginning "00000003"), LC samples of 498 bytes
// (996 digits, beginning "04"). Demonstration data, defined once for the biometric grids and the RB1 files.
#pragma once

#include <QString>

namespace TemplatesExemplo {
extern const QString N1_1;
extern const QString N1_2;
extern const QString N2_1;
extern const QString N2_2;
extern const QString L1_1;
extern const QString L1_2;
extern const QString L2_1;
extern const QString L2_2;

// The two demonstration users of the biometric grids.
inline constexpr const char* kPisUsuario1 = "98765432100";
inline constexpr const char* kPisUsuario2 = "12345678902";
} // namespace TemplatesExemplo
