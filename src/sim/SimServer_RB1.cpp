// RB1 files. Not modelled yet: generation and import answer 1.
#include "sim/SimServer.h"

HRESULT SimServer::GerarArquivoRB1(BSTR, BSTR, std::int32_t, std::int32_t* result) { return numero(result, 1); }
HRESULT SimServer::ImportarArquivoRB1(BSTR, BSTR, std::int32_t, std::int32_t* result) { return numero(result, 1); }
HRESULT SimServer::DefinirPosicaoLeituraListaEmpregadosRB1(std::int32_t, std::int32_t* result) {
    return numero(result, 1);
}
HRESULT SimServer::LerQtdeEmpregadosRB1(std::int32_t* result) { return numero(result, 0); }
HRESULT SimServer::LerQtdeTemplatesRB1(std::int32_t* result) { return numero(result, 0); }
