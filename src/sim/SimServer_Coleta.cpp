// Punch-record collection by NSR. Not modelled yet: a collection ends at once.
#include "sim/SimServer.h"

void SimServer::aoAjustarRelogio(const QDateTime&, const QDateTime&) {}
void SimServer::aoEnviarEmpregador() {}
void SimServer::aoAlterarEmpregado(QChar, const EmpregadoSim&) {}

HRESULT SimServer::SolicitarRegistroNsr(std::int32_t, std::int32_t* result) { return numero(result, contatar()); }
HRESULT SimServer::LerStatusColeta(std::int32_t* result) { return numero(result, 4); }
HRESULT SimServer::LerResultadoColeta(std::int32_t* result) { return numero(result, 0); }
HRESULT SimServer::FinalizarLeitura() { return S_OK; }
HRESULT SimServer::LerRegistroLinha(BSTR* result) { return texto(result, {}); }
HRESULT SimServer::LerNumUltimoNsr(BSTR* result) { return texto(result, {}); }
HRESULT SimServer::LerMaiorDataEntreRegistroLidos(BSTR* result) { return texto(result, {}); }
HRESULT SimServer::LerMenorDataEntreRegistroLidos(BSTR* result) { return texto(result, {}); }
HRESULT SimServer::LerUltimaEmpresa(BSTR* result) { return texto(result, {}); }
HRESULT SimServer::LerCabecalhoRegistrosColetados(BSTR* result) { return texto(result, {}); }
HRESULT SimServer::LerTrailerRegistrosColetados(BSTR* result) { return texto(result, {}); }
