// Biometric users of the device. The SDK's list (staging, positioning and reads) is modelled here; the
// device's own list of users is not modelled yet.
#include "sim/SimServer.h"

namespace {
EntradaBioSim entrada(BSTR pis, BSTR t1, BSTR t2) {
    EntradaBioSim e;
    e.pis = SimServer::qs(pis);
    e.template1 = SimServer::qs(t1);
    e.template2 = SimServer::qs(t2);
    return e;
}
} // namespace

HRESULT SimServer::InicializarListaBio() {
    m_bio.lista.clear();
    return S_OK;
}
HRESULT SimServer::IncluirEmpregadoListaBio(BSTR pis, BSTR template_, std::int32_t* result) {
    m_bio.lista.append(entrada(pis, template_, nullptr));
    return numero(result, 0);
}
HRESULT SimServer::IncluirEmpregadoListaBioDuasDigitais(BSTR pis, BSTR template1, BSTR template2,
                                                        std::int32_t* result) {
    m_bio.lista.append(entrada(pis, template1, template2));
    return numero(result, 0);
}
HRESULT SimServer::IncluirEmpregadoListaBioLC(BSTR pis, BSTR template1, std::int32_t* result) {
    m_bio.lista.append(entrada(pis, template1, nullptr));
    return numero(result, 0);
}
HRESULT SimServer::IncluirEmpregadoListaBioLCDuasDigitais(BSTR pis, BSTR template1, BSTR template2,
                                                          std::int32_t* result) {
    m_bio.lista.append(entrada(pis, template1, template2));
    return numero(result, 0);
}
HRESULT SimServer::IncluirPisEmpregadoListaBio(BSTR pis, std::int32_t* result) {
    m_bio.lista.append(entrada(pis, nullptr, nullptr));
    return numero(result, 0);
}
HRESULT SimServer::LerQtdeListaBio(std::int32_t* result) { return numero(result, int(m_bio.lista.size())); }
HRESULT SimServer::LerPosicaoListaBio(std::int32_t posicaoLista, std::int32_t* result) {
    if (posicaoLista < 0 || posicaoLista >= m_bio.lista.size()) return numero(result, 1);
    m_bio.atual = m_bio.lista[posicaoLista];
    m_corrente = ListaCorrente::Bio;
    return numero(result, 0);
}
HRESULT SimServer::LerTemplate(BSTR* result) { return texto(result, m_bio.atual.template1); }
HRESULT SimServer::LerTemplate2(BSTR* result) { return texto(result, m_bio.atual.template2); }
HRESULT SimServer::LerResultadoBiometria(std::int32_t* result) { return numero(result, m_bio.atual.resultado); }
HRESULT SimServer::EnviarListaBioEmpregados(std::int32_t* result) { return numero(result, contatar()); }
HRESULT SimServer::EnviarListaBioExclusao(std::int32_t* result) { return numero(result, contatar()); }
HRESULT SimServer::SolicitarListaBioEmpregados(std::int32_t* result) { return numero(result, contatar()); }
HRESULT SimServer::SolicitarTemplatesListaBio(std::int32_t* result) { return numero(result, contatar()); }
