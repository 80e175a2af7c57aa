// Biometric users: the SDK's list (staging, positioning and reads) and the device's own users, which the
// list sends, fetches, fills with templates and deletes.
#include "sim/SimServer.h"

#include <functional>

namespace {
EntradaBioSim entrada(BSTR pis, BSTR t1, BSTR t2, FamiliaBio familia = FamiliaBio::Nitgen) {
    EntradaBioSim e;
    e.pis = SimServer::qs(pis);
    e.template1 = SimServer::qs(t1);
    e.template2 = SimServer::qs(t2);
    e.familia = familia;
    return e;
}

// What the device answers for one sent user: 22 invalid template, 4 already registered, 6 base full,
// 1 processed (the user is then kept).
int incluirNoDispositivo(EstadoBio& bio, const EntradaBioSim& e) {
    const bool valido = TemplateValido(e.template1, e.familia) &&
                        (e.template2.isEmpty() || TemplateValido(e.template2, e.familia));
    if (!valido) return 22;
    if (bio.achar(e.pis)) return 4;
    if (bio.usuarios.size() >= SimBioKnobs::capacidade()) return 6;
    bio.usuarios.append({e.pis, e.template1, e.template2});
    return 1;
}
} // namespace

HRESULT SimServer::InicializarListaBio() {
    bio().lista.clear();
    bio().esperasRestantes.reset();
    return S_OK;
}
HRESULT SimServer::IncluirEmpregadoListaBio(BSTR pis, BSTR template_, std::int32_t* result) {
    bio().lista.append(entrada(pis, template_, nullptr));
    return numero(result, 0);
}
HRESULT SimServer::IncluirEmpregadoListaBioDuasDigitais(BSTR pis, BSTR template1, BSTR template2,
                                                        std::int32_t* result) {
    bio().lista.append(entrada(pis, template1, template2));
    return numero(result, 0);
}
HRESULT SimServer::IncluirEmpregadoListaBioLC(BSTR pis, BSTR template1, std::int32_t* result) {
    bio().lista.append(entrada(pis, template1, nullptr, FamiliaBio::LC));
    return numero(result, 0);
}
HRESULT SimServer::IncluirEmpregadoListaBioLCDuasDigitais(BSTR pis, BSTR template1, BSTR template2,
                                                          std::int32_t* result) {
    bio().lista.append(entrada(pis, template1, template2, FamiliaBio::LC));
    return numero(result, 0);
}
HRESULT SimServer::IncluirPisEmpregadoListaBio(BSTR pis, std::int32_t* result) {
    bio().lista.append(entrada(pis, nullptr, nullptr));
    return numero(result, 0);
}
HRESULT SimServer::LerQtdeListaBio(std::int32_t* result) {
    return numero(result, int(bio().lista.size()));
}
HRESULT SimServer::LerPosicaoListaBio(std::int32_t posicaoLista, std::int32_t* result) {
    if (posicaoLista < 0 || posicaoLista >= bio().lista.size()) return numero(result, 1);
    bio().atual = bio().lista[posicaoLista];
    m_corrente = ListaCorrente::Bio;
    return numero(result, 0);
}
HRESULT SimServer::LerTemplate(BSTR* result) {
    return texto(result, bio().atual.template1);
}
HRESULT SimServer::LerTemplate2(BSTR* result) {
    return texto(result, bio().atual.template2);
}
HRESULT SimServer::LerResultadoBiometria(std::int32_t* result) {
    return numero(result, bio().atual.resultado);
}

HRESULT SimServer::EnviarListaBioEmpregados(std::int32_t* result) {
    int r = contatar();
    if (r != 0) return numero(result, r);
    r = alterar([this] {
        for (EntradaBioSim& e : bio().lista)
            e.resultado = incluirNoDispositivo(rep().bio, e);
        return 0;
    });
    // What the device could not keep it did not do.
    if (r != 0)
        for (EntradaBioSim& e : bio().lista)
            e.resultado = 0;
    return numero(result, r);
}

HRESULT SimServer::SolicitarListaBioEmpregados(std::int32_t* result) {
    const int r = contatar();
    if (r != 0) return numero(result, r);
    // The device lists its users' PIS only.
    bio().lista.clear();
    for (const UsuarioBioSim& u : rep().bio.usuarios) {
        EntradaBioSim e;
        e.pis = u.pis;
        bio().lista.append(e);
    }
    return numero(result, 0);
}

// The template request and the exclusion take a few polls: the first call contacts the device, then 4
// is answered until the configured number of polls has passed.
namespace {
std::optional<int> aguardarDispositivo(SessaoBio& bio, const std::function<int()>& contatar) {
    if (!bio.esperasRestantes) {
        if (const int r = contatar(); r != 0) return r;
        bio.esperasRestantes = SimBioKnobs::esperas();
    }
    if (*bio.esperasRestantes > 0) {
        --*bio.esperasRestantes;
        return 4;
    }
    bio.esperasRestantes.reset();
    return std::nullopt;
}
} // namespace

HRESULT SimServer::SolicitarTemplatesListaBio(std::int32_t* result) {
    if (const auto r = aguardarDispositivo(bio(), [this] { return contatar(); })) return numero(result, *r);
    for (EntradaBioSim& e : bio().lista) {
        const UsuarioBioSim* u = rep().bio.achar(e.pis);
        e.template1 = u ? u->template1 : QString();
        e.template2 = u ? u->template2 : QString();
        e.resultado = u ? 1 : 5;
    }
    return numero(result, 0);
}

HRESULT SimServer::EnviarListaBioExclusao(std::int32_t* result) {
    if (const auto r = aguardarDispositivo(bio(), [this] { return contatar(); })) return numero(result, *r);
    const int r = alterar([this] {
        QList<UsuarioBioSim>& usuarios = rep().bio.usuarios;
        for (EntradaBioSim& e : bio().lista) {
            const auto n = usuarios.removeIf([&](const UsuarioBioSim& u) { return u.pis == e.pis; });
            e.resultado = n > 0 ? 1 : 5;
        }
        return 0;
    });
    if (r != 0)
        for (EntradaBioSim& e : bio().lista)
            e.resultado = 0;
    return numero(result, r);
}
