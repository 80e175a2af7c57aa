// Device settings: passwords, card formats, network and REP-initiated connection, biometric adjustment,
// TLM files; and the requests that read them back, with the device's information and public key.
#include "sim/SimServer.h"

#include "sim/SimKnobs.h"

#include <QFile>
#include <QFileInfo>

namespace {
QString simNao(bool b) { return b ? QStringLiteral("Sim") : QStringLiteral("Não"); }
} // namespace

HRESULT SimServer::DefinirSenhas(BSTR senhaComunic, BSTR senhaPendrive, BSTR senhaBio, std::int32_t* result) {
    m_senhas = Senhas{qs(senhaComunic), qs(senhaPendrive), qs(senhaBio)};
    return numero(result, 0);
}

HRESULT SimServer::DefinirFormatoCartao(BSTR formatoCartaoBarras, std::int32_t numDigitosFixos, BSTR formatoCartaoProx,
                                        std::int32_t* result) {
    m_formato = Formato{qs(formatoCartaoBarras), qs(formatoCartaoProx), numDigitosFixos};
    return numero(result, 0);
}

void SimServer::Senhas::aplicar(ConfiguracaoSim& c) const {
    c.senhaComunicacao = comunicacao;
    c.senhaPendrive = pendrive;
    c.senhaBiometria = bio;
}

void SimServer::Formato::aplicar(ConfiguracaoSim& c) const {
    c.formatoDefinido = true;
    c.formatoCartaoBarras = barras;
    c.formatoCartaoProx = prox;
    c.numDigitosFixos = digitosFixos;
}

// Mask and gateway only when given: an empty one keeps the device's.
void SimServer::Avancadas::aplicar(ConfiguracaoSim& c) const {
    c.repIniciaConexao = repCliente;
    c.ipServidor = ipServidor;
    c.portaServidor = portaServidor;
    if (!mascara.isEmpty()) c.mascara = mascara;
    if (!gateway.isEmpty()) c.gateway = gateway;
    c.intervaloConexao = intervaloConexao;
    c.tempoEspera = tempoEspera;
    c.hostHabilitado = hostHabilitado;
    c.hostDNS = hostDNS;
    c.dns = dns;
    c.nomeRep = nomeRep;
}

HRESULT SimServer::EnviarSenhas(std::int32_t* result) {
    if (!m_senhas) return numero(result, 1);
    int r = contatar();
    if (r == 0)
        r = alterar([this] {
            m_senhas->aplicar(rep().configuracao);
            return 0;
        });
    return numero(result, r);
}

bool SimServer::formatoAceito() const {
    // Identification devices may not be changed once configured: a first format is taken, the same one
    // again is fine, a different one is refused.
    const ConfiguracaoSim& c = m_rep->configuracao;
    return !c.formatoDefinido || (c.formatoCartaoBarras == m_formato->barras &&
                                  c.formatoCartaoProx == m_formato->prox &&
                                  c.numDigitosFixos == m_formato->digitosFixos);
}

HRESULT SimServer::EnviarFormatoCartao(std::int32_t* result) {
    if (!m_formato) return numero(result, 1);
    int r = contatar();
    if (r == 0)
        r = alterar([this] {
            if (!formatoAceito()) return 1;
            m_formato->aplicar(rep().configuracao);
            return 0;
        });
    return numero(result, r);
}

HRESULT SimServer::EnviarConfiguracoesGerais(std::int32_t* result) {
    if (!m_senhas && !m_formato) return numero(result, 1);
    int r = contatar();
    if (r == 0)
        r = alterar([this] {
            if (m_formato && !formatoAceito()) return 1;
            if (m_formato) m_formato->aplicar(rep().configuracao);
            if (m_senhas) m_senhas->aplicar(rep().configuracao);
            return 0;
        });
    return numero(result, r);
}

HRESULT SimServer::DefinirConfiguracoesAvancadas(VARIANT_BOOL repClient, VARIANT_BOOL, BSTR ipServidor,
                                                 std::int32_t portaServidor, BSTR mask, BSTR gateway,
                                                 std::int32_t intervaloConexao, std::int32_t tempoespera,
                                                 std::int32_t* result) {
    Avancadas a;
    a.repCliente = verdadeiro(repClient);
    a.ipServidor = qs(ipServidor);
    a.portaServidor = portaServidor;
    a.mascara = qs(mask);
    a.gateway = qs(gateway);
    a.intervaloConexao = intervaloConexao;
    a.tempoEspera = tempoespera;
    m_avancadas = a;
    return numero(result, 0);
}

HRESULT SimServer::DefinirConfiguracoesAvancadasComDNS(VARIANT_BOOL repClient, BSTR ipServidor,
                                                       std::int32_t portaServidor, BSTR mask, BSTR gateway,
                                                       std::int32_t intervaloConexao, std::int32_t tempoespera,
                                                       VARIANT_BOOL HostHabilitado, BSTR hostDNS, BSTR DNS,
                                                       BSTR nomeRep, std::int32_t* result) {
    Avancadas a;
    a.repCliente = verdadeiro(repClient);
    a.ipServidor = qs(ipServidor);
    a.portaServidor = portaServidor;
    a.mascara = qs(mask);
    a.gateway = qs(gateway);
    a.intervaloConexao = intervaloConexao;
    a.tempoEspera = tempoespera;
    a.hostHabilitado = verdadeiro(HostHabilitado);
    a.hostDNS = qs(hostDNS);
    a.dns = qs(DNS);
    a.nomeRep = qs(nomeRep);
    m_avancadas = a;
    return numero(result, 0);
}

HRESULT SimServer::EnviarConfiguracoesAvancadas(std::int32_t* result) {
    if (!m_avancadas) return numero(result, 1);
    int r = contatar();
    if (r == 0)
        r = alterar([this] {
            m_avancadas->aplicar(rep().configuracao);
            return 0;
        });
    return numero(result, r);
}

HRESULT SimServer::DefinirAjusteBiometricoNitgen(std::int32_t captura, std::int32_t filtro, std::int32_t identificacao,
                                                 std::int32_t verificacao, std::int32_t timeOut, std::int32_t LFD,
                                                 std::int32_t* result) {
    m_ajusteNitgen = AjusteNitgenSim{captura, filtro, identificacao, verificacao, timeOut, LFD};
    return numero(result, 0);
}

HRESULT SimServer::DefinirAjusteBiometricoLC(std::int32_t identificacao, std::int32_t timeOut,
                                             VARIANT_BOOL dedoduplicado, std::int32_t* result) {
    m_ajusteLC = AjusteLCSim{identificacao, timeOut, verdadeiro(dedoduplicado)};
    return numero(result, 0);
}

HRESULT SimServer::EnviarAjusteBiometrico(std::int32_t* result) {
    if (!m_ajusteNitgen && !m_ajusteLC) return numero(result, 1);
    int r = contatar();
    if (r == 0)
        r = alterar([this] {
            if (m_ajusteNitgen) rep().configuracao.nitgen = *m_ajusteNitgen;
            if (m_ajusteLC) rep().configuracao.lc = *m_ajusteLC;
            return 0;
        });
    return numero(result, r);
}

namespace {
// A TLM file is taken only when it is a regular file that can really be opened for reading: the
// permission bits alone do not tell (a privileged user reads past them, ACLs may forbid).
bool arquivoLegivel(const QString& caminho) {
    const QFileInfo info(caminho);
    if (caminho.isEmpty() || !info.isFile()) return false;
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly);
}
} // namespace

HRESULT SimServer::DefinirArquivoTLM(BSTR caminhoArquivoTLM, std::int32_t* result) {
    const QString caminho = qs(caminhoArquivoTLM);
    if (!arquivoLegivel(caminho)) {
        m_arquivoTLM.clear();
        return numero(result, 1);
    }
    m_arquivoTLM = QFileInfo(caminho).absoluteFilePath();
    return numero(result, 0);
}

HRESULT SimServer::EnviarArquivoTLM(std::int32_t* result) {
    if (m_arquivoTLM.isEmpty()) return numero(result, 1);
    // The file must still be readable when it is sent.
    if (!arquivoLegivel(m_arquivoTLM)) return numero(result, 1);
    return numero(result, contatar());
}

// --- Requests ------------------------------------------------------------------------------------

HRESULT SimServer::SolicitarConfiguracoesRep(std::int32_t* result) {
    const int r = contatar();
    m_semConfiguracao = r != 0;
    if (r == 0) {
        m_configuracaoLida = rep().configuracao;
        m_configuracaoLida.chaveComunicacao = m_chave;
    }
    return numero(result, r);
}

HRESULT SimServer::textoConfiguracao(BSTR* out, const QString& value) const {
    return texto(out, m_semConfiguracao ? QString() : value);
}

HRESULT SimServer::LerInicioHorarioVerao(BSTR* result) {
    return textoConfiguracao(result, m_configuracaoLida.inicioHorarioVerao);
}
HRESULT SimServer::LerFimHorarioVerao(BSTR* result) {
    return textoConfiguracao(result, m_configuracaoLida.fimHorarioVerao);
}
HRESULT SimServer::LerFormatoCartaoBarras(BSTR* result) {
    return textoConfiguracao(result, m_configuracaoLida.formatoCartaoBarras);
}
HRESULT SimServer::LerNumDigitosFixos(BSTR* result) {
    return textoConfiguracao(result, QString::number(m_configuracaoLida.numDigitosFixos));
}
HRESULT SimServer::LerFormatoCartaoProx(BSTR* result) {
    return textoConfiguracao(result, m_configuracaoLida.formatoCartaoProx);
}
HRESULT SimServer::LerGatewayRep(BSTR* result) {
    return textoConfiguracao(result, m_configuracaoLida.gateway);
}
HRESULT SimServer::LerMascaraRede(BSTR* result) {
    return textoConfiguracao(result, m_configuracaoLida.mascara);
}
HRESULT SimServer::LerPorta(BSTR* result) {
    return textoConfiguracao(result, QString::number(m_configuracaoLida.porta));
}
HRESULT SimServer::LerPortaServidorRep(BSTR* result) {
    return textoConfiguracao(result, QString::number(m_configuracaoLida.portaServidor));
}
HRESULT SimServer::LerRepIniciaConexao(BSTR* result) {
    return textoConfiguracao(result, simNao(m_configuracaoLida.repIniciaConexao));
}
HRESULT SimServer::LerSenhaComunicacao(BSTR* result) {
    return textoConfiguracao(result, m_configuracaoLida.senhaComunicacao);
}
HRESULT SimServer::LerSenhaBiometria(BSTR* result) {
    return textoConfiguracao(result, m_configuracaoLida.senhaBiometria);
}
HRESULT SimServer::LerSenhaPendrive(BSTR* result) {
    return textoConfiguracao(result, m_configuracaoLida.senhaPendrive);
}
HRESULT SimServer::LerTempoConexaoEspera(BSTR* result) {
    return textoConfiguracao(result, QString::number(m_configuracaoLida.tempoEspera));
}
HRESULT SimServer::LerIpServidor(BSTR* result) {
    return textoConfiguracao(result, m_configuracaoLida.ipServidor);
}
HRESULT SimServer::LerIntervaloConexao(BSTR* result) {
    return textoConfiguracao(result, QString::number(m_configuracaoLida.intervaloConexao));
}
HRESULT SimServer::LerChaveComunicacao(BSTR* result) {
    return textoConfiguracao(result, m_configuracaoLida.chaveComunicacao);
}
HRESULT SimServer::LerHostDNS(BSTR* result) {
    return textoConfiguracao(result, m_configuracaoLida.hostDNS);
}
HRESULT SimServer::LerDNS(BSTR* result) {
    return textoConfiguracao(result, m_configuracaoLida.dns);
}
HRESULT SimServer::LerHostHabilitado(BSTR* result) {
    return textoConfiguracao(result, simNao(m_configuracaoLida.hostHabilitado));
}
HRESULT SimServer::LerNomeRep(BSTR* result) {
    return textoConfiguracao(result, m_configuracaoLida.nomeRep);
}
HRESULT SimServer::LerCapturaAdaptativa(BSTR* result) {
    return textoConfiguracao(result, QString::number(m_configuracaoLida.nitgen.captura));
}
HRESULT SimServer::LerFiltroDigitalLatente(BSTR* result) {
    return textoConfiguracao(result, QString::number(m_configuracaoLida.nitgen.filtro));
}
HRESULT SimServer::LerNivelSegIdentificacao(BSTR* result) {
    return textoConfiguracao(result, QString::number(m_configuracaoLida.nitgen.identificacao));
}
HRESULT SimServer::LerTimeOutCaptura(BSTR* result) {
    return textoConfiguracao(result, QString::number(m_configuracaoLida.nitgen.timeOut));
}
HRESULT SimServer::LerNivelSegVerificacao(BSTR* result) {
    return textoConfiguracao(result, QString::number(m_configuracaoLida.nitgen.verificacao));
}
HRESULT SimServer::LerNivelLFD(BSTR* result) {
    return textoConfiguracao(result, QString::number(m_configuracaoLida.nitgen.lfd));
}
HRESULT SimServer::LerNivelSegIdentificacaoLC(BSTR* result) {
    return textoConfiguracao(result, QString::number(m_configuracaoLida.lc.identificacao));
}
HRESULT SimServer::LerTimeOutCapturaLC(BSTR* result) {
    return textoConfiguracao(result, QString::number(m_configuracaoLida.lc.timeOut));
}
HRESULT SimServer::LerDedoDuplicado(BSTR* result) {
    return textoConfiguracao(result, simNao(m_configuracaoLida.lc.dedoDuplicado));
}

HRESULT SimServer::SolicitarInformacoesRep(std::int32_t* result) {
    const int r = contatar();
    const bool ok = r == 0;
    m_versaoFirmware = ok ? rep().versaoFirmware() : QString();
    m_modeloBiometrico = ok ? rep().modeloBiometrico() : QString();
    m_statusRep = ok ? rep().statusRep() : QString();
    m_numeroSerie = ok ? rep().numeroSerie() : QString();
    return numero(result, r);
}
HRESULT SimServer::LerVersaoFirmware(BSTR* result) { return texto(result, m_versaoFirmware); }
HRESULT SimServer::LerModeloBiometrico(BSTR* result) { return texto(result, m_modeloBiometrico); }
HRESULT SimServer::LerStatusRep(BSTR* result) { return texto(result, m_statusRep); }

HRESULT SimServer::SolicitarChavePublica(std::int32_t* result) {
    const int r = contatar();
    m_chavePublica = r == 0 ? rep().chavePublica() : QString();
    return numero(result, r);
}
HRESULT SimServer::LerChavePublica(BSTR* result) { return texto(result, m_chavePublica); }

// --- Printer paper -------------------------------------------------------------------------------

HRESULT SimServer::SolicitarStatusPapel(std::int32_t* result) {
    const int r = contatar();
    if (r == 0) {
        const auto& papel = SimKnobs::get().statusPapel;
        m_statusPapel = papel.value(m_endereco, rep().statusPapel);
    }
    return numero(result, r);
}
HRESULT SimServer::LerStatusPapel(std::int32_t* result) { return numero(result, m_statusPapel); }
