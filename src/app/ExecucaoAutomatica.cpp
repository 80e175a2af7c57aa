// The unattended run: from the activation that finds no marker to the end of the program.
#include "app/ExecucaoAutomatica.h"

#include "app/ArquivoRetorno.h"
#include "app/TextoJson.h"
#include "platform/com/OleExceptions.h"
#include "ui/main/frmSDKVeltoRep.h"
#include "ui/main/pages/PaginaRelogio.h"
#include "util/Utils.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <cstdio>

using namespace ExecucaoAutomatica;

namespace {

// Set once the operation starts: activations that come while it yields, or before the program has
// ended, start no second run.
bool g_emExecucao = false;

Resultado ExecutarOperacao(TfrmSDK& f, int operacao) {
    RepSlot s = f.slotRep(1);
    s.ip = EnderecoDaExecucao(s.ip);
    switch (operacao) {
    case 1: return SolicitarRelogio2(f, s.ip, s.portaServidor, s.tempoEspera, s.repIniciaComunicacao);
    case 2: return EnviaEmpregados2(f, s.ip, s.portaServidor, s.tempoEspera, s.repIniciaComunicacao);
    case 3: return SolicitaDadosEmpregados2(f, s.ip, s.portaServidor, s.tempoEspera, s.repIniciaComunicacao);
    case 4: return ExcluirEmpregados2(f, s.ip, s.portaServidor, s.tempoEspera, s.repIniciaComunicacao);
    case 5: return ColetarRegistros2(f, s.ip, s.portaServidor, s.tempoEspera, s.repIniciaComunicacao);
    default: return {std::nullopt, EntradaInvalida}; // no operation: the default text
    }
}

} // namespace

QString ExecucaoAutomatica::EnderecoDaExecucao(const QString& txtIP1) {
    // Taken as it stands, as the address field is: a cron line per device names it.
    const QString variavel = qEnvironmentVariable(kVariavelEndereco);
    return variavel.isEmpty() ? txtIP1 : variavel;
}

void ExecucaoAutomatica::Executar(TfrmSDK& f) {
    if (g_emExecucao) return;
    PaginaRelogio& p = *f.tbpRelogio;
    // 3. The window reduced to the progress panel, the default result.
    f.setFixedSize(f.Panel8->size());
    f.Panel8->show();
    p.Memo1->clear();
    QString resultado = kResultadoPadrao;
    // 4. Not a number: the window stays open, reduced, and nothing is written.
    const std::optional<int> operacao = Utils::ConverterInteiro(p.Edit6->text());
    if (!operacao) return;
    g_emExecucao = true;

    // 5. Nobody answers a message box here: a failing SDK client goes into the file instead.
    Status status = Concluida;
    try {
        const Resultado r = ExecutarOperacao(f, *operacao);
        if (r.texto) resultado = *r.texto;
        status = r.status;
    } catch (const Exception& e) {
        resultado = TextoJson::Erro(QString::fromStdString(e.Message()));
        status = ExcecaoSdk;
    } catch (const std::exception& e) {
        resultado = TextoJson::Erro(QString::fromUtf8(e.what()));
        status = ExcecaoSdk;
    } catch (...) {
        resultado = TextoJson::Erro(QStringLiteral("Falha inesperada"));
        status = ExcecaoSdk;
    }

    // 6. The file, then the end of the program once control is back in the message loop.
    // The memo shows a bounded summary: a list of many employees would take longer to lay out than to read.
    p.Memo1->setPlainText(ArquivoRetorno::Resumo(resultado));
    QString erro, aviso;
    if (!ArquivoRetorno::Gravar(resultado, &erro, &aviso)) {
        std::fprintf(stderr, "SDKVeltoRep: %s não gravado: %s\n", ArquivoRetorno::kNome,
                     erro.toLocal8Bit().constData());
        status = ArquivoNaoGravado;
    } else if (!aviso.isEmpty()) {
        std::fprintf(stderr, "SDKVeltoRep: %s: %s\n", ArquivoRetorno::kNome, aviso.toLocal8Bit().constData());
    }
    // Queued: an activation that came before the message loop started must still end the program.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [status] { QCoreApplication::exit(status); }, Qt::QueuedConnection);
}
