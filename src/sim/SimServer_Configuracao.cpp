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
    preparo().senhas = Senhas{qs(senhaComunic), qs(senhaPendrive), qs(senhaBio)};
    return numero(result, 0);
}

HRESULT SimServer::DefinirFormatoCartao(BSTR formatoCartaoBarras, std::int32_t numDigitosFixos, BSTR formatoCartaoProx,
                                        std::int32_t* result) {
    preparo().formato = Formato{qs(formatoCartaoBarras), qs(formatoCartaoProx), numDigitosFixos};
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
    if (!preparo().senhas) return numero(result, 1);
    int r = contatar();
    if (r == 0)
        r = alterar([this] {
            preparo().senhas->aplicar(rep().configuracao);
            return 0;
        });
    return numero(result, r);
}

bool SimServer::formatoAceito() const {
    // Identification devices may not be changed once configured: a first format is taken, the same one
    // again is fine, a different one is refused.
    const ConfiguracaoSim& c = m_rep->configuracao;
    const Formato& f = *m_preparo->formato;
    return !c.formatoDefinido || (c.formatoCartaoBarras == f.barras && c.formatoCartaoProx == f.prox &&
                                  c.numDigitosFixos == f.digitosFixos);
}

HRESULT SimServer::EnviarFormatoCartao(std::int32_t* result) {
    if (!preparo().formato) return numero(result, 1);
    int r = contatar();
    if (r == 0)
        r = alterar([this] {
            if (!formatoAceito()) return 1;
            preparo().formato->aplicar(rep().configuracao);
            return 0;
        });
    return numero(result, r);
}

HRESULT SimServer::EnviarConfiguracoesGerais(std::int32_t* result) {
    if (!preparo().senhas && !preparo().formato) return numero(result, 1);
    int r = contatar();
    if (r == 0)
        r = alterar([this] {
            if (preparo().formato && !formatoAceito()) return 1;
            if (preparo().formato) preparo().formato->aplicar(rep().configuracao);
            if (preparo().senhas) preparo().senhas->aplicar(rep().configuracao);
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
    preparo().avancadas = a;
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
    preparo().avancadas = a;
    return numero(result, 0);
}

HRESULT SimServer::EnviarConfiguracoesAvancadas(std::int32_t* result) {
    if (!preparo().avancadas) return numero(result, 1);
    int r = contatar();
    if (r == 0)
        r = alterar([this] {
            preparo().avancadas->aplicar(rep().configuracao);
            return 0;
        });
    return numero(result, r);
}

HRESULT SimServer::DefinirAjusteBiometricoNitgen(std::int32_t captura, std::int32_t filtro, std::int32_t identificacao,
                                                 std::int32_t verificacao, std::int32_t timeOut, std::int32_t LFD,
                                                 std::int32_t* result) {
    preparo().ajusteNitgen = AjusteNitgenSim{captura, filtro, identificacao, verificacao, timeOut, LFD};
    return numero(result, 0);
}

HRESULT SimServer::DefinirAjusteBiometricoLC(std::int32_t identificacao, std::int32_t timeOut,
                                             VARIANT_BOOL dedoduplicado, std::int32_t* result) {
    preparo().ajusteLC = AjusteLCSim{identificacao, timeOut, verdadeiro(dedoduplicado)};
    return numero(result, 0);
}

HRESULT SimServer::EnviarAjusteBiometrico(std::int32_t* result) {
    if (!preparo().ajusteNitgen && !preparo().ajusteLC) return numero(result, 1);
    int r = contatar();
    if (r == 0)
        r = alterar([this] {
            if (preparo().ajusteNitgen) rep().configuracao.nitgen = *preparo().ajusteNitgen;
            if (preparo().ajusteLC) rep().configuracao.lc = *preparo().ajusteLC;
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
        preparo().arquivoTLM.clear();
        return numero(result, 1);
    }
    preparo().arquivoTLM = QFileInfo(caminho).absoluteFilePath();
    return numero(result, 0);
}

HRESULT SimServer::EnviarArquivoTLM(std::int32_t* result) {
    if (preparo().arquivoTLM.isEmpty()) return numero(result, 1);
    // The file must still be readable when it is sent.
    if (!arquivoLegivel(preparo().arquivoTLM)) return numero(result, 1);
    return numero(result, contatar());
}

// --- Requests ------------------------------------------------------------------------------------

HRESULT SimServer::SolicitarConfiguracoesRep(std::int32_t* result) {
    const int r = contatar();
    lido().semConfiguracao = r != 0;
    if (r == 0) {
        lido().configuracao = rep().configuracao;
        lido().configuracao.chaveComunicacao = m_chave;
    }
    return numero(result, r);
}

HRESULT SimServer::textoConfiguracao(BSTR* out, const QString& value) {
    return texto(out, lido().semConfiguracao ? QString() : value);
}

HRESULT SimServer::LerInicioHorarioVerao(BSTR* result) {
    return textoConfiguracao(result, lido().configuracao.inicioHorarioVerao);
}
HRESULT SimServer::LerFimHorarioVerao(BSTR* result) {
    return textoConfiguracao(result, lido().configuracao.fimHorarioVerao);
}
HRESULT SimServer::LerFormatoCartaoBarras(BSTR* result) {
    return textoConfiguracao(result, lido().configuracao.formatoCartaoBarras);
}
HRESULT SimServer::LerNumDigitosFixos(BSTR* result) {
    return textoConfiguracao(result, QString::number(lido().configuracao.numDigitosFixos));
}
HRESULT SimServer::LerFormatoCartaoProx(BSTR* result) {
    return textoConfiguracao(result, lido().configuracao.formatoCartaoProx);
}
HRESULT SimServer::LerGatewayRep(BSTR* result) {
    return textoConfiguracao(result, lido().configuracao.gateway);
}
HRESULT SimServer::LerMascaraRede(BSTR* result) {
    return textoConfiguracao(result, lido().configuracao.mascara);
}
HRESULT SimServer::LerPorta(BSTR* result) {
    return textoConfiguracao(result, QString::number(lido().configuracao.porta));
}
HRESULT SimServer::LerPortaServidorRep(BSTR* result) {
    return textoConfiguracao(result, QString::number(lido().configuracao.portaServidor));
}
HRESULT SimServer::LerRepIniciaConexao(BSTR* result) {
    return textoConfiguracao(result, simNao(lido().configuracao.repIniciaConexao));
}
HRESULT SimServer::LerSenhaComunicacao(BSTR* result) {
    return textoConfiguracao(result, lido().configuracao.senhaComunicacao);
}
HRESULT SimServer::LerSenhaBiometria(BSTR* result) {
    return textoConfiguracao(result, lido().configuracao.senhaBiometria);
}
HRESULT SimServer::LerSenhaPendrive(BSTR* result) {
    return textoConfiguracao(result, lido().configuracao.senhaPendrive);
}
HRESULT SimServer::LerTempoConexaoEspera(BSTR* result) {
    return textoConfiguracao(result, QString::number(lido().configuracao.tempoEspera));
}
HRESULT SimServer::LerIpServidor(BSTR* result) {
    return textoConfiguracao(result, lido().configuracao.ipServidor);
}
HRESULT SimServer::LerIntervaloConexao(BSTR* result) {
    return textoConfiguracao(result, QString::number(lido().configuracao.intervaloConexao));
}
HRESULT SimServer::LerChaveComunicacao(BSTR* result) {
    return textoConfiguracao(result, lido().configuracao.chaveComunicacao);
}
HRESULT SimServer::LerHostDNS(BSTR* result) {
    return textoConfiguracao(result, lido().configuracao.hostDNS);
}
HRESULT SimServer::LerDNS(BSTR* result) {
    return textoConfiguracao(result, lido().configuracao.dns);
}
HRESULT SimServer::LerHostHabilitado(BSTR* result) {
    return textoConfiguracao(result, simNao(lido().configuracao.hostHabilitado));
}
HRESULT SimServer::LerNomeRep(BSTR* result) {
    return textoConfiguracao(result, lido().configuracao.nomeRep);
}
HRESULT SimServer::LerCapturaAdaptativa(BSTR* result) {
    return textoConfiguracao(result, QString::number(lido().configuracao.nitgen.captura));
}
HRESULT SimServer::LerFiltroDigitalLatente(BSTR* result) {
    return textoConfiguracao(result, QString::number(lido().configuracao.nitgen.filtro));
}
HRESULT SimServer::LerNivelSegIdentificacao(BSTR* result) {
    return textoConfiguracao(result, QString::number(lido().configuracao.nitgen.identificacao));
}
HRESULT SimServer::LerTimeOutCaptura(BSTR* result) {
    return textoConfiguracao(result, QString::number(lido().configuracao.nitgen.timeOut));
}
HRESULT SimServer::LerNivelSegVerificacao(BSTR* result) {
    return textoConfiguracao(result, QString::number(lido().configuracao.nitgen.verificacao));
}
HRESULT SimServer::LerNivelLFD(BSTR* result) {
    return textoConfiguracao(result, QString::number(lido().configuracao.nitgen.lfd));
}
HRESULT SimServer::LerNivelSegIdentificacaoLC(BSTR* result) {
    return textoConfiguracao(result, QString::number(lido().configuracao.lc.identificacao));
}
HRESULT SimServer::LerTimeOutCapturaLC(BSTR* result) {
    return textoConfiguracao(result, QString::number(lido().configuracao.lc.timeOut));
}
HRESULT SimServer::LerDedoDuplicado(BSTR* result) {
    return textoConfiguracao(result, simNao(lido().configuracao.lc.dedoDuplicado));
}

HRESULT SimServer::SolicitarInformacoesRep(std::int32_t* result) {
    const int r = contatar();
    const bool ok = r == 0;
    lido().versaoFirmware = ok ? rep().versaoFirmware() : QString();
    lido().modeloBiometrico = ok ? rep().modeloBiometrico() : QString();
    lido().statusRep = ok ? rep().statusRep() : QString();
    lido().numeroSerie = ok ? rep().numeroSerie() : QString();
    return numero(result, r);
}
HRESULT SimServer::LerVersaoFirmware(BSTR* result) {
    return texto(result, lido().versaoFirmware);
}
HRESULT SimServer::LerModeloBiometrico(BSTR* result) {
    return texto(result, lido().modeloBiometrico);
}
HRESULT SimServer::LerStatusRep(BSTR* result) {
    return texto(result, lido().statusRep);
}

HRESULT SimServer::SolicitarChavePublica(std::int32_t* result) {
    const int r = contatar();
    lido().chavePublica = r == 0 ? rep().chavePublica() : QString();
    return numero(result, r);
}
HRESULT SimServer::LerChavePublica(BSTR* result) {
    return texto(result, lido().chavePublica);
}

// --- Printer paper -------------------------------------------------------------------------------

HRESULT SimServer::SolicitarStatusPapel(std::int32_t* result) {
    const int r = contatar();
    if (r == 0) {
        const auto& papel = SimKnobs::get().statusPapel;
        lido().statusPapel = papel.value(m_endereco, rep().statusPapel);
    }
    return numero(result, r);
}
HRESULT SimServer::LerStatusPapel(std::int32_t* result) {
    return numero(result, lido().statusPapel);
}
