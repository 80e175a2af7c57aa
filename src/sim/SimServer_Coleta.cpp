// Punch-record collection by NSR, and the records the device writes into its log for what it is sent.
#include "sim/SimServer.h"

#include "sim/SimKnobs.h"

namespace {
// Punches before the device's own records: the knob's number for the address, else what it was made with.
int punches(const QString& endereco, const EstadoColeta& c) {
    return qMin(SimKnobs::get().registros.value(endereco, c.semeados), kMaxNsr);
}
} // namespace

// --- Records the device writes (the CPF the client connected with is the person responsible) ----------

void SimServer::aoAjustarRelogio(const QDateTime& antes, const QDateTime& depois) {
    rep().coleta.registrarAjusteRelogio(antes, depois, m_cpf);
}

void SimServer::aoEnviarEmpregador() {
    rep().coleta.registrarEmpregador(rep().relogio(), m_cpf, rep().empregador);
}

void SimServer::aoAlterarEmpregado(QChar operacao, const EmpregadoSim& e) {
    rep().coleta.registrarEmpregado(rep().relogio(), operacao, e, m_cpf);
}

// --- Collection ------------------------------------------------------------------------------------

HRESULT SimServer::SolicitarRegistroNsr(std::int32_t nsrSolicitado, std::int32_t* result) {
    coleta().pedido = false;
    coleta().linha.clear();
    int r = contatar();
    if (r == 0 && SimKnobs::get().falhasColeta.contains(m_endereco)) r = 1;
    if (r != 0) return numero(result, r);
    const int semeados = punches(m_endereco, rep().coleta);
    const int total = rep().coleta.total(semeados);
    coleta().pedido = true;
    coleta().contabilizado = false;
    coleta().esperasRestantes = SimKnobs::get().esperasColeta;
    // 2 a record, 3 the last one, 4 past the end; 5 (no such record) below the first NSR.
    coleta().statusPronto = nsrSolicitado < 1        ? 5
                            : nsrSolicitado < total  ? 2
                            : nsrSolicitado == total ? 3
                                                     : 4;
    if (coleta().statusPronto <= 3) coleta().linha = rep().coleta.registro(nsrSolicitado, semeados);
    coleta().ultimoNsr = total;
    return numero(result, 0);
}

HRESULT SimServer::LerStatusColeta(std::int32_t* result) {
    if (!coleta().pedido) return numero(result, 4);
    if (coleta().esperasRestantes > 0) {
        --coleta().esperasRestantes;
        return numero(result, 1);
    }
    // The record is read from the device once, however often its status is asked.
    if (coleta().statusPronto <= 3 && !coleta().contabilizado) {
        coleta().contabilizar(coleta().linha, rep().coleta.leiaute);
        coleta().contabilizado = true;
        lido().numeroSerie = rep().numeroSerie();
    }
    return numero(result, coleta().statusPronto);
}

HRESULT SimServer::LerResultadoColeta(std::int32_t* result) {
    return numero(result, coleta().contabilizado ? 0 : 1);
}

HRESULT SimServer::FinalizarLeitura() {
    coleta().reiniciar();
    return S_OK;
}

HRESULT SimServer::LerRegistroLinha(BSTR* result) {
    return texto(result, coleta().contabilizado ? coleta().linha : QString());
}

HRESULT SimServer::LerNumUltimoNsr(BSTR* result) {
    const int nsr = coleta().ultimoNsr;
    return texto(result, nsr < 0 ? QString() : QString::number(nsr));
}

HRESULT SimServer::LerMaiorDataEntreRegistroLidos(BSTR* result) {
    return texto(result, coleta().textoMaiorData.de(coleta().maiorData));
}

HRESULT SimServer::LerMenorDataEntreRegistroLidos(BSTR* result) {
    return texto(result, coleta().textoMenorData.de(coleta().menorData));
}

HRESULT SimServer::LerUltimaEmpresa(BSTR* result) {
    // Before any employer record was read, the company the records belong to.
    if (!coleta().ultimaEmpresa.isEmpty() || !m_rep) return texto(result, coleta().ultimaEmpresa);
    return texto(result, rep().empregador.razaoSocial);
}

HRESULT SimServer::LerCabecalhoRegistrosColetados(BSTR* result) {
    if (!m_rep) return texto(result, {});
    return texto(result, coleta().cabecalho(rep().coleta.leiaute, rep().empregador, rep().numeroSerie(),
                                            rep().relogio()));
}

HRESULT SimServer::LerTrailerRegistrosColetados(BSTR* result) {
    if (!m_rep) return texto(result, {});
    return texto(result, coleta().trailer(rep().coleta.leiaute));
}
