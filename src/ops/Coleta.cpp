#include "ops/Coleta.h"

#include "controls/LineListBox.h"
#include "controls/UiServices.h"
#include "ops/ProgressoColeta.h"
#include "ops/SdkRep.h"
#include "sdk/SDK_Velto_Rep_TLB.h"
#include "util/Utils.h"

#include <QLabel>
#include <QLineEdit>

namespace {
bool pararColeta = false;

void Pintar(QWidget* w) {
    UiServices::repainter().repaint(w);
}

// Polls like the full collection, repainting the window between two polls.
int AguardarStatus(ContextoOperacao& ctx, TVeltoRepPlusSDK& sdk, int limite) {
    return AguardarStatusColeta(sdk, limite, [&ctx] { Pintar(ctx.janela()); });
}

// The page's receiver: each record at the top of the slot's list and counted, the information labels,
// a repaint after each, the message loop turned after each NSR ("Parar" is seen there).
class DestinoLista final : public DestinoColeta {
public:
    DestinoLista(ContextoOperacao& ctx, const ControlesColeta& c)
        : m_ctx(ctx), m_c(c), m_progresso(c.lblProgressoColeta) {}
    // Closing the window stops the run too: nobody would see the rest.
    bool continuar() override { return !pararColeta && m_ctx.janela()->isVisible(); }
    void aoEsperar() override { Pintar(m_ctx.janela()); }
    void aoLerRegistro(const WideString& numeroSerie, const WideString& linha) override {
        m_c.txbNumSerie->setText(Texto(numeroSerie));
        if (!linha.view().empty()) m_c.listboxColeta->insertAtTop(Texto(linha));
        Pintar(m_c.listboxColeta);
        m_c.lblNumeroRegistrosLidos->setText(QString::number(++m_lidos));
        Pintar(m_c.lblNumeroRegistrosLidos);
        m_progresso.registro();
    }
    void aoLerInformacoes(const WideString& maiorData, const WideString& menorData,
                          const WideString& ultimaEmpresa) override {
        m_c.lblMaiorData->setText(Texto(maiorData));
        m_c.lblMenorData->setText(Texto(menorData));
        m_c.lblUltimaEmpresa->setText(Texto(ultimaEmpresa));
    }
    void aoFalhar() override {
        m_c.listboxColeta->insertAtTop(QStringLiteral("erro"));
        Pintar(m_c.listboxColeta);
    }
    void aposNsr() override {
        m_progresso.turno();
        UiServices::pump().processEvents();
        Pintar(m_ctx.janela());
    }
    // Header and trailer on top.
    void aoChegarAoFim(const WideString& cabecalho, const WideString& trailer) override {
        m_c.listboxColeta->insertAtTop(Texto(cabecalho));
        m_c.listboxColeta->insertAtTop(Texto(trailer));
        Pintar(m_c.listboxColeta);
        Pintar(m_ctx.janela());
    }

    // How the run ended, on the progress line.
    void terminar(FimColeta fim) {
        m_progresso.terminar(fim == FimColeta::Concluida ? DesfechoColeta::Concluida
                             : fim == FimColeta::Parada  ? DesfechoColeta::Interrompida
                                                         : DesfechoColeta::Erro);
    }

private:
    ContextoOperacao& m_ctx;
    const ControlesColeta& m_c;
    int m_lidos = 0;
    // The time and rate under way, then how the run ended.
    ProgressoColeta m_progresso;
};
} // namespace

void PararColeta() {
    pararColeta = true;
}
bool ColetaParada() {
    return pararColeta;
}

TVeltoRepPlusSDK* ConectarColeta(ContextoOperacao& ctx, const RepSlot& slot, LineListBox* lista) {
    lista->clear();
    TVeltoRepPlusSDK* sdk = NovoClienteSDKRep();
    DefinirParametrosComunicacao(ctx, *sdk, slot.ip);
    if (slot.repIniciaComunicacao) sdk->DefinirRepIniciaConexao(slot.portaServidor, slot.tempoEspera);
    return sdk;
}

ColetaFeita ColetarNaLista(ContextoOperacao& ctx, TVeltoRepPlusSDK& sdk, qint64 nsr,
                           const ControlesColeta& c) {
    // A fresh run: a "Parar" of before does not stop it; the flag is cleared again when it ends.
    pararColeta = false;
    DestinoLista destino(ctx, c);
    const ColetaFeita feita = ColetarRegistros(sdk, nsr, destino);
    pararColeta = false;
    destino.terminar(feita.fim);
    return feita;
}

void ColetarRegistrosRep(ContextoOperacao& ctx, const RepSlot& slot, QLineEdit* txbNumNsr,
                         const PorRep<ControlesColeta>& controles) {
    const ControlesColeta& c = controles.doSlot(slot);
    // 1. A fresh run.
    pararColeta = false;
    // 2. Connection.
    TVeltoRepPlusSDK* sdk = ConectarColeta(ctx, slot, c.listboxColeta);
    // 3. The first NSR (a text that is no integer ends the click here). 4-7. The loop, header and trailer
    // on top when the end is reached, the reading finished, the flag cleared.
    ColetarNaLista(ctx, *sdk, Utils::StrToInt(txbNumNsr->text()), c);
}

void ColetarRegistroNsrRep(ContextoOperacao& ctx, const RepSlot& slot, QLineEdit* txbNumNsr,
                           const PorRep<ControlesColeta>& controles) {
    const ControlesColeta& c = controles.doSlot(slot);
    // 1. Connection.
    TVeltoRepPlusSDK* sdk = ConectarColeta(ctx, slot, c.listboxColeta);
    // 2. The request.
    if (sdk->SolicitarRegistroNsr(Utils::StrToInt(txbNumNsr->text())) != 0) {
        c.listboxColeta->append(QStringLiteral("erro"));
        Pintar(ctx.janela());
        return;
    }
    // 3. Bounded like the full collection: a record that never gets ready gives "erro", not a hang.
    const int status = AguardarStatus(ctx, *sdk, kLimiteEsperasColeta);
    if (status < 2) {
        c.listboxColeta->append(QStringLiteral("erro"));
        Pintar(ctx.janela());
        sdk->FinalizarLeitura();
        return;
    }
    // 4. The record line, even an empty or stale one.
    c.txbNumSerie->setText(Texto(sdk->LerNumSerieRep()));
    sdk->LerResultadoColeta();
    c.listboxColeta->append(Texto(sdk->LerRegistroLinha()));
    Pintar(ctx.janela());
    // 5.
    sdk->FinalizarLeitura();
}
