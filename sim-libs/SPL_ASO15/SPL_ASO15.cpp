// A simulated LC fingerprint reader library: SFEP_Initialize finds one reader, captures succeed at once,
// and templates of 498 bytes are made, matched and merged. Each enrolment (three captures up to the merge)
// plays one finger; the next enrolment plays another. Knobs, read by SFEP_Initialize:
//   VELTOREP_SIM_LC=0            no LC reader (SFEP_Initialize answers -6)
//   VELTOREP_SIM_LC_INIT=N       SFEP_Initialize answers N instead of 0
//   VELTOREP_SIM_LC_DELAY_MS=N   time a capture takes (default 0: at once; never beyond the time-out)
#include "bio/ASO15_Define.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <thread>
#include <type_traits>

#define SFEP_EXPORT extern "C" __attribute__((visibility("default")))

namespace {
constexpr int kTamanho = ASO15::kTamanhoTemplate;
constexpr std::uint8_t kCabecalho = 0x04;
// Template layout: [0] header, [1..8] the finger, [9..12] the capture, then the print.
constexpr int kDedo = 1, kCaptura = 9, kCorpo = 13;

struct Leitor {
    bool iniciado = false;
    int demoraMs = 0;
    ASO15::SFEP_HWND janela = 0;
    std::mt19937_64 aleatorio{std::random_device{}()};
    std::uint64_t dedo = 0;     // the finger of the current enrolment
    std::uint32_t capturas = 0; // images captured so far
    bool temImagem = false;
};

Leitor& leitor() {
    static Leitor l;
    return l;
}

int inteiroDoAmbiente(const char* nome, int padrao) {
    const char* v = std::getenv(nome);
    if (!v || !*v) return padrao;
    char* fim = nullptr;
    const long n = std::strtol(v, &fim, 0);
    return (fim && *fim == 0) ? int(n) : padrao;
}

bool desligado() {
    const char* v = std::getenv("VELTOREP_SIM_LC");
    if (!v) return false;
    const std::string s(v);
    return s == "0" || s == "off" || s == "no" || s == "false";
}

void novoDedo() {
    leitor().dedo = leitor().aleatorio() | 1;
}

std::uint64_t dedoDe(const std::uint8_t* t) {
    std::uint64_t d = 0;
    for (int i = 0; i < 8; ++i)
        d = (d << 8) | t[kDedo + i];
    return d;
}

void escreverDedo(std::uint8_t* t, std::uint64_t d) {
    for (int i = 0; i < 8; ++i)
        t[kDedo + i] = std::uint8_t(d >> (8 * (7 - i)));
}
} // namespace

SFEP_EXPORT std::int32_t SFEP_Initialize() {
    Leitor& l = leitor();
    if (desligado()) return ASO15::SFEP_SEM_LEITOR;
    const int resultado = inteiroDoAmbiente("VELTOREP_SIM_LC_INIT", 0);
    if (resultado != 0) return resultado;
    l.demoraMs = std::max(0, inteiroDoAmbiente("VELTOREP_SIM_LC_DELAY_MS", 0));
    l.iniciado = true;
    l.temImagem = false;
    novoDedo();
    return 0;
}

SFEP_EXPORT std::int32_t SFEP_SetConfig(ASO15::SFEP_HWND janela) {
    leitor().janela = janela;
    return 0;
}

SFEP_EXPORT std::int32_t SFEP_CaptureFingerImage(std::int32_t tempoLimite) {
    Leitor& l = leitor();
    if (!l.iniciado) return ASO15::SFEP_TEMPO_ESGOTADO; // no reader to put a finger on
    const int limiteMs = std::max(0, tempoLimite) * 1000;
    if (l.demoraMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(l.demoraMs, limiteMs)));
    if (l.demoraMs > limiteMs) return ASO15::SFEP_TEMPO_ESGOTADO;
    ++l.capturas;
    l.temImagem = true;
    return 0;
}

SFEP_EXPORT std::int32_t SFEP_CreateTemplate(std::uint8_t* t) {
    Leitor& l = leitor();
    if (!t || !l.iniciado || !l.temImagem) return -1;
    l.temImagem = false;
    t[0] = kCabecalho;
    escreverDedo(t, l.dedo);
    for (int i = 0; i < 4; ++i)
        t[kCaptura + i] = std::uint8_t(l.capturas >> (8 * (3 - i)));
    // The same finger gives a similar print: its own pattern with some noise of this capture.
    std::mt19937 padrao(std::uint32_t(l.dedo ^ (l.dedo >> 32)));
    std::uniform_int_distribution<int> byte(0, 255), ruido(0, 15);
    for (int i = kCorpo; i < kTamanho; ++i)
        t[i] = std::uint8_t(byte(padrao) ^ (ruido(l.aleatorio) == 0 ? 1 : 0));
    return 0;
}

SFEP_EXPORT std::int32_t SFEP_Match2Template(std::uint8_t* t1, std::uint8_t* t2, std::int32_t) {
    if (!t1 || !t2 || t1[0] != kCabecalho || t2[0] != kCabecalho) return -1;
    return dedoDe(t1) == dedoDe(t2) ? 0 : 1;
}

SFEP_EXPORT std::int32_t SFEP_IsFingerPress() {
    return 0;
} // the simulated finger is lifted at once

SFEP_EXPORT std::int32_t SFEP_GetTemplateForRegister(std::uint8_t* tres, std::uint8_t* saida) {
    if (!tres || !saida) return -1;
    const std::uint8_t* t[3] = {tres, tres + kTamanho, tres + 2 * kTamanho};
    for (const std::uint8_t* x : t)
        if (x[0] != kCabecalho) return -1;
    saida[0] = kCabecalho;
    escreverDedo(saida, dedoDe(t[0]));
    std::memcpy(saida + kCaptura, t[2] + kCaptura, 4);
    // Each byte of the print: the majority of the three captures' bits.
    for (int i = kCorpo; i < kTamanho; ++i)
        saida[i] = std::uint8_t((t[0][i] & t[1][i]) | (t[0][i] & t[2][i]) | (t[1][i] & t[2][i]));
    novoDedo(); // the next enrolment is another finger
    return 0;
}

SFEP_EXPORT std::int32_t SFEP_Uninitialize() {
    leitor().iniciado = false;
    leitor().temImagem = false;
    return 0;
}

// The exports keep the signatures the console loads.
static_assert(std::is_same_v<decltype(&SFEP_Initialize), ASO15::SFEP_InitializeFn>);
static_assert(std::is_same_v<decltype(&SFEP_SetConfig), ASO15::SFEP_SetConfigFn>);
static_assert(std::is_same_v<decltype(&SFEP_CaptureFingerImage), ASO15::SFEP_CaptureFingerImageFn>);
static_assert(std::is_same_v<decltype(&SFEP_CreateTemplate), ASO15::SFEP_CreateTemplateFn>);
static_assert(std::is_same_v<decltype(&SFEP_Match2Template), ASO15::SFEP_Match2TemplateFn>);
static_assert(std::is_same_v<decltype(&SFEP_IsFingerPress), ASO15::SFEP_IsFingerPressFn>);
static_assert(std::is_same_v<decltype(&SFEP_GetTemplateForRegister), ASO15::SFEP_GetTemplateForRegisterFn>);
static_assert(std::is_same_v<decltype(&SFEP_Uninitialize), ASO15::SFEP_UninitializeFn>);
