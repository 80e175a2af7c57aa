#include "ops/ProgressoColeta.h"

#include <QLabel>
#include <QLocale>

QString TextoProgressoColeta(qint64 decorridoMs, qint64 registros, DesfechoColeta desfecho) {
    const qint64 s = qMax<qint64>(decorridoMs, 0) / 1000;
    const QString tempo = s >= 3600 ? QStringLiteral("%1:%2:%3")
                                          .arg(s / 3600)
                                          .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
                                          .arg(s % 60, 2, 10, QLatin1Char('0'))
                                    : QStringLiteral("%1:%2")
                                          .arg(s / 60, 2, 10, QLatin1Char('0'))
                                          .arg(s % 60, 2, 10, QLatin1Char('0'));
    const double porSegundo = decorridoMs > 0 ? double(registros) * 1000.0 / double(decorridoMs) : 0.0;
    const QLocale ptBR(QLocale::Portuguese, QLocale::Brazil);
    const QString taxa = porSegundo < 10 && porSegundo > 0 ? ptBR.toString(porSegundo, 'f', 1)
                                                           : ptBR.toString(qint64(porSegundo + 0.5));
    QString estado;
    switch (desfecho) {
    case DesfechoColeta::EmAndamento:
        estado = QStringLiteral("coletando");
        break;
    case DesfechoColeta::Concluida:
        estado = QStringLiteral("concluída");
        break;
    case DesfechoColeta::Interrompida:
        estado = QStringLiteral("interrompida");
        break;
    case DesfechoColeta::Erro:
        estado = QStringLiteral("erro");
        break;
    }
    return QStringLiteral("Tempo: %1 — %2 registros/s — %3").arg(tempo, taxa, estado);
}

ProgressoColeta::ProgressoColeta(QLabel* rotulo) : m_rotulo(rotulo) {
    m_relogio.start();
    escrever(DesfechoColeta::EmAndamento);
    m_proximaMs = kIntervaloProgressoMs;
}

ProgressoColeta::~ProgressoColeta() {
    if (!m_terminado) terminar(DesfechoColeta::Erro);
}

void ProgressoColeta::registro() {
    ++m_registros;
    turno();
}

void ProgressoColeta::turno() {
    const qint64 agora = m_relogio.elapsed();
    if (agora < m_proximaMs) return;
    m_proximaMs = agora + kIntervaloProgressoMs;
    escrever(DesfechoColeta::EmAndamento);
}

void ProgressoColeta::terminar(DesfechoColeta desfecho) {
    m_terminado = true;
    escrever(desfecho);
}

void ProgressoColeta::escrever(DesfechoColeta desfecho) {
    if (m_rotulo) m_rotulo->setText(TextoProgressoColeta(m_relogio.elapsed(), m_registros, desfecho));
}
