#include "ops/LacoColeta.h"

#include "controls/UiServices.h"
#include "ops/Operacao.h"
#include "sdk/SDK_Velto_Rep_TLB.h"

#include <limits>
#include <string>

int AguardarStatusColeta(TVeltoRepPlusSDK& sdk, int limite, const std::function<void()>& aoEsperar,
                         int* esperas) {
    int status = sdk.LerStatusColeta();
    for (int i = 0; status < 2 && i < limite; ++i) {
        UiServices::sleeper().sleepMs(10);
        aoEsperar();
        UiServices::sleeper().sleepMs(10);
        status = sdk.LerStatusColeta();
        if (esperas) ++*esperas;
    }
    return status;
}

ColetaFeita ColetarRegistros(TVeltoRepPlusSDK& sdk, qint64 nsrInicial, DestinoColeta& destino) {
    ColetaFeita r;
    r.nsrInicial = nsrInicial;
    bool fim = false;
    // NSRs and polls since the last record read.
    int nsrSemRegistro = 0, esperasSemRegistro = 0;
    // The serial number is kept as the SDK's text and turned into a QString once, at the end.
    std::u16string numeroSerie;
    const auto aoEsperar = [&destino] { destino.aoEsperar(); };
    qint64 nsr = nsrInicial;
    for (; !fim && destino.continuar(); ++nsr) {
        // No NSR lies beyond the largest integer the SDK takes.
        if (nsr > std::numeric_limits<int>::max()) {
            r.fim = FimColeta::NsrEsgotado;
            break;
        }
        r.nsrFinal = nsr;
        const int pedido = sdk.SolicitarRegistroNsr(int(nsr));
        if (pedido != 0) {
            r.fim = FimColeta::Recusada;
            r.resposta = pedido;
            destino.aoFalhar();
            break;
        }
        const int status = AguardarStatusColeta(sdk, kLimiteEsperasColeta, aoEsperar, &esperasSemRegistro);
        if (status == 2 || status == 3) {
            nsrSemRegistro = esperasSemRegistro = 0;
            const WideString serie = sdk.LerNumSerieRep();
            sdk.LerResultadoColeta();
            const WideString linha = sdk.LerRegistroLinha();
            ++r.lidos;
            r.ultimoNsr = nsr;
            if (serie.view() != numeroSerie) numeroSerie = serie.view();
            destino.aoLerRegistro(serie, linha);
        } else {
            ++nsrSemRegistro;
        }
        const WideString maiorData = sdk.LerMaiorDataEntreRegistroLidos();
        const WideString menorData = sdk.LerMenorDataEntreRegistroLidos();
        const WideString ultimaEmpresa = sdk.LerUltimaEmpresa();
        destino.aoLerInformacoes(maiorData, menorData, ultimaEmpresa);
        if (status == 3 || status == 4) fim = true;
        // A device that yields no record for too long: the run ends as a failed request does.
        if (!fim &&
            (nsrSemRegistro >= kLimiteNsrSemRegistro || esperasSemRegistro >= kLimiteEsperasSemRegistro)) {
            r.fim = FimColeta::SemRegistro;
            destino.aoFalhar();
            break;
        }
        destino.aposNsr();
    }
    r.numeroSerie = QString::fromStdU16String(numeroSerie);
    if (fim) {
        r.fim = FimColeta::Concluida;
        const WideString cabecalho = sdk.LerCabecalhoRegistrosColetados();
        const WideString trailer = sdk.LerTrailerRegistrosColetados();
        destino.aoChegarAoFim(cabecalho, trailer);
        sdk.FinalizarLeitura();
    }
    sdk.FinalizarLeitura();
    return r;
}

CursorConferido ConferirCursor(TVeltoRepPlusSDK& sdk, const CursorColeta& cursor,
                               const std::function<void()>& aoEsperar) {
    CursorConferido r;
    r.resposta = sdk.SolicitarRegistroNsr(int(cursor.ultimoNsr));
    if (r.resposta != 0) {
        r.resultado = Conferencia::Recusada;
    } else {
        const int status = AguardarStatusColeta(sdk, kLimiteEsperasColeta, aoEsperar);
        if (status == 2 || status == 3) {
            r.numeroSerie = Texto(sdk.LerNumSerieRep());
            r.resultado = r.numeroSerie == cursor.numeroSerie ? Conferencia::MesmoRep : Conferencia::OutroRep;
        } else if (status == 4) {
            r.resultado = Conferencia::SemONsr;
        }
    }
    // The collection that follows starts a reading of its own: this record is not one of its records.
    sdk.FinalizarLeitura();
    return r;
}
