#include "sim/SimColeta.h"

#include "sim/LeitorEstado.h"
#include "sim/SimDados.h"

#include <QJsonArray>

namespace {
// The employees a fresh device holds punch four times a day: in, lunch out, lunch in, out.
const QStringList& pisDemonstracao() {
    static const QStringList pis = [] {
        QStringList l;
        for (const EmpregadoSim& e : EmpregadosDemonstracao())
            l << e.pis;
        return l;
    }();
    return pis;
}

constexpr int kMarcacoesPorDia = 4;
constexpr int kMinutosMarcacao[kMarcacoesPorDia] = {8 * 60, 12 * 60, 13 * 60, 18 * 60};

QString digitos(int valor, int largura) {
    return QString::number(valor).rightJustified(largura, u'0');
}

QString dataAfd(const QDate& d) {
    return digitos(d.day(), 2) + digitos(d.month(), 2) + digitos(d.year(), 4);
}

int aaaammdd(QStringView ddmmaaaa) {
    bool ok = false;
    const int dia = ddmmaaaa.mid(0, 2).toInt(&ok);
    if (!ok) return 0;
    const int mes = ddmmaaaa.mid(2, 2).toInt(&ok);
    if (!ok) return 0;
    const int ano = ddmmaaaa.mid(4, 4).toInt(&ok);
    if (!ok) return 0;
    return ano * 10000 + mes * 100 + dia;
}
} // namespace

QString RegistroAfd::data(const QDateTime& t) {
    return dataAfd(t.date());
}
QString RegistroAfd::hora(const QDateTime& t) {
    return digitos(t.time().hour(), 2) + digitos(t.time().minute(), 2);
}
QString RegistroAfd::numerico(const QString& d, int largura) {
    return d.right(largura).rightJustified(largura, u'0');
}
QString RegistroAfd::alfanumerico(const QString& texto, int largura) {
    return texto.left(largura).leftJustified(largura, u' ');
}

QString EstadoColeta::registro(int nsr, int punches) const {
    const QString n = digitos(nsr, 9);
    if (nsr > punches) return n + eventos.value(nsr - punches - 1);
    // Punches are laid out backwards from the last one, which closes the day before the device was made.
    const QStringList& pis = pisDemonstracao();
    const int porDia = kMarcacoesPorDia * int(pis.size());
    const int atras = punches - nsr;
    const QDate dia = fimSemeadura.addDays(-(atras / porDia));
    const int posicao = porDia - 1 - atras % porDia;
    const int empregado = posicao % int(pis.size());
    const int minutos = kMinutosMarcacao[posicao / int(pis.size())] + empregado * 5 + (nsr % 5) * 7 % 5;
    return n + u'3' + dataAfd(dia) + digitos(minutos / 60, 2) + digitos(minutos % 60, 2) +
           RegistroAfd::numerico(pis[empregado], 12);
}

QJsonObject EstadoColeta::toJson() const {
    return {{"semeados", semeados},
            {"fimSemeadura", fimSemeadura.toString(Qt::ISODate)},
            {"eventos", QJsonArray::fromStringList(eventos)}};
}

EstadoColeta EstadoColeta::fromJson(const QJsonObject& o, const LeitorEstado& l) {
    EstadoColeta e;
    if (o.isEmpty()) return e;
    e.semeados = int(l.inteiro(o, "semeados", e.semeados, 0, kMaxNsr));
    const QString fimTexto = l.texto(o, "fimSemeadura", {});
    const QDate fim = QDate::fromString(fimTexto, Qt::ISODate);
    if (fim.isValid()) e.fimSemeadura = fim;
    else if (o.contains("fimSemeadura") && o.value("fimSemeadura").isString())
        l.relatar(QStringLiteral("fimSemeadura"),
                  QStringLiteral("data inválida; usado o dia anterior a hoje"));
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

void SessaoColeta::contabilizar(const QString& l) {
    if (l.size() < 10) return;
    const int tipo = l[9].digitValue();
    if (tipo < 0) return;
    ++lidos[tipo];
    auto data = [this](int d) {
        if (d == 0) return;
        maiorData = maiorData == 0 ? d : qMax(maiorData, d);
        menorData = menorData == 0 ? d : qMin(menorData, d);
    };
    const QStringView v(l);
    data(aaaammdd(v.mid(10, 8)));
    // A clock setting carries the date before and the date after.
    if (tipo == 4) data(aaaammdd(v.mid(22, 8)));
    // Employer record: type, identification, CNPJ or CPF, CEI, then the company name.
    if (tipo == 2) ultimaEmpresa = l.mid(10 + 8 + 4 + 1 + 14 + 12, 150).trimmed();
}

QString TextoDataColeta(int d) {
    if (d == 0) return {};
    return digitos(d % 100, 2) + u'/' + digitos(d / 100 % 100, 2) + u'/' + digitos(d / 10000 % 100, 2);
}
