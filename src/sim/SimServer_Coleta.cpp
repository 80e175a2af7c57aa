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
    m_coleta.pedido = false;
    m_coleta.linha.clear();
    int r = contatar();
    if (r == 0 && SimKnobs::get().falhasColeta.contains(m_endereco)) r = 1;
    if (r != 0) return numero(result, r);
    const int total = rep().coleta.total(punches(m_endereco, rep().coleta));
    m_coleta.pedido = true;
    m_coleta.contabilizado = false;
    m_coleta.esperasRestantes = SimKnobs::get().esperasColeta;
    // 2 a record, 3 the last one, 4 past the end; 5 (no such record) below the first NSR.
    m_coleta.statusPronto = nsrSolicitado < 1        ? 5
                            : nsrSolicitado < total  ? 2
                            : nsrSolicitado == total ? 3
                                                     : 4;
    if (m_coleta.statusPronto <= 3)
        m_coleta.linha = rep().coleta.registro(nsrSolicitado, punches(m_endereco, rep().coleta));
    m_coleta.ultimoNsr = QString::number(total);
    return numero(result, 0);
}

HRESULT SimServer::LerStatusColeta(std::int32_t* result) {
    if (!m_coleta.pedido) return numero(result, 4);
    if (m_coleta.esperasRestantes > 0) {
        --m_coleta.esperasRestantes;
        return numero(result, 1);
    }
    // The record is read from the device once, however often its status is asked.
    if (m_coleta.statusPronto <= 3 && !m_coleta.contabilizado) {
        m_coleta.contabilizar(m_coleta.linha, rep().coleta.leiaute);
        m_coleta.contabilizado = true;
        m_numeroSerie = rep().numeroSerie();
    }
    return numero(result, m_coleta.statusPronto);
}

HRESULT SimServer::LerResultadoColeta(std::int32_t* result) {
    return numero(result, m_coleta.contabilizado ? 0 : 1);
}

HRESULT SimServer::FinalizarLeitura() {
    m_coleta.reiniciar();
    return S_OK;
}

HRESULT SimServer::LerRegistroLinha(BSTR* result) {
    return texto(result, m_coleta.contabilizado ? m_coleta.linha : QString());
}

HRESULT SimServer::LerNumUltimoNsr(BSTR* result) {
    return texto(result, m_coleta.ultimoNsr);
}

HRESULT SimServer::LerMaiorDataEntreRegistroLidos(BSTR* result) {
    return texto(result, TextoDataColeta(m_coleta.maiorData));
}

HRESULT SimServer::LerMenorDataEntreRegistroLidos(BSTR* result) {
    return texto(result, TextoDataColeta(m_coleta.menorData));
}

HRESULT SimServer::LerUltimaEmpresa(BSTR* result) {
    // Before any employer record was read, the company the records belong to.
    if (!m_coleta.ultimaEmpresa.isEmpty() || !m_rep) return texto(result, m_coleta.ultimaEmpresa);
    return texto(result, rep().empregador.razaoSocial);
}

HRESULT SimServer::LerCabecalhoRegistrosColetados(BSTR* result) {
    if (!m_rep) return texto(result, {});
    return texto(result, m_coleta.cabecalho(rep().coleta.leiaute, rep().empregador, rep().numeroSerie(),
                                            rep().relogio()));
}

HRESULT SimServer::LerTrailerRegistrosColetados(BSTR* result) {
    if (!m_rep) return texto(result, {});
    return texto(result, m_coleta.trailer(rep().coleta.leiaute));
}
