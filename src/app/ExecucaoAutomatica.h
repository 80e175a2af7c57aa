// The unattended mode: the four operations an integrating system runs from the command line, their JSON
// result texts, and the run that FormActivate starts (result file, exit status, end of the program).
#pragma once

#include <QList>
#include <QString>
#include <optional>

class TfrmSDK;
class TVeltoRepPlusSDK;

namespace ExecucaoAutomatica {

// Exit statuses of the program.
enum Status : int {
    Concluida = 0,         // the operation ran and retorno_rep.txt holds its outcome
    SemTela = 1,           // interactive start without a display: nothing was opened
    EntradaInvalida = 2,   // bad employee records, a bad first NSR, a CPF the SDK refused, or an operation
                           // number not 1 to 5
    ExcecaoSdk = 3,        // the SDK client failed; the file holds its message
    ArquivoNaoGravado = 4, // retorno_rep.txt could not be written
    AfdNaoGravado = 5,     // operation 5's AFD file could not be written; the file says why
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

// Operation 5: the records after the device's collection cursor (argument 3 empty) or from the NSR of
// argument 3, written as an AFD file in the current directory; the cursor moves once the file is in place.
Resultado ColetarRegistros2(TfrmSDK& f, const QString& ip, int portaPC, int tempoEspera,
                            bool repIniciaComunicacao);
// Argument 3 of operation 5: empty (0: the new records), or the first NSR in decimal digits, 1 to 2147483647
// (leading zeros allowed, as NSRs are written). Nothing for any other text.
std::optional<qint64> NsrInicialDoArgumento(const QString& texto);

// The environment variable that names the device of every unattended operation (REP 1's address); unset
// or empty, the run addresses txtIP1, the host's own address.
inline constexpr const char* kVariavelEndereco = "VELTOREP_REP_ADDRESS";
// The address an unattended run addresses: the variable's value, else REP 1's field.
QString EnderecoDaExecucao(const QString& txtIP1);

// The shared steps of the unattended operations: the preamble ("Aguarde.." on the progress panel, a new
// client, the CPF of Edit1; null when the SDK refused it), and the JSON error text of a device status.
TVeltoRepPlusSDK* PrepararAutomatico(TfrmSDK& f, const QString& ip, int portaPC, int tempoEspera,
                                     bool repIniciaComunicacao);
QString ErroDeStatus(int r);
bool StatusDeFalha(int r);

// The exclusion status texts; empty for a status without text.
QString TextoStatusExclusao(int status);

// FormActivate's run once the marker is absent: the window reduced to its progress panel, the operation
// of Edit6 for REP 1, retorno_rep.txt written and the application asked to end with the run's status.
// An Edit6 that is not a number stops after the reduction. Runs at most once per process.
void Executar(TfrmSDK& f);

} // namespace ExecucaoAutomatica
