// Unattended operation 5, "collect": the full collection of REP 1 from the NSR after its collection cursor
// (or from the NSR of argument 3), the records written as an AFD file in the current directory, the cursor
// moved once the file is in place, and a one-line JSON summary of the file.
#include "afd/Escrita.h"
#include "app/ExecucaoAutomatica.h"
#include "app/TextoJson.h"
#include "controls/UiServices.h"
#include "ops/ArquivoAfd.h"
#include "ops/ColetaNovos.h"
#include "ops/LacoColeta.h"
#include "sdk/SDK_Velto_Rep_TLB.h"
#include "ui/main/frmSDKVeltoRep.h"
#include "ui/main/pages/PaginaRelogio.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

using namespace ExecucaoAutomatica;

namespace {

// How often the progress panel shows how far the run got, with one turn of the message loop for the
// seconds counter: bounded whatever the number of records.
constexpr qint64 kIntervaloPainelMs = 250;

// The records kept for the file: every line's text in one buffer, no object per line.
class DestinoArquivo final : public DestinoColeta {
public:
    explicit DestinoArquivo(QLabel* painel) : m_painel(painel) { m_relogio.start(); }

    void aoLerRegistro(const WideString&, const WideString& linha) override {
        ++m_lidos;
        guardar(linha.view());
    }
    void aoEsperar() override { mostrar(); }
    void aposNsr() override { mostrar(); }
    void aoChegarAoFim(const WideString& cabecalho, const WideString& trailer) override {
        guardar(cabecalho.view());
        guardar(trailer.view());
    }

    // The lines as the AFD module takes them, valid while the receiver lives.
    std::vector<std::u16string_view> linhas() const {
        std::vector<std::u16string_view> l;
        l.reserve(m_partes.size());
        for (const auto& [inicio, tamanho] : m_partes)
            l.emplace_back(m_texto.data() + inicio, tamanho);
        return l;
    }

private:
    void mostrar() {
        if (m_relogio.elapsed() < m_proximoPainel) return;
        m_proximoPainel = m_relogio.elapsed() + kIntervaloPainelMs;
        m_painel->setText(QStringLiteral("Coletando: %1 registros lidos").arg(m_lidos));
        UiServices::pump().processEvents();
    }
    void guardar(std::u16string_view linha) {
        if (linha.empty()) return;
        m_partes.emplace_back(m_texto.size(), linha.size());
        m_texto.append(linha);
    }

    QLabel* m_painel;
    QElapsedTimer m_relogio;
    qint64 m_proximoPainel = 0;
    qint64 m_lidos = 0;
    std::u16string m_texto;
    std::vector<std::pair<std::size_t, std::size_t>> m_partes;
};

// Standard error is the integrator's log: what the result line has no key for goes there.
void NaSaidaDeErro(const QString& texto) {
    std::fprintf(stderr, "SDKVeltoRep: %s\n", texto.toLocal8Bit().constData());
}

QString Campo(const QString& chave, const QString& valor) {
    return QStringLiteral("\"%1\" : \"%2\"").arg(chave, TextoJson::Escapar(valor));
}

// {"RESULT" : "OK", "ARQUIVO" : ..., "VALIDO" : ...}; without a file, every value but REGISTROS is empty.
QString ResultadoOk(const QString& arquivo, quint64 registros, const QString& nsrInicial,
                    const QString& nsrFinal, const QString& valido) {
    const QStringList campos{Campo(QStringLiteral("RESULT"), QStringLiteral("OK")),
                             Campo(QStringLiteral("ARQUIVO"), arquivo),
                             Campo(QStringLiteral("REGISTROS"), QString::number(registros)),
                             Campo(QStringLiteral("NSR_INICIAL"), nsrInicial),
                             Campo(QStringLiteral("NSR_FINAL"), nsrFinal),
                             Campo(QStringLiteral("VALIDO"), valido)};
    return u'{' + campos.join(QStringLiteral(", ")) + u'}';
}

QString SemRegistroNovo() {
    return ResultadoOk(QString(), 0, QString(), QString(), QString());
}

QString TextoNsrInvalido(const QString& argumento) {
    return QStringLiteral("O terceiro argumento da operação 5 deve ser vazio (os registros novos) ou o NSR "
                          "inicial, um número de 1 a 2147483647; recebido: %1")
        .arg(argumento);
}

} // namespace

std::optional<qint64> ExecucaoAutomatica::NsrInicialDoArgumento(const QString& texto) {
    if (texto.isEmpty()) return 0;
    qint64 nsr = 0;
    for (const QChar c : texto) {
        if (c < u'0' || c > u'9') return std::nullopt;
        nsr = nsr * 10 + (c.unicode() - u'0');
        if (nsr > kMaxNsrCursor) return std::nullopt;
    }
    if (nsr < 1) return std::nullopt;
    return nsr;
}

Resultado ExecucaoAutomatica::ColetarRegistros2(TfrmSDK& f, const QString& ip, int portaPC, int tempoEspera,
                                                bool repIniciaComunicacao) {
    // A first NSR that is no NSR reaches no device.
    const QString argumento = f.tbpRelogio->Edit4->text();
    const std::optional<qint64> pedido = NsrInicialDoArgumento(argumento);
    if (!pedido) return {TextoJson::Erro(TextoNsrInvalido(argumento)), EntradaInvalida};

    TVeltoRepPlusSDK* sdk = PrepararAutomatico(f, ip, portaPC, tempoEspera, repIniciaComunicacao);
    if (!sdk) return {TextoJson::Erro(QStringLiteral("Informe o CPF!")), EntradaInvalida};

    // The device's cursor; a damaged file is as good as none.
    const CursorLido lido = LerCursor(ip);
    if (!lido.problema.isEmpty())
        NaSaidaDeErro(QStringLiteral("cursor de coleta ignorado: ") + lido.problema);
    qint64 inicio = *pedido > 0 ? *pedido : 1;
    if (*pedido == 0 && lido.cursor) {
        f.Label119->setText(
            QStringLiteral("Conferindo o REP no NSR %1 da última coleta").arg(lido.cursor->ultimoNsr));
        const CursorConferido k = ConferirCursor(*sdk, *lido.cursor, [] {});
        if (k.resultado == Conferencia::Recusada) return {ErroDeStatus(k.resposta)};
        if (k.resultado == Conferencia::MesmoRep)
            inicio = lido.cursor->ultimoNsr + 1;
        else
            NaSaidaDeErro(QStringLiteral("REP %1: ").arg(ip) +
                          TextoColetaNovos::Conferencia(k, *lido.cursor));
    }

    // The collection: nothing is written unless it reached the device's end.
    f.Label119->setText(QStringLiteral("Coletando desde o NSR %1").arg(inicio));
    DestinoArquivo destino(f.Label119);
    const ColetaFeita feita = ColetarRegistros(*sdk, inicio, destino);
    switch (feita.fim) {
    case FimColeta::Concluida:
        break;
    case FimColeta::Recusada:
        return {ErroDeStatus(feita.resposta)};
    case FimColeta::SemRegistro:
    case FimColeta::NsrEsgotado:
    case FimColeta::Parada:
        return {TextoJson::Erro(
            QStringLiteral("A coleta não chegou ao fim do REP: nenhum registro veio do NSR %1 "
                           "ao %2; nada foi gravado")
                .arg(qMax(feita.ultimoNsr + 1, feita.nsrInicial))
                .arg(feita.nsrFinal))};
    }

    // The file, whole or not at all, named by the AFD module; none when nothing was read.
    if (feita.lidos == 0) return {SemRegistroNovo()};
    const afd::Montagem m = afd::MontarArquivo(destino.linhas());
    if (!m.gravavel) return {TextoJson::Erro(QString::fromStdString(m.motivo)), ExcecaoSdk};
    if (m.registros == 0) return {SemRegistroNovo()};
    const QString nome = QString::fromStdString(m.nomeSugerido);
    f.Label119->setText(QStringLiteral("Gravando %1").arg(nome));
    AfdSalvo salvo = GravarAfd(m, nome);
    if (!salvo.gravado) {
        salvo.motivo.replace(u'\n', u' ');
        NaSaidaDeErro(salvo.motivo);
        return {TextoJson::Erro(salvo.motivo), AfdNaoGravado};
    }

    // The file is in place: the cursor may move past its records.
    const std::optional<CursorColeta> novo = CursorAposColeta(lido.cursor, feita.paraCursor());
    QString erro;
    if (novo && novo != lido.cursor && !GravarCursor(ip, *novo, &erro))
        NaSaidaDeErro(
            QStringLiteral("cursor de coleta não gravado (%1): a próxima coleta lê estes registros de "
                           "novo")
                .arg(erro));
    return {ResultadoOk(nome, m.registros, QString::number(m.nsrInicial), QString::number(m.nsrFinal),
                        salvo.relatorio.valido() ? QStringLiteral("Sim") : QStringLiteral("Não"))};
}
