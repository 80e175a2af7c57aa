// The line under way of a full collection: the time since it started and the records read per second,
// then how it ended. Written into a label at most every kIntervaloProgressoMs, whatever the rate of the
// records, so that it costs a clock reading per record and a label text four times a second.
#pragma once

#include <QElapsedTimer>
#include <QString>

class QLabel;

enum class DesfechoColeta { EmAndamento, Concluida, Interrompida, Erro };

inline constexpr int kIntervaloProgressoMs = 250;

// "Tempo: 01:05 — 246 registros/s — coletando", then "concluída", "interrompida" or "erro" in place of
// "coletando". Below 10 records per second, one decimal; over an hour, h:mm:ss.
QString TextoProgressoColeta(qint64 decorridoMs, qint64 registros, DesfechoColeta desfecho);

// One full collection's line. Ended without a word (an exception left the run), it says "erro".
class ProgressoColeta {
public:
    explicit ProgressoColeta(QLabel* rotulo);
    ~ProgressoColeta();
    ProgressoColeta(const ProgressoColeta&) = delete;
    ProgressoColeta& operator=(const ProgressoColeta&) = delete;

    // A record was read; the line changes if its interval has passed.
    void registro();
    // Where a turn ends without a record: the time still runs on the line.
    void turno();
    void terminar(DesfechoColeta desfecho);

private:
    void escrever(DesfechoColeta desfecho);
    QLabel* m_rotulo;
    QElapsedTimer m_relogio;
    qint64 m_registros = 0;
    qint64 m_proximaMs = 0;
    bool m_terminado = false;
};
