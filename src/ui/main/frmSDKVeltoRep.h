// TfrmSDK, the main window frmSDK: the header with the connection fields every operation reads, the
// eleven pages, the progress panel of the unattended mode, the two file choosers and the seconds timer;
// below them a status bar naming who serves the device SDK. The header and the pages lie on a content
// widget of the design size, which a screen too small for the window puts in a scroll area.
#pragma once

#include "ops/Operacao.h"
#include "ui/main/Pagina.h"

#include <QWidget>
#include <functional>

class QLabel;
class QMargins;
class QLineEdit;
class QProgressBar;
class QScrollArea;
class QFrame;
class QTabWidget;
class QTimer;
class MaskedEdit;
class OpenDialog;
class PaginaRelogio;
class PaginaConfiguracoes;
class PaginaColeta;
class PaginaInformacoes;
class PaginaPapel;
class PaginaBio;
class PaginaConfiguracoesAvancadas;
class PaginaAlteracoesEmpregados;
class PaginaSolicitarDados;
class PaginaArquivosRB1;
class PaginaChavePublica;

class TfrmSDK : public QWidget, public ContextoOperacao {
    Q_OBJECT
public:
    TfrmSDK();
    ~TfrmSDK() override;

    // The creation handler: runs once the controls exist.
    void FormCreate();
    // The activation handler: the unattended-run check.
    void FormActivate();
    void Timer1Timer();
    void PageControl1Change();
    // What FormActivate runs when Edit4 holds no marker: the unattended run, handed over by the program
    // (app/main.cpp). Unset, an activation only checks the marker.
    std::function<void()> aoAtivarSemMarcador;

    // The unattended operations, for REP 1 whatever Rep says; each returns its JSON result text. They
    // belong to the unattended mode and are defined with it (app/OperacoesAutomaticas.cpp).
    QString SolicitarRelogio2(int Rep, const QString& IP, int PortaPC, int TempoEspera, bool RepIniciaComunicacao);
    QString EnviaEmpregados2(const QString& IP, int PortaPC, int TempoEspera, bool RepIniciaComunicacao);
    QString SolicitaDadosEmpregados2(int Rep, const QString& IP, int PortaPC, int TempoEspera,
                                     bool RepIniciaComunicacao);
    QString ExcluirEmpregados2(int Rep, const QString& IP, int PortaPC, int TempoEspera, bool RepIniciaComunicacao);

    // ContextoOperacao
    QString cpfResponsavel() const override;
    RepSlot slotRep(int numero) const override;
    QString textoIp2() const override;
    QWidget* janela() override { return this; }

    // The design size of the window's client area, the status bar aside.
    static constexpr int kLarguraProjeto = 918;
    static constexpr int kAlturaProjeto = 511;

    // The operator's window: the status bar below the design area with the line naming who answers the
    // SDK, and the window fitted to the screen (AjustarATela). An unattended run's window has neither.
    void PrepararParaOperador(const QString& origemSdk);
    // Sizes the window to its design size with the status bar, or, on a screen whose available area is
    // smaller, to that area with scroll bars; and places it centred, its top-left corner on the screen.
    void AjustarATela();

    // Header
    QLineEdit *txtIP1, *txbIp2;
    MaskedEdit* mskCpfResponsavel;
    QLabel *lblIP, *Label2, *Label15;

    // The pages make their controls when first shown or reached through these members.
    QTabWidget* PageControl1;
    PaginaSobDemanda<PaginaRelogio> tbpRelogio;
    PaginaSobDemanda<PaginaConfiguracoes> tbpConfiguracoes;
    PaginaSobDemanda<PaginaColeta> tbpColeta;
    PaginaSobDemanda<PaginaInformacoes> tbpInformacoes;
    PaginaSobDemanda<PaginaPapel> tbpPapel;
    PaginaSobDemanda<PaginaBio> tbpBio;
    PaginaSobDemanda<PaginaConfiguracoesAvancadas> tbpConfiguracoesAvancadas;
    PaginaSobDemanda<PaginaAlteracoesEmpregados> tbpAlteracoesEmpregados;
    PaginaSobDemanda<PaginaSolicitarDados> tbpSolicitarDados;
    PaginaSobDemanda<PaginaArquivosRB1> tbpArquivosRB1;
    PaginaSobDemanda<PaginaChavePublica> tbpChavePublica;

    // Progress panel of the unattended mode
    QWidget* Panel8;
    QLabel *Label119, *Label128;
    QProgressBar* ProgressBar1;

    OpenDialog *opdSelecionarRB1, *opdArquivoTLM;
    QTimer* Timer1;

    // The header and the pages; the scroll area they lie in on a screen too small for the window (none
    // otherwise).
    QWidget* conteudo;
    QScrollArea* rolagem = nullptr;
    // The status bar and its line: which SDK answers (PrepararParaOperador; none before).
    QFrame* StatusBar1 = nullptr;
    QLabel* lblSdk = nullptr;

protected:
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    // FormActivate runs once per activation: when the window becomes active (an event that repeats the
    // activation in force is not another one). Some window systems never activate a window by themselves:
    // when none came within kEsperaPrimeiraAtivacaoMs of the first showing, that showing counts as the
    // first activation, and the window system's next activation is the second.
    static constexpr int kEsperaPrimeiraAtivacaoMs = 500;
    enum class PrimeiraAtivacao { Pendente, Agendada, Feita };
    PrimeiraAtivacao m_primeiraAtivacao = PrimeiraAtivacao::Pendente;
    bool m_ativa = false;
    void ativar();
    // The scroll area over the status bar, both the window's width.
    void dispor();
    // Centred on the screen's available area, the window system's frame counted, top-left on the screen.
    void posicionar(const QMargins& moldura);
    int m_alturaBarra = 0;
};

// The one main window of the program (set while it exists).
extern TfrmSDK* frmSDK;
