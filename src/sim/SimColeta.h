// Punch records of a simulated device, and one client's collection in progress.
//
// The log holds the records of an AFD file, laid out by the AFD module's builders in the layout the device
// was made with: Portaria 671 (a REP-C: date-times with the device's offset, CPFs, CRC-16/MODBUS) or, for
// devices made with VELTOREP_SIM_AFD=1510 and every device made before the layout was kept, Portaria 1510.
// It starts with punches (type 3) of the demonstration employees over the days before the device was
// made; those are generated from their NSR, so a large log costs no storage. After them come the records
// the device writes itself for what it was sent: type 2 (employer), 4 (clock set), 5 (employee included,
// changed or excluded).
#pragma once

#include "afd/Leiaute.h"

#include <QDate>
#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QStringList>

class LeitorEstado;
struct EmpregadoSim;
struct EmpregadorSim;

// The NSR has nine digits: no log holds more records.
inline constexpr int kMaxNsr = 999999999;

// The offset from UTC a device writes with its date-times (671): Brasília time.
inline constexpr int kFusoRepMinutos = -180;
// What the header of a 671 collection names as the device's maker and model.
inline constexpr char kCnpjFabricante[] = "47528963000126";
inline constexpr char kModeloRep[] = "VELTO REP-C SIMULADO";

// The identifiers of the demonstration employees, valid both as CPF and as PIS.
QStringList IdentificadoresDemonstracao();
// The PIS numbers devices made before the layout was kept were seeded with: their punches stay what they
// were.
QStringList IdentificadoresSemeadosAnteriores();

struct EstadoColeta {
    afd::Leiaute leiaute = afd::Leiaute::Portaria671;
    // Punches generated on the fly, NSR 1 to semeados; the last of them falls on fimSemeadura.
    int semeados = 360;
    QDate fimSemeadura = QDate::currentDate().addDays(-1);
    // Who punches in those: CPFs (671) or PIS numbers (1510), eleven digits each.
    QStringList empregadosSemeados = IdentificadoresDemonstracao();
    // What the device wrote itself, oldest first: each record's line without its NSR (and, in 671, without
    // its CRC, which covers the NSR); the NSR follows the punches.
    QStringList eventos;

    // Records in the log when `punches` generated punches stand before the events; never past kMaxNsr.
    int total(int punches) const { return int(qMin<qint64>(qint64(punches) + eventos.size(), kMaxNsr)); }
    // The record line of an NSR from 1 to total(punches).
    QString registro(int nsr, int punches) const;

    // Records the device writes, dated by its clock. `cpfResponsavel` is the CPF the client connected with.
    void registrarEmpregador(const QDateTime& quando, const QString& cpfResponsavel, const EmpregadorSim& e);
    void registrarAjusteRelogio(const QDateTime& antes, const QDateTime& depois,
                                const QString& cpfResponsavel);
    void registrarEmpregado(const QDateTime& quando, QChar operacao, const EmpregadoSim& e,
                            const QString& cpfResponsavel);

    QJsonObject toJson() const;
    // A state saved before the device kept records gets a fresh log; one saved before the layout was kept
    // is a 1510 log with the punches it had.
    static EstadoColeta fromJson(const QJsonObject& o, const LeitorEstado& leitor);
};

// A yyyymmdd number as the date labels show it (dd/mm/aa); empty for 0.
QString TextoDataColeta(int aaaammdd);

// The text of a date read, kept with the date it was made for.
class TextoDataLida {
public:
    const QString& de(int aaaammdd) {
        if (aaaammdd != m_data) {
            m_data = aaaammdd;
            m_texto = TextoDataColeta(aaaammdd);
        }
        return m_texto;
    }

private:
    int m_data = 0;
    QString m_texto; // TextoDataColeta(0)
};

// One client's collection: the record asked for, the polls still "not ready", and what the records read
// so far add up to (header, trailer, dates, last company). FinalizarLeitura starts it afresh.
struct SessaoColeta {
    bool pedido = false; // a request succeeded and its record has not been superseded
    int esperasRestantes = 0;
    int statusPronto = 4; // what the polls answer once the wait is over
    bool contabilizado = false;
    QString linha;                    // the record ready to be read
    int ultimoNsr = -1;               // the last NSR in the log at the last request; -1 before one
    int lidos[10] = {};               // records read, by type
    int maiorData = 0, menorData = 0; // yyyymmdd of every date read, 0 when none
    // Their texts, asked for after every NSR of a collection: made again only when the date changed.
    TextoDataLida textoMaiorData, textoMenorData;
    // The header's range: in 671 the clock sets stay out of it, as a REP-C's header leaves them.
    int primeiraCabecalho = 0, ultimaCabecalho = 0;
    QString ultimaEmpresa; // company of the last employer record read

    // Adds a record read to the counts, the dates and the last company.
    void contabilizar(const QString& linha, afd::Leiaute l);
    void reiniciar() { *this = SessaoColeta{}; }

    // The header and the trailer of the records read so far, as the device gives them after a collection:
    // the employer it holds now, its serial number, the first and last dates read (today's when none),
    // generated now.
    QString cabecalho(afd::Leiaute l, const EmpregadorSim& empregador, const QString& numeroSerie,
                      const QDateTime& agora) const;
    QString trailer(afd::Leiaute l) const;
};
