// The unattended mode: the four operations an integrating system runs from the command line, their JSON
// result texts, and the run that FormActivate starts (result file, exit status, end of the program).
#pragma once

#include <QList>
#include <QString>
#include <optional>

class TfrmSDK;

namespace ExecucaoAutomatica {

// Exit statuses of the program.
enum Status : int {
    Concluida = 0,         // the operation ran and retorno_rep.txt holds its outcome
    SemTela = 1,           // interactive start without a display: nothing was opened
    EntradaInvalida = 2,   // bad employee records, a CPF the SDK refused, or an operation number not 1 to 4
    ExcecaoSdk = 3,        // the SDK client failed; the file holds its message
    ArquivoNaoGravado = 4, // retorno_rep.txt could not be written
};

// The result text when no operation sets one.
inline const QString kResultadoPadrao = QStringLiteral("{\"error\" : \"erro ao conectar\"}");

// What one operation returns: its result text, when it set one, and the run's exit status.
struct Resultado {
    std::optional<QString> texto;
    Status status = Concluida;
};

// One employee record of operation 2: name@PIS@card@keypad code; fields after the fourth are ignored.
struct RegistroEmpregado {
    QString registro; // the record as it came, for the progress panel
    QString nome, pis, cartao, teclado;
};
// Splits the records text at "|" and each record at "@". An empty text or a record with fewer than four
// fields is refused: the error text is returned and nothing is kept.
std::optional<QString> LerRegistrosEmpregados(const QString& texto, QList<RegistroEmpregado>& registros);

Resultado SolicitarRelogio2(TfrmSDK& f, const QString& ip, int portaPC, int tempoEspera, bool repIniciaComunicacao);
Resultado EnviaEmpregados2(TfrmSDK& f, const QString& ip, int portaPC, int tempoEspera, bool repIniciaComunicacao);
Resultado SolicitaDadosEmpregados2(TfrmSDK& f, const QString& ip, int portaPC, int tempoEspera,
                                   bool repIniciaComunicacao);
Resultado ExcluirEmpregados2(TfrmSDK& f, const QString& ip, int portaPC, int tempoEspera, bool repIniciaComunicacao);

// The exclusion status texts; empty for a status without text.
QString TextoStatusExclusao(int status);

// FormActivate's run once the marker is absent: the window reduced to its progress panel, the operation
// of Edit6 for REP 1, retorno_rep.txt written and the application asked to end with the run's status.
// An Edit6 that is not a number stops after the reduction. Runs at most once per process.
void Executar(TfrmSDK& f);

} // namespace ExecucaoAutomatica
