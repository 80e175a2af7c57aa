#include "sim/SimColeta.h"

#include "afd/AfdQt.h"
#include "afd/Registros.h"
#include "sim/LeitorEstado.h"
#include "sim/SimDados.h"

#include <QJsonArray>

using afd::Leiaute;

namespace {
constexpr int kMarcacoesPorDia = 4;
// The employees a fresh device holds punch four times a day: in, lunch out, lunch in, out.
constexpr int kMinutosMarcacao[kMarcacoesPorDia] = {8 * 60, 12 * 60, 13 * 60, 18 * 60};

const char* textoLeiaute(Leiaute l) {
    return l == Leiaute::Portaria671 ? "671" : "1510";
}

// Text as the device keeps it, in ISO-8859-1: a character it cannot hold (or a control character) is '?'.
std::string latin1(const QString& s) {
    std::string r;
    r.reserve(std::size_t(s.size()));
    for (const QChar c : s) {
        const char16_t u = c.unicode();
        r += u < 0x20 || (u >= 0x7F && u < 0xA0) || u > 0xFF ? '?' : char(u);
    }
    return r;
}

QString deLatin1(const std::string& s) {
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

// A number as a device keeps it when it was typed with dots, dashes or slashes: its digits (and, for the
// alphanumeric CNPJ, its letters, upper case).
std::string identificador(const QString& s, bool letras = false) {
    std::string r;
    for (const QChar c : s) {
        const char16_t u = c.unicode();
        if (u >= '0' && u <= '9') r += char(u);
        else if (letras && u >= 'A' && u <= 'Z') r += char(u);
        else if (letras && u >= 'a' && u <= 'z') r += char(u - 'a' + 'A');
    }
    return r;
}

bool onzeDigitos(const QString& s) {
    if (s.size() != 11) return false;
    for (const QChar c : s)
        if (c < u'0' || c > u'9') return false;
    return true;
}

// A date-time as the device's clock shows it, written with the device's offset.
afd::DataHora dataHoraRep(const QDateTime& t) {
    afd::DataHora d = afd::ParaDataHora(t);
    d.fusoMinutos = kFusoRepMinutos;
    return d;
}

afd::DataHora dataDe(int aaaammdd) {
    afd::DataHora d;
    d.ano = aaaammdd / 10000;
    d.mes = aaaammdd / 100 % 100;
    d.dia = aaaammdd % 100;
    d.fusoMinutos = kFusoRepMinutos;
    return d;
}

int numero(QStringView s) {
    int v = 0;
    for (const QChar c : s) {
        if (c < u'0' || c > u'9') return -1;
        v = v * 10 + (c.unicode() - u'0');
    }
    return v;
}

// yyyymmdd of a date written "ddmmaaaa" (1510) or "aaaa-mm-dd" (671); 0 when it is not one.
int aaaammdd(QStringView data, Leiaute l) {
    const bool de671 = l == Leiaute::Portaria671;
    if (data.size() < (de671 ? 10 : 8)) return 0;
    const int dia = numero(de671 ? data.mid(8, 2) : data.mid(0, 2));
    const int mes = numero(de671 ? data.mid(5, 2) : data.mid(2, 2));
    const int ano = numero(de671 ? data.mid(0, 4) : data.mid(4, 4));
    if (dia < 0 || mes < 0 || ano < 0) return 0;
    return ano * 10000 + mes * 100 + dia;
}

QString digitos(int valor, int largura) {
    return QString::number(valor).rightJustified(largura, u'0');
}
} // namespace

QStringList IdentificadoresDemonstracao() {
    QStringList ids;
    for (const EmpregadoSim& e : EmpregadosDemonstracao())
        ids << e.pis;
    return ids;
}

QStringList IdentificadoresSemeadosAnteriores() {
    return {QStringLiteral("12011122233"), QStringLiteral("12022233344"), QStringLiteral("12033344455")};
}

QString EstadoColeta::registro(int nsr, int punches) const {
    const bool de671 = leiaute == Leiaute::Portaria671;
    if (nsr > punches) {
        const QString corpo = eventos.value(nsr - punches - 1);
        // A 1510 record is its NSR and its fields; a 671 record of types 1 to 5 ends in a CRC over both.
        if (!de671) return digitos(nsr, 9) + corpo;
        std::string linha = afd::Numerico(std::uint64_t(nsr), 9) + latin1(corpo);
        if (afd::TemCrc(linha.size() > afd::kPosTipo ? linha[afd::kPosTipo] : ' '))
            linha = afd::ComCrc(std::move(linha), afd::VarianteCrc::Modbus);
        return deLatin1(linha);
    }
    // Punches are laid out backwards from the last one, which closes the day before the device was made.
    const QStringList& ids =
        empregadosSemeados.isEmpty() ? IdentificadoresSemeadosAnteriores() : empregadosSemeados;
    const int n = int(ids.size());
    const int porDia = kMarcacoesPorDia * n;
    const int atras = punches - nsr;
    const QDate dia = fimSemeadura.addDays(-(atras / porDia));
    const int posicao = porDia - 1 - atras % porDia;
    const int empregado = posicao % n;
    const int minutos = kMinutosMarcacao[posicao / n] + empregado * 5 + (nsr % 5) * 7 % 5;
    afd::DataHora quando;
    quando.ano = dia.year();
    quando.mes = dia.month();
    quando.dia = dia.day();
    quando.fusoMinutos = kFusoRepMinutos;
    quando.hora = minutos / 60;
    quando.minuto = minutos % 60;
    const std::string id = latin1(ids[empregado]);
    if (de671) return deLatin1(afd::p671::Linha(afd::p671::Marcacao{std::uint32_t(nsr), quando, id}));
    return deLatin1(afd::p1510::Linha(afd::p1510::Marcacao{std::uint32_t(nsr), quando, id}));
}

namespace {
// What the log keeps of a record built with NSR 0: the line without its NSR and, where it has one, its CRC.
QString corpo(std::string linha, Leiaute l) {
    const char tipo = linha[afd::kPosTipo];
    linha.erase(0, afd::kNsr.tamanho);
    if (l == Leiaute::Portaria671 && afd::TemCrc(tipo)) linha.resize(linha.size() - afd::p671::kCrc);
    return deLatin1(linha);
}
} // namespace

void EstadoColeta::registrarEmpregador(const QDateTime& quando, const QString& cpfResponsavel,
                                       const EmpregadorSim& e) {
    const char tipoId = e.tipoIdentificador == 2 ? '2' : '1';
    if (leiaute == Leiaute::Portaria1510) {
        afd::p1510::Empregador r;
        r.quando = dataHoraRep(quando);
        r.tipoId = tipoId;
        r.id = latin1(e.cnpjCpf);
        r.cei = latin1(e.cei);
        r.razaoSocial = latin1(e.razaoSocial);
        r.local = latin1(e.local);
        eventos.append(corpo(afd::p1510::Linha(r), leiaute));
        return;
    }
    afd::p671::Empregador r;
    r.quando = dataHoraRep(quando);
    r.cpfResponsavel = identificador(cpfResponsavel);
    r.tipoId = tipoId;
    r.id = identificador(e.cnpjCpf, true);
    r.cnoCaepf = identificador(e.cei);
    r.razaoSocial = latin1(e.razaoSocial);
    r.local = latin1(e.local);
    eventos.append(corpo(afd::p671::Linha(r), leiaute));
}

void EstadoColeta::registrarAjusteRelogio(const QDateTime& antes, const QDateTime& depois,
                                          const QString& cpfResponsavel) {
    if (leiaute == Leiaute::Portaria1510) {
        eventos.append(
            corpo(afd::p1510::Linha(afd::p1510::AjusteRelogio{0, dataHoraRep(antes), dataHoraRep(depois)}),
                  leiaute));
        return;
    }
    eventos.append(corpo(afd::p671::Linha(afd::p671::AjusteRelogio{0, dataHoraRep(antes), dataHoraRep(depois),
                                                                   identificador(cpfResponsavel)}),
                         leiaute));
}

void EstadoColeta::registrarEmpregado(const QDateTime& quando, QChar operacao, const EmpregadoSim& e,
                                      const QString& cpfResponsavel) {
    const char op = char(operacao.toLatin1());
    if (leiaute == Leiaute::Portaria1510) {
        afd::p1510::Empregado r;
        r.quando = dataHoraRep(quando);
        r.operacao = op;
        r.pis = latin1(e.pis);
        r.nome = latin1(e.nome);
        eventos.append(corpo(afd::p1510::Linha(r), leiaute));
        return;
    }
    // A REP-C knows its employees by CPF: the identifier the client sent stands for it.
    afd::p671::Empregado r;
    r.quando = dataHoraRep(quando);
    r.operacao = op;
    r.cpf = identificador(e.pis);
    r.nome = latin1(e.nome);
    r.cpfResponsavel = identificador(cpfResponsavel);
    eventos.append(corpo(afd::p671::Linha(r), leiaute));
}

QJsonObject EstadoColeta::toJson() const {
    return {{"leiaute", QString::fromLatin1(textoLeiaute(leiaute))},
            {"semeados", semeados},
            {"fimSemeadura", fimSemeadura.toString(Qt::ISODate)},
            {"empregadosSemeados", QJsonArray::fromStringList(empregadosSemeados)},
            {"eventos", QJsonArray::fromStringList(eventos)}};
}

EstadoColeta EstadoColeta::fromJson(const QJsonObject& o, const LeitorEstado& l) {
    // What a state saved before the layout and the seeded employees were kept holds: a 1510 log.
    EstadoColeta e;
    e.leiaute = Leiaute::Portaria1510;
    e.empregadosSemeados = IdentificadoresSemeadosAnteriores();
    if (o.isEmpty()) return e;
    const QString leiaute =
        l.escolha(o, "leiaute", {QStringLiteral("671"), QStringLiteral("1510")}, QStringLiteral("1510"));
    e.leiaute = leiaute == u"671" ? Leiaute::Portaria671 : Leiaute::Portaria1510;
    e.semeados = int(l.inteiro(o, "semeados", e.semeados, 0, kMaxNsr));
    const QString fimTexto = l.texto(o, "fimSemeadura", {});
    const QDate fim = QDate::fromString(fimTexto, Qt::ISODate);
    if (fim.isValid())
        e.fimSemeadura = fim;
    else if (o.contains("fimSemeadura") && o.value("fimSemeadura").isString())
        l.relatar(QStringLiteral("fimSemeadura"),
                  QStringLiteral("data inválida; usado o dia anterior a hoje"));
    const bool temLista = o.value("empregadosSemeados").isArray();
    const QJsonArray ids = l.lista(o, "empregadosSemeados");
    QStringList validos;
    for (qsizetype i = 0; i < ids.size(); ++i) {
        const QString nome = QStringLiteral("empregadosSemeados[%1]").arg(i);
        if (!ids[i].isString())
            l.relatar(nome, QStringLiteral("não é um texto; ignorado"));
        else if (!onzeDigitos(ids[i].toString()))
            l.relatar(nome, QStringLiteral("não tem 11 dígitos; ignorado"));
        else
            validos.append(ids[i].toString());
    }
    if (!validos.isEmpty())
        e.empregadosSemeados = validos;
    else if (temLista)
        l.relatar(QStringLiteral("empregadosSemeados"),
                  QStringLiteral("nenhum identificador válido; usados os dos REPs anteriores"));
    const QJsonArray eventos = l.lista(o, "eventos");
    for (qsizetype i = 0; i < eventos.size(); ++i) {
        if (!eventos[i].isString()) {
            l.relatar(QStringLiteral("eventos[%1]").arg(i), QStringLiteral("não é um texto; ignorado"));
            continue;
        }
        e.eventos.append(eventos[i].toString());
    }
    return e;
}

void SessaoColeta::contabilizar(const QString& l, Leiaute leiaute) {
    if (l.size() < 10) return;
    const int tipo = l[afd::kPosTipo].digitValue();
    if (tipo < 0) return;
    ++lidos[tipo];
    const auto ampliar = [](int d, int& menor, int& maior) {
        if (d == 0) return;
        maior = maior == 0 ? d : qMax(maior, d);
        menor = menor == 0 ? d : qMin(menor, d);
    };
    const auto data = [&](int d, bool noCabecalho) {
        ampliar(d, menorData, maiorData);
        if (noCabecalho) ampliar(d, primeiraCabecalho, ultimaCabecalho);
    };
    const QStringView v(l);
    if (leiaute == Leiaute::Portaria671) {
        // Every 671 record dates itself right after its type; a clock set also carries the time after.
        using namespace afd::p671;
        data(aaaammdd(v.mid(marcacao::quando.inicio), leiaute), tipo != 4);
        if (tipo == 4) data(aaaammdd(v.mid(ajuste::depois.inicio), leiaute), false);
        if (tipo == 2)
            ultimaEmpresa =
                l.mid(qsizetype(empregador::razaoSocial.inicio), qsizetype(empregador::razaoSocial.tamanho))
                    .trimmed();
        return;
    }
    using namespace afd::p1510;
    data(aaaammdd(v.mid(marcacao::data.inicio), leiaute), true);
    if (tipo == 4) data(aaaammdd(v.mid(ajuste::dataDepois.inicio), leiaute), true);
    if (tipo == 2)
        ultimaEmpresa =
            l.mid(qsizetype(empregador::razaoSocial.inicio), qsizetype(empregador::razaoSocial.tamanho))
                .trimmed();
}

QString SessaoColeta::cabecalho(Leiaute l, const EmpregadorSim& e, const QString& numeroSerie,
                                const QDateTime& agora) const {
    const afd::DataHora geracao = dataHoraRep(agora);
    const afd::DataHora primeira = primeiraCabecalho ? dataDe(primeiraCabecalho) : geracao;
    const afd::DataHora ultima = ultimaCabecalho ? dataDe(ultimaCabecalho) : geracao;
    const char tipoId = e.tipoIdentificador == 2 ? '2' : '1';
    if (l == Leiaute::Portaria1510) {
        afd::p1510::Cabecalho c;
        c.tipoIdEmpregador = tipoId;
        c.idEmpregador = latin1(e.cnpjCpf);
        c.cei = latin1(e.cei);
        c.razaoSocial = latin1(e.razaoSocial);
        c.numeroRep = latin1(numeroSerie);
        c.primeiraData = primeira;
        c.ultimaData = ultima;
        c.geracao = geracao;
        return deLatin1(afd::p1510::Linha(c));
    }
    afd::p671::Cabecalho c;
    c.tipoIdEmpregador = tipoId;
    c.idEmpregador = identificador(e.cnpjCpf, true);
    c.cnoCaepf = identificador(e.cei);
    c.razaoSocial = latin1(e.razaoSocial);
    c.numeroRep = latin1(numeroSerie);
    c.primeiraData = primeira;
    c.ultimaData = ultima;
    c.geracao = geracao;
    c.tipoIdFabricante = '1';
    c.idFabricante = kCnpjFabricante;
    c.modelo = kModeloRep;
    return deLatin1(afd::p671::Linha(c, afd::VarianteCrc::Modbus));
}

QString SessaoColeta::trailer(Leiaute l) const {
    const auto n = [this](int tipo) { return std::uint64_t(lidos[tipo]); };
    if (l == Leiaute::Portaria1510) return deLatin1(afd::p1510::Trailer({n(2), n(3), n(4), n(5)}));
    return deLatin1(afd::p671::Trailer({n(2), n(3), n(4), n(5), n(6), n(7)}));
}

QString TextoDataColeta(int d) {
    if (d == 0) return {};
    return digitos(d % 100, 2) + u'/' + digitos(d / 100 % 100, 2) + u'/' + digitos(d / 10000 % 100, 2);
}
