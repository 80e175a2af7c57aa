// Punch records of a simulated device, and one client's collection in progress.
//
// The log holds records laid out as the AFD file of Portaria 1510 lays them: NSR in 9 digits, the type,
// then the type's fields. It starts with punches (type 3) of the demonstration employees over the days
// before the device was made; those are generated from their NSR, so a large log costs no storage. After
// them come the records the device writes itself for what it was sent: type 2 (employer), 4 (clock set),
// 5 (employee included, changed or excluded).
#pragma once

#include <QDate>
#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QStringList>

class LeitorEstado;

// The NSR has nine digits: no log holds more records.
inline constexpr int kMaxNsr = 999999999;

struct EstadoColeta {
    // Punches generated on the fly, NSR 1 to semeados; the last of them falls on fimSemeadura.
    int semeados = 360;
    QDate fimSemeadura = QDate::currentDate().addDays(-1);
    // What the device wrote itself, oldest first, without the NSR (it follows the punches).
    QStringList eventos;

    // Records in the log when `punches` generated punches stand before the events; never past kMaxNsr.
    int total(int punches) const { return int(qMin<qint64>(qint64(punches) + eventos.size(), kMaxNsr)); }
    // The record line of an NSR from 1 to total(punches).
    QString registro(int nsr, int punches) const;
    // Appends a record the device writes; `campos` begins with its type digit.
    void registrar(const QString& campos) { eventos.append(campos); }

    QJsonObject toJson() const;
    // A state saved before the device kept records gets a fresh log.
    static EstadoColeta fromJson(const QJsonObject& o, const LeitorEstado& leitor);
};

// Field layouts of the records.
namespace RegistroAfd {
QString data(const QDateTime& t);                        // ddmmaaaa
QString hora(const QDateTime& t);                        // hhmm
QString numerico(const QString& digitos, int largura);   // right-aligned, zero-filled
QString alfanumerico(const QString& texto, int largura); // left-aligned, blank-filled, cut at the width
} // namespace RegistroAfd

// One client's collection: the record asked for, the polls still "not ready", and what the records read
// so far add up to (header, trailer, dates, last company). FinalizarLeitura starts it afresh.
struct SessaoColeta {
    bool pedido = false; // a request succeeded and its record has not been superseded
    int esperasRestantes = 0;
    int statusPronto = 4; // what the polls answer once the wait is over
    bool contabilizado = false;
    QString linha;                    // the record ready to be read
    QString ultimoNsr;                // the last NSR in the log at the last request
    int lidos[10] = {};               // records read, by type
    int maiorData = 0, menorData = 0; // yyyymmdd, 0 when none
    QString ultimaEmpresa;            // company of the last employer record read

    // Adds a record read to the counts, the dates and the last company.
    void contabilizar(const QString& linha);
    void reiniciar() { *this = SessaoColeta{}; }
};

// A yyyymmdd number as the date labels show it (dd/mm/aa); empty for 0.
QString TextoDataColeta(int aaaammdd);
