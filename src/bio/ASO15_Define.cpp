#include "bio/ASO15_Define.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <dlfcn.h>
#include <string>

namespace ASO15 {
namespace {
struct Estado {
    const Funcoes* instaladas = nullptr;
    Funcoes daBiblioteca;
    void* handle = nullptr;
    std::string erro;
};

Estado& estado() {
    static Estado e;
    return e;
}

template <class Fn> bool resolver(void* handle, const char* nome, Fn& destino, std::string& erro) {
    destino = reinterpret_cast<Fn>(dlsym(handle, nome));
    if (!destino) erro = std::string(nome) + " not exported by " + NomeBiblioteca();
    return destino != nullptr;
}

// Beside the executable first, then wherever the loader finds it.
void* abrir(std::string& erro) {
    if (QCoreApplication::instance()) {
        const QString aoLado =
            QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(NomeBiblioteca()));
        if (QFile::exists(aoLado)) {
            if (void* h = dlopen(QFile::encodeName(aoLado).constData(), RTLD_NOW | RTLD_LOCAL)) return h;
            erro = dlerror();
        }
    }
    if (void* h = dlopen(NomeBiblioteca(), RTLD_NOW | RTLD_LOCAL)) return h;
    erro = dlerror();
    return nullptr;
}

bool carregar() {
    Estado& e = estado();
    std::string erro;
    void* h = abrir(erro);
    if (!h) {
        e.erro = erro;
        return false;
    }
    Funcoes f;
    const bool completa = resolver(h, "SFEP_Initialize", f.SFEP_Initialize, erro) &&
                          resolver(h, "SFEP_SetConfig", f.SFEP_SetConfig, erro) &&
                          resolver(h, "SFEP_CaptureFingerImage", f.SFEP_CaptureFingerImage, erro) &&
                          resolver(h, "SFEP_CreateTemplate", f.SFEP_CreateTemplate, erro) &&
                          resolver(h, "SFEP_Match2Template", f.SFEP_Match2Template, erro) &&
                          resolver(h, "SFEP_IsFingerPress", f.SFEP_IsFingerPress, erro) &&
                          resolver(h, "SFEP_GetTemplateForRegister", f.SFEP_GetTemplateForRegister, erro) &&
                          resolver(h, "SFEP_Uninitialize", f.SFEP_Uninitialize, erro);
    if (!completa) {
        // A library without all its functions is no reader at all.
        dlclose(h);
        e.erro = erro;
        return false;
    }
    e.handle = h; // stays loaded for the life of the process
    e.daBiblioteca = f;
    e.erro.clear();
    return true;
}
} // namespace

const char* NomeBiblioteca() {
    return "libSPL_ASO15.so";
}
const char* UltimoErro() {
    return estado().erro.c_str();
}

void InstalarFuncoes(const Funcoes* scripted) {
    estado().instaladas = scripted;
}

const Funcoes* Carregadas() {
    Estado& e = estado();
    if (e.instaladas) return e.instaladas;
    if (!e.handle && !carregar()) return nullptr;
    return &e.daBiblioteca;
}

std::int32_t SFEP_Initialize() {
    const Funcoes* f = Carregadas();
    return f ? f->SFEP_Initialize() : SFEP_SEM_LEITOR;
}

std::int32_t SFEP_SetConfig(SFEP_HWND janela) {
    const Funcoes* f = Carregadas();
    return f ? f->SFEP_SetConfig(janela) : -1;
}

std::int32_t SFEP_CaptureFingerImage(std::int32_t tempoLimite) {
    const Funcoes* f = Carregadas();
    return f ? f->SFEP_CaptureFingerImage(tempoLimite) : SFEP_TEMPO_ESGOTADO;
}

std::int32_t SFEP_CreateTemplate(std::uint8_t* template498) {
    const Funcoes* f = Carregadas();
    return f ? f->SFEP_CreateTemplate(template498) : -1;
}

std::int32_t SFEP_Match2Template(std::uint8_t* template1, std::uint8_t* template2, std::int32_t nivel) {
    const Funcoes* f = Carregadas();
    return f ? f->SFEP_Match2Template(template1, template2, nivel) : -1;
}

std::int32_t SFEP_IsFingerPress() {
    const Funcoes* f = Carregadas();
    return f ? f->SFEP_IsFingerPress() : 0;
}

std::int32_t SFEP_GetTemplateForRegister(std::uint8_t* tresTemplates, std::uint8_t* saida) {
    const Funcoes* f = Carregadas();
    return f ? f->SFEP_GetTemplateForRegister(tresTemplates, saida) : -1;
}

std::int32_t SFEP_Uninitialize() {
    const Funcoes* f = Carregadas();
    return f ? f->SFEP_Uninitialize() : 0;
}

} // namespace ASO15
