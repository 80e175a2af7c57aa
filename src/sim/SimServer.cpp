#include "sim/SimServer.h"

#include "afd/DigitosVerificadores.h"
#include "platform/com/WideString.h"
#include "sim/SimDeviceTable.h"
#include "sim/SimKnobs.h"

#include <QThread>

SimServer::SimServer() = default;
SimServer::~SimServer() = default;

SimServer::Preparo& SimServer::preparo() {
    if (!m_preparo) m_preparo = std::make_unique<Preparo>();
    return *m_preparo;
}

SimServer::Lido& SimServer::lido() {
    if (!m_lido) m_lido = std::make_unique<Lido>();
    return *m_lido;
}

SessaoColeta& SimServer::coleta() {
    if (!m_coleta) m_coleta = std::make_unique<SessaoColeta>();
    return *m_coleta;
}

SessaoBio& SimServer::bio() {
    if (!m_bio) m_bio = std::make_unique<SessaoBio>();
    return *m_bio;
}

SessaoRB1& SimServer::rb1() {
    if (!m_rb1) m_rb1 = std::make_unique<SessaoRB1>();
    return *m_rb1;
}

QString SimServer::qs(BSTR b) { return b ? QString::fromUtf16(b, SysStringLen(b)) : QString(); }

HRESULT SimServer::texto(BSTR* out, const QString& value) {
    if (!out) return E_POINTER;
    *out = WideString(value).detach();
    return S_OK;
}

HRESULT SimServer::numero(std::int32_t* out, int value) {
    if (!out) return E_POINTER;
    *out = value;
    return S_OK;
}

bool SimServer::cpfValido(const QString& texto) {
    // Eleven digits with valid check digits, plain or as the masked field writes them.
    static const QString mascara = QStringLiteral("000.000.000-00");
    QString digitos = texto;
    if (texto.size() == mascara.size()) {
        digitos.clear();
        for (qsizetype i = 0; i < mascara.size(); ++i) {
            if (mascara[i] == u'0')
                digitos += texto[i];
            else if (texto[i] != mascara[i])
                return false;
        }
    }
    return afd::CpfValido(digitos.toLatin1().toStdString());
}

int SimServer::contatar() {
    const SimKnobs& knobs = SimKnobs::get();
    if (knobs.latenciaMs > 0) QThread::msleep(static_cast<unsigned long>(knobs.latenciaMs));
    if (!m_rep) return 2;
    if (!m_cpfAceito) return 1;
    const auto falha = knobs.falhas.constFind(m_endereco);
    if (falha != knobs.falhas.constEnd()) return falha.value();
    return 0;
}

int SimServer::alterar(const std::function<int()>& mudanca) {
    if (!m_rep) return 2;
    SimDeviceTable::Alteracao alteracao(*m_rep);
    if (!alteracao.ok()) return 1;
    if (const int r = mudanca(); r != 0) return r;
    return alteracao.concluir() ? 0 : 1;
}

// --- Connection -------------------------------------------------------------------------------------

HRESULT SimServer::DefinirParametrosComunicacao(BSTR cpfResponsavel, BSTR ipAddress, BSTR chaveComunicacao,
                                                std::int32_t, std::int32_t* result) {
    // Shared with the previous client when it is the same, like the key below.
    static QString ultimoCpf;
    const QString cpf = qs(cpfResponsavel);
    if (cpf != ultimoCpf) ultimoCpf = cpf;
    m_cpf = ultimoCpf;
    m_cpfAceito = cpfValido(m_cpf);
    const QString endereco = qs(ipAddress);
    // A blank address reaches no device: every send or request then times out.
    m_rep = endereco.trimmed().isEmpty() ? nullptr : &SimDeviceTable::device(endereco);
    // The device's own copy of the address, and the key of the previous client when it is the same: clients
    // that all live until the program ends share these texts instead of holding one each.
    m_endereco = m_rep ? m_rep->endereco : endereco;
    static QString ultimaChave;
    const QString chave = qs(chaveComunicacao);
    if (chave != ultimaChave) ultimaChave = chave;
    m_chave = ultimaChave;
    return numero(result, m_cpfAceito ? 0 : 6);
}

HRESULT SimServer::DefinirParametrosComunicacaoHost(BSTR cpfResponsavel, BSTR host, BSTR chaveComunicacao,
                                                    std::int32_t* result) {
    return DefinirParametrosComunicacao(cpfResponsavel, host, chaveComunicacao, 0, result);
}

HRESULT SimServer::DefinirPortaComunicacao(std::int32_t, std::int32_t* result) { return numero(result, 0); }
HRESULT SimServer::DefinirModeloRede(std::int32_t, std::int32_t* result) { return numero(result, 0); }
HRESULT SimServer::DefinirTempoEsperaConexao(std::int32_t, std::int32_t* result) { return numero(result, 0); }

HRESULT SimServer::DefinirRepIniciaConexao(std::int32_t portaServidor, std::int32_t tempoespera,
                                           std::int32_t* result) {
    m_repIniciaConexao = std::make_pair(int(portaServidor), int(tempoespera));
    return numero(result, 0);
}

// --- Reads shared by several lists ---------------------------------------------------------------

HRESULT SimServer::LerPis(BSTR* result) {
    switch (m_corrente) {
    case ListaCorrente::Empregados:
        return texto(result, lido().empregadoAtual.pis);
    case ListaCorrente::Resultados:
        return texto(result, lido().resultadoAtual.pis);
    case ListaCorrente::Bio:
        return texto(result, bio().atual.pis);
    case ListaCorrente::Nenhuma: break;
    }
    return texto(result, {});
}

HRESULT SimServer::LerQuantidade(std::int32_t* result) {
    return numero(result, int(lido().resultados.size()));
}

HRESULT SimServer::LerResultado(std::int32_t index, std::int32_t* result) {
    if (index < 0 || index >= lido().resultados.size()) return numero(result, 1);
    lido().resultadoAtual = lido().resultados[index];
    m_corrente = ListaCorrente::Resultados;
    return numero(result, 0);
}

HRESULT SimServer::LerStatus(std::int32_t* result) {
    return numero(result, lido().resultadoAtual.status);
}

HRESULT SimServer::LerTamanhoLista(std::int32_t* result) {
    return numero(result, int(preparo().listaEmpregados.size()));
}

HRESULT SimServer::LerNumSerieRep(BSTR* result) {
    return texto(result, lido().numeroSerie);
}
