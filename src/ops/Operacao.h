// The shape every device operation shares: the REP slots, the two-device dispatch, the connection
// preamble and the display of StatusRetorno.
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QLabel;
class QWidget;
class TVeltoRepPlusSDK;

// The connection settings of one device as the main window holds them.
struct RepSlot {
    int numero = 1;  // 1 selects REP 1's controls, any other number REP 2's
    QString ip;      // passed unchanged, neither validated nor trimmed
    bool repIniciaComunicacao = false;
    int portaServidor = 0;
    int tempoEspera = 0;
};

// What the workers need from the main window.
class ContextoOperacao {
public:
    virtual ~ContextoOperacao() = default;
    // The CPF field's text with its dots, dash and blanks.
    virtual QString cpfResponsavel() const = 0;
    virtual RepSlot slotRep(int numero) const = 0;
    // The REP 2 address field's text: REP 2 runs when it is not empty (blanks count as text).
    virtual QString textoIp2() const = 0;
    // The main window, for the repaints before blocking calls.
    virtual QWidget* janela() = 0;
};

inline constexpr const char16_t* kChaveComunicacao = u"**CHAVESECRETA**";

// Runs the worker for REP 1, then for REP 2 when txbIp2 holds text.
void ExecutarNosReps(ContextoOperacao& ctx, const std::function<void(const RepSlot&)>& worker);

// The preamble: "Aguarde.." and a repaint, a new client as SDKRep, the communication parameters, and the
// REP-initiated connection when the slot's flag is set. Returns the run's client, or null when the CPF was
// refused ("Informe o CPF!" is then in the label). Every call of the run goes to the returned client.
TVeltoRepPlusSDK* PrepararConexaoRep(ContextoOperacao& ctx, QLabel* lblResultado, const RepSlot& slot);
// The same preamble without its "Aguarde..": for the operations that show a waiting text of their own, or none.
TVeltoRepPlusSDK* PrepararConexaoRepSemAguarde(ContextoOperacao& ctx, QLabel* lblResultado, const RepSlot& slot);

// The preamble's steps, for the operations that take only part of it.
void MostrarAguarde(ContextoOperacao& ctx, QLabel* lbl, const QString& texto = QStringLiteral("Aguarde.."));
int DefinirParametrosComunicacao(ContextoOperacao& ctx, TVeltoRepPlusSDK& sdk, const QString& ip);

// 0 "Sucesso", 1 "Erro", 2 "Timeout", 3 "Repouso", 4 "Aguardando"; no text for any other value.
std::optional<QString> TextoStatusRetorno(int r);
// Writes the text of r into the label; a value without text leaves the label as it is.
void MostrarStatusRetorno(QLabel* lbl, int r);
// The two-way text of the clock sends and the biometric adjustment.
QString EnviadoOuFalse(int r);

// Converts a WideString result for display.
class WideString;
QString Texto(const WideString& w);
