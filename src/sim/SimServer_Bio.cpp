// Biometric users of the device. Not modelled yet: the device's list is empty.
#include "sim/SimServer.h"

HRESULT SimServer::InicializarListaBio() { return S_OK; }
HRESULT SimServer::IncluirEmpregadoListaBio(BSTR, BSTR, std::int32_t* result) { return numero(result, 0); }
HRESULT SimServer::IncluirEmpregadoListaBioDuasDigitais(BSTR, BSTR, BSTR, std::int32_t* result) {
    return numero(result, 0);
}
HRESULT SimServer::IncluirEmpregadoListaBioLC(BSTR, BSTR, std::int32_t* result) { return numero(result, 0); }
HRESULT SimServer::IncluirEmpregadoListaBioLCDuasDigitais(BSTR, BSTR, BSTR, std::int32_t* result) {
    return numero(result, 0);
}
HRESULT SimServer::IncluirPisEmpregadoListaBio(BSTR, std::int32_t* result) { return numero(result, 0); }
HRESULT SimServer::LerQtdeListaBio(std::int32_t* result) { return numero(result, 0); }
HRESULT SimServer::LerPosicaoListaBio(std::int32_t, std::int32_t* result) { return numero(result, 1); }
HRESULT SimServer::LerTemplate(BSTR* result) { return texto(result, m_bio.atual.template1); }
HRESULT SimServer::LerTemplate2(BSTR* result) { return texto(result, m_bio.atual.template2); }
HRESULT SimServer::LerResultadoBiometria(std::int32_t* result) { return numero(result, m_bio.atual.resultado); }
HRESULT SimServer::EnviarListaBioEmpregados(std::int32_t* result) { return numero(result, contatar()); }
HRESULT SimServer::EnviarListaBioExclusao(std::int32_t* result) { return numero(result, contatar()); }
HRESULT SimServer::SolicitarListaBioEmpregados(std::int32_t* result) { return numero(result, contatar()); }
HRESULT SimServer::SolicitarTemplatesListaBio(std::int32_t* result) { return numero(result, contatar()); }
