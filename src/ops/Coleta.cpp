#include "ops/Coleta.h"

#include "controls/LineListBox.h"
#include "controls/UiServices.h"
#include "ops/ProgressoColeta.h"
#include "ops/SdkRep.h"
#include "sdk/SDK_Velto_Rep_TLB.h"
#include "util/Utils.h"

#include <QLabel>
#include <QLineEdit>
#include <limits>

namespace {
bool pararColeta = false;

void Pintar(QWidget* w) {
    UiServices::repainter().repaint(w);
}

// The reduced preamble of both workers: no "Aguarde..", and the CPF's answer is not looked at.
TVeltoRepPlusSDK* ConectarColeta(ContextoOperacao& ctx, const RepSlot& slot, LineListBox* lista) {
    lista->clear();
    TVeltoRepPlusSDK* sdk = NovoClienteSDKRep();
    DefinirParametrosComunicacao(ctx, *sdk, slot.ip);
    if (slot.repIniciaComunicacao) sdk->DefinirRepIniciaConexao(slot.portaServidor, slot.tempoEspera);
    return sdk;
}

// Polls while the record is not ready: 10 ms, a repaint, 10 ms. Both runs stop after `limite` repeats
// and go on with the status they have; `esperas` adds up the repeats.
int AguardarStatus(ContextoOperacao& ctx, TVeltoRepPlusSDK& sdk, int limite, int* esperas = nullptr) {
    int status = sdk.LerStatusColeta();
    for (int i = 0; status < 2 && i < limite; ++i) {
        UiServices::sleeper().sleepMs(10);
        Pintar(ctx.janela());
        UiServices::sleeper().sleepMs(10);
        status = sdk.LerStatusColeta();
        if (esperas) ++*esperas;
    }
    return status;
}
} // namespace

void PararColeta() {
    pararColeta = true;
}
bool ColetaParada() {
    return pararColeta;
}

void ColetarRegistrosRep(ContextoOperacao& ctx, const RepSlot& slot, QLineEdit* txbNumNsr,
                         const PorRep<ControlesColeta>& controles) {
    const ControlesColeta& c = controles.doSlot(slot);
    // 1. A fresh run.
    pararColeta = false;
    int lidos = 0;
    bool fim = false;
    // NSRs and polls since the last record read.
    int nsrSemRegistro = 0, esperasSemRegistro = 0;
    // 2. Connection.
    TVeltoRepPlusSDK* sdk = ConectarColeta(ctx, slot, c.listboxColeta);
    // 3. The first NSR (a text that is no integer ends the click here).
    qint64 nsr = Utils::StrToInt(txbNumNsr->text());
    // The time and rate under way, then how the run ended.
    ProgressoColeta progresso(c.lblProgressoColeta);
    bool erro = false;
    // 4. One NSR per turn. Closing the window stops the run too: nobody would see the rest.
    while (!fim && !pararColeta && ctx.janela()->isVisible()) {
        if (sdk->SolicitarRegistroNsr(int(nsr)) != 0) {
            c.listboxColeta->insertAtTop(QStringLiteral("erro"));
            Pintar(c.listboxColeta);
            erro = true;
            break;
        }
        const int status = AguardarStatus(ctx, *sdk, kLimiteEsperasColeta, &esperasSemRegistro);
        if (status == 2 || status == 3) {
            nsrSemRegistro = esperasSemRegistro = 0;
            c.txbNumSerie->setText(Texto(sdk->LerNumSerieRep()));
            sdk->LerResultadoColeta();
            const QString linha = Texto(sdk->LerRegistroLinha());
            if (!linha.isEmpty()) c.listboxColeta->insertAtTop(linha);
            Pintar(c.listboxColeta);
            c.lblNumeroRegistrosLidos->setText(QString::number(++lidos));
            Pintar(c.lblNumeroRegistrosLidos);
            progresso.registro();
        } else {
            ++nsrSemRegistro;
            progresso.turno();
        }
        c.lblMaiorData->setText(Texto(sdk->LerMaiorDataEntreRegistroLidos()));
        c.lblMenorData->setText(Texto(sdk->LerMenorDataEntreRegistroLidos()));
        c.lblUltimaEmpresa->setText(Texto(sdk->LerUltimaEmpresa()));
        if (status == 3 || status == 4) fim = true;
        // A device that yields no record for too long: the run ends as a failed request does.
        if (!fim && (nsrSemRegistro >= kLimiteNsrSemRegistro || esperasSemRegistro >= kLimiteEsperasSemRegistro)) {
            c.listboxColeta->insertAtTop(QStringLiteral("erro"));
            Pintar(c.listboxColeta);
            erro = true;
            break;
        }
        UiServices::pump().processEvents();
        Pintar(ctx.janela());
        // No NSR lies beyond the largest integer the SDK takes: a device that never reported its end.
        if (++nsr > std::numeric_limits<int>::max()) {
            erro = !fim;
            break;
        }
    }
    // 5. The end reached: header and trailer on top.
    if (fim) {
        c.listboxColeta->insertAtTop(Texto(sdk->LerCabecalhoRegistrosColetados()));
        c.listboxColeta->insertAtTop(Texto(sdk->LerTrailerRegistrosColetados()));
        Pintar(c.listboxColeta);
        Pintar(ctx.janela());
        sdk->FinalizarLeitura();
    }
    // 6-7.
    sdk->FinalizarLeitura();
    pararColeta = false;
    // Stopped by "Parar" or by the window closing: interrupted.
    progresso.terminar(fim ? DesfechoColeta::Concluida : erro ? DesfechoColeta::Erro : DesfechoColeta::Interrompida);
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
