#include "ops/ColetaNovos.h"

#include "controls/LineListBox.h"
#include "controls/UiServices.h"

#include <QLabel>
#include <QStringList>
#include <cstdio>

namespace {
void Pintar(QWidget* w) {
    UiServices::repainter().repaint(w);
}

void Avisar(QLabel* lbl, const QString& texto) {
    lbl->setText(texto);
    lbl->setToolTip(texto);
    Pintar(lbl);
}

// The label says it briefly; standard error keeps the whole of it (the file, the reason).
void NaSaidaDeErro(const QString& texto) {
    std::fprintf(stderr, "SDKVeltoRep: %s\n", texto.toLocal8Bit().constData());
}

const QString kCursorNaoMudou =
    QStringLiteral("o cursor de coleta não mudou, e a próxima \"Coletar novos\" lê estes registros de novo.");
} // namespace

QString TextoColetaNovos::Lidos(qint64 lidos, qint64 nsrInicial, qint64 ultimoNsr) {
    if (lidos == 0)
        return nsrInicial <= 1 ? QStringLiteral("Nenhum registro no REP.")
                               : QStringLiteral("Nenhum registro novo desde o NSR %1.").arg(nsrInicial - 1);
    if (lidos == 1) return QStringLiteral("1 registro novo (NSR %1).").arg(ultimoNsr);
    return QStringLiteral("%1 registros novos (NSR %2 a %3).").arg(lidos).arg(nsrInicial).arg(ultimoNsr);
}

QString TextoColetaNovos::Conferencia(const CursorConferido& c, const CursorColeta& cursor) {
    switch (c.resultado) {
    case Conferencia::OutroRep:
        return QStringLiteral(
                   "Outro REP responde neste endereço (número de série %1; a última coleta foi do %2): "
                   "coletado desde o NSR 1.")
            .arg(c.numeroSerie.isEmpty() ? QStringLiteral("não informado") : c.numeroSerie,
                 cursor.numeroSerie);
    case Conferencia::SemONsr:
        return QStringLiteral(
                   "O REP não tem o NSR %1 da última coleta (é outro REP, ou a memória dele foi apagada): "
                   "coletado desde o NSR 1.")
            .arg(cursor.ultimoNsr);
    case Conferencia::NaoConfirmado:
        return QStringLiteral(
                   "O NSR %1 da última coleta não pôde ser lido de novo para conferir o REP: coletado "
                   "desde o NSR 1.")
            .arg(cursor.ultimoNsr);
    case Conferencia::MesmoRep:
    case Conferencia::Recusada:
        break;
    }
    return {};
}

void ColetarNovosRep(ContextoOperacao& ctx, const RepSlot& slot, const PorRep<ControlesColeta>& controles,
                     const PorRep<QLabel*>& avisos) {
    const ControlesColeta& c = controles.doSlot(slot);
    QLabel* aviso = avisos.doSlot(slot);
    TVeltoRepPlusSDK* sdk = ConectarColeta(ctx, slot, c.listboxColeta);
    QStringList notas;

    // The device's cursor; a damaged file is as good as none, and the operator is told.
    const CursorLido lido = LerCursor(slot.ip);
    if (!lido.problema.isEmpty()) {
        NaSaidaDeErro(QStringLiteral("cursor de coleta ignorado: ") + lido.problema);
        notas << QStringLiteral("O cursor de coleta deste REP estava danificado ou ilegível e foi ignorado: "
                                "coletado desde o NSR 1.");
    }
    qint64 inicio = 1;
    if (lido.cursor) {
        Avisar(aviso,
               QStringLiteral("Conferindo o REP no NSR %1 da última coleta...").arg(lido.cursor->ultimoNsr));
        const CursorConferido k = ConferirCursor(*sdk, *lido.cursor, [&ctx] { Pintar(ctx.janela()); });
        if (k.resultado == Conferencia::Recusada) {
            c.listboxColeta->insertAtTop(QStringLiteral("erro"));
            Pintar(c.listboxColeta);
            Avisar(aviso, QStringLiteral("Coleta terminada com erro: ") + kCursorNaoMudou);
            return;
        }
        if (!k.numeroSerie.isEmpty()) c.txbNumSerie->setText(k.numeroSerie);
        if (k.resultado == Conferencia::MesmoRep)
            inicio = lido.cursor->ultimoNsr + 1;
        else
            notas << TextoColetaNovos::Conferencia(k, *lido.cursor);
    }
    Avisar(aviso, QStringLiteral("Coletando desde o NSR %1...").arg(inicio));

    const ColetaFeita feita = ColetarNaLista(ctx, *sdk, inicio, c);
    switch (feita.fim) {
    case FimColeta::Concluida: {
        notas << TextoColetaNovos::Lidos(feita.lidos, inicio, feita.ultimoNsr);
        const std::optional<CursorColeta> novo = CursorAposColeta(lido.cursor, feita.paraCursor());
        QString erro;
        if (novo && novo != lido.cursor && !GravarCursor(slot.ip, *novo, &erro)) {
            NaSaidaDeErro(QStringLiteral("cursor de coleta não gravado: ") + erro);
            notas << QStringLiteral("O cursor de coleta não pôde ser gravado: ") + kCursorNaoMudou;
        } else if (!novo && feita.lidos > 0) {
            notas << (feita.numeroSerie.isEmpty()
                          ? QStringLiteral("O REP não informou o número de série: ")
                          : QStringLiteral("Algum NSR desta coleta não trouxe registro: ")) +
                         kCursorNaoMudou;
        }
        break;
    }
    case FimColeta::Parada:
        notas << QStringLiteral("Coleta interrompida: ") + kCursorNaoMudou;
        break;
    case FimColeta::Recusada:
    case FimColeta::SemRegistro:
    case FimColeta::NsrEsgotado:
        notas << QStringLiteral("Coleta terminada com erro: ") + kCursorNaoMudou;
        break;
    }
    Avisar(aviso, notas.join(u' '));
}
