// The LC reader library's functions (libSPL_ASO15.so), as a table of function pointers loaded at run
// time. The library is looked up beside the executable, then on the loader's path; a missing library, or
// one lacking any of the functions, counts as no LC reader: the calls then answer as without a reader and
// nothing crashes. This header is plain C++ so that a library can be built against it.
#pragma once

#include <cstdint>

namespace ASO15 {

// The window handle of the surface where the library shows the finger image.
using SFEP_HWND = std::uintptr_t;

// Results the driver relies on.
constexpr std::int32_t SFEP_OK = 0;
constexpr std::int32_t SFEP_SEM_LEITOR = -6;
constexpr std::int32_t SFEP_TEMPO_ESGOTADO = -10;
constexpr std::int32_t SFEP_CANCELADO = -21;
constexpr int kTamanhoTemplate = 498;

extern "C" {
using SFEP_InitializeFn = std::int32_t (*)();
using SFEP_SetConfigFn = std::int32_t (*)(SFEP_HWND janela);
using SFEP_CaptureFingerImageFn = std::int32_t (*)(std::int32_t tempoLimite);
using SFEP_CreateTemplateFn = std::int32_t (*)(std::uint8_t* template498);
using SFEP_Match2TemplateFn = std::int32_t (*)(std::uint8_t* template1, std::uint8_t* template2,
                                               std::int32_t nivel);
using SFEP_IsFingerPressFn = std::int32_t (*)();
using SFEP_GetTemplateForRegisterFn = std::int32_t (*)(std::uint8_t* tresTemplates, std::uint8_t* saida);
using SFEP_UninitializeFn = std::int32_t (*)();
}

struct Funcoes {
    SFEP_InitializeFn SFEP_Initialize = nullptr;
    SFEP_SetConfigFn SFEP_SetConfig = nullptr;
    SFEP_CaptureFingerImageFn SFEP_CaptureFingerImage = nullptr;
    SFEP_CreateTemplateFn SFEP_CreateTemplate = nullptr;
    SFEP_Match2TemplateFn SFEP_Match2Template = nullptr;
    SFEP_IsFingerPressFn SFEP_IsFingerPress = nullptr;
    SFEP_GetTemplateForRegisterFn SFEP_GetTemplateForRegister = nullptr;
    SFEP_UninitializeFn SFEP_Uninitialize = nullptr;
};

// The calls the driver makes. Without a usable library: SFEP_Initialize answers -6 (no reader),
// SFEP_CaptureFingerImage -10 (nothing arrives, so the wait runs out), the others a failure (-1), and
// SFEP_IsFingerPress 0.
std::int32_t SFEP_Initialize();
std::int32_t SFEP_SetConfig(SFEP_HWND janela);
std::int32_t SFEP_CaptureFingerImage(std::int32_t tempoLimite);
std::int32_t SFEP_CreateTemplate(std::uint8_t* template498);
std::int32_t SFEP_Match2Template(std::uint8_t* template1, std::uint8_t* template2, std::int32_t nivel);
std::int32_t SFEP_IsFingerPress();
std::int32_t SFEP_GetTemplateForRegister(std::uint8_t* tresTemplates, std::uint8_t* saida);
std::int32_t SFEP_Uninitialize();

// The table in use, loading the library on first need (and again after a failed attempt); null when no
// usable library was found.
const Funcoes* Carregadas();
// Tests install a scripted table (every pointer set); nullptr goes back to the library.
void InstalarFuncoes(const Funcoes* scripted);
// The library's file name, and what the last attempt to load it found wrong.
const char* NomeBiblioteca();
const char* UltimoErro();

} // namespace ASO15
