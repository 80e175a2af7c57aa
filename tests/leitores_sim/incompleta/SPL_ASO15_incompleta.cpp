// A reader library that lacks SFEP_Uninitialize; the rest would report a ready reader.
#include <cstdint>

#define EXPORTAR extern "C" __attribute__((visibility("default")))

EXPORTAR std::int32_t SFEP_Initialize() {
    return 0;
}
EXPORTAR std::int32_t SFEP_SetConfig(std::uintptr_t) {
    return 0;
}
EXPORTAR std::int32_t SFEP_CaptureFingerImage(std::int32_t) {
    return 0;
}
EXPORTAR std::int32_t SFEP_CreateTemplate(std::uint8_t*) {
    return 0;
}
EXPORTAR std::int32_t SFEP_Match2Template(std::uint8_t*, std::uint8_t*, std::int32_t) {
    return 0;
}
EXPORTAR std::int32_t SFEP_IsFingerPress() {
    return 0;
}
EXPORTAR std::int32_t SFEP_GetTemplateForRegister(std::uint8_t*, std::uint8_t*) {
    return 0;
}
