// The AFD reader: valid files of every kind pass, each single mutation is caught on its line, the kind of
// REP and the layout are told apart, order and encoding problems are named, hostile input stays bounded,
// and the report reads as the operator sees it.
#include "AfdExemplo.h"
#include "afd/AfdQt.h"
#include "afd/Crc16.h"
#include "afd/DigitosVerificadores.h"
#include "afd/Passagem.h"
#include "afd/Registros.h"
#include "afd/TextoRelatorio.h"
#include "afd/Validacao.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace afd;
using AfdExemplo::Afd1510;
using AfdExemplo::Afd671;
using AfdExemplo::Arquivo;
using AfdExemplo::Primeira;
using AfdExemplo::RefazerCrc;

Q_DECLARE_METATYPE(afd::Falha)

namespace {
using Linhas = std::vector<std::string>;

QString textoDosProblemas(const Relatorio& r) {
    QStringList l;
    for (const Problema& p : r.problemas)
        l << QString::fromStdString(p.texto);
    return l.join(u'\n');
}

bool tem(const Relatorio& r, Falha f, std::uint64_t linha) {
    for (const Problema& p : r.problemas)
        if (p.falha == f && p.linha == linha) return true;
    return false;
}

std::string utf8DeLatin1(const std::string& s) {
    return QString::fromLatin1(s).toUtf8().toStdString();
}
} // namespace

class TstAfdValidacao : public QObject {
    Q_OBJECT
private slots:
    void arquivosValidos_data();
    void arquivosValidos();
    void mutacoes_data();
    void mutacoes();
    void tipoDoRep();
    void preenchimentosAceitos();
    void ordemDasLinhas();
    void periodoDoCabecalho();
    void codificacao();
    void listaDeLinhasIgualAosBytes();
    void partesIguaisAUmaPassagem();
    void arquivoLidoEmPedacos();
    void problemasLimitados();
    void textoDoRelatorio();
};

void TstAfdValidacao::arquivosValidos_data() {
    QTest::addColumn<QByteArray>("arquivo");
    QTest::addColumn<int>("leiaute");
    QTest::addColumn<int>("rep");
    QTest::addColumn<bool>("assinatura");
    QTest::addColumn<qulonglong>("nsrInicial");
    const auto linha = [](const char* nome, const Linhas& l, Leiaute le, TipoRep rep, bool ass,
                          qulonglong nsr) {
        QTest::newRow(nome) << QByteArray::fromStdString(Arquivo(l)) << int(le) << int(rep) << ass << nsr;
    };
    linha("671 REP-C", Afd671(), Leiaute::Portaria671, TipoRep::RepC, false, 1);
    linha("671 REP-C assinado", Afd671({.assinatura = true}), Leiaute::Portaria671, TipoRep::RepC, true, 1);
    linha("671 REP-A", Afd671({.rep = TipoRep::RepA, .assinatura = true}), Leiaute::Portaria671,
          TipoRep::RepA, true, 1);
    linha("671 REP-P", Afd671({.marcacoes = 40, .rep = TipoRep::RepP, .assinatura = true}),
          Leiaute::Portaria671, TipoRep::RepP, true, 1);
    linha("671 parcial", Afd671({.primeiroNsr = 120}), Leiaute::Portaria671, TipoRep::RepC, false, 120);
    linha("671 sem marcações", Afd671({.marcacoes = 0}), Leiaute::Portaria671, TipoRep::RepC, false, 1);
    linha("1510", Afd1510(), Leiaute::Portaria1510, TipoRep::RepC, false, 1);
    linha("1510 parcial", Afd1510({.primeiroNsr = 77}), Leiaute::Portaria1510, TipoRep::RepC, false, 77);
    // The signature line of the one REP-C file seen has no CR LF after it.
    std::string semFim = Arquivo(Afd671({.assinatura = true}));
    semFim.resize(semFim.size() - 2);
    QTest::newRow("671 assinatura sem CR LF")
        << QByteArray::fromStdString(semFim) << int(Leiaute::Portaria671) << int(TipoRep::RepC) << true
        << qulonglong(1);
}

void TstAfdValidacao::arquivosValidos() {
    QFETCH(QByteArray, arquivo);
    QFETCH(int, leiaute);
    QFETCH(int, rep);
    QFETCH(bool, assinatura);
    QFETCH(qulonglong, nsrInicial);
    const Relatorio r = Validar(arquivo.toStdString());
    QVERIFY2(r.valido(), qPrintable(textoDosProblemas(r)));
    QVERIFY(r.leiauteReconhecido);
    QCOMPARE(int(r.leiaute), leiaute);
    if (r.leiaute == Leiaute::Portaria671) QCOMPARE(int(r.rep.tipo), rep);
    QCOMPARE(r.assinatura, assinatura);
    QCOMPARE(r.nsrInicial, nsrInicial);
    QCOMPARE(r.parcial(), nsrInicial > 1);
    QCOMPARE(r.porTipo[1], std::uint64_t(1));
    QCOMPARE(r.porTipo[9], std::uint64_t(1));
    QCOMPARE(r.nsrFinal, nsrInicial + r.registros() - 1);
}

// One damage per row, as a single slip would do it, on a valid file; the problem must be named on its line.
void TstAfdValidacao::mutacoes_data() {
    QTest::addColumn<QByteArray>("arquivo");
    QTest::addColumn<afd::Falha>("falha");
    QTest::addColumn<qulonglong>("linha");
    const auto linha = [](const char* nome, const std::string& bytes, Falha f, std::size_t indice) {
        QTest::newRow(nome) << QByteArray::fromStdString(bytes) << f << qulonglong(indice + 1);
    };

    const Linhas base = Afd671();
    const std::size_t m = Primeira(base, '3') + 2; // a punch in the middle
    const std::size_t t = base.size() - 1;         // the trailer
    {
        Linhas l = base;
        l[m][25] = l[m][25] == '0' ? '1' : '0'; // a minute digit: still a valid time
        linha("671 dígito alterado", Arquivo(l), Falha::Crc, m);
    }
    {
        Linhas l = base;
        l[m][l[m].size() - 1] = l[m].back() == 'A' ? 'B' : 'A';
        linha("671 CRC alterado", Arquivo(l), Falha::Crc, m);
    }
    {
        Linhas l = base;
        l.erase(l.begin() + long(m));
        linha("671 linha faltando", Arquivo(l), Falha::NsrFalta, m);
    }
    {
        Linhas l = base;
        l.insert(l.begin() + long(m), l[m]);
        linha("671 linha repetida", Arquivo(l), Falha::NsrRepetido, m + 1);
    }
    {
        Linhas l = base;
        std::swap(l[m], l[m + 1]);
        linha("671 linhas trocadas", Arquivo(l), Falha::NsrForaDeOrdem, m + 1);
    }
    {
        Linhas l = base;
        l[t][26] = char(l[t][26] + 1); // the count of type 3, last digit
        linha("671 contagem do trailer", Arquivo(l), Falha::Contagem, t);
    }
    {
        std::string a = Arquivo(base);
        const std::size_t fim = Arquivo(Linhas(base.begin(), base.begin() + long(m) + 1)).size();
        a.erase(fim - 2, 1);
        linha("671 fim de linha LF", a, Falha::FimDeLinha, m);
    }
    {
        Linhas l = base;
        l[m].replace(10, 10, "2024-02-30");
        l[m] = RefazerCrc(l[m]);
        linha("671 data inexistente", Arquivo(l), Falha::DataHora, m);
    }
    {
        Linhas l = base;
        l[m].replace(21, 2, "25"); // hour 25
        l[m] = RefazerCrc(l[m]);
        linha("671 hora inexistente", Arquivo(l), Falha::DataHora, m);
    }
    {
        Linhas l = base;
        l[m][44] = l[m][44] == '9' ? '0' : char(l[m][44] + 1); // the CPF's last check digit
        l[m] = RefazerCrc(l[m]);
        linha("671 dígito verificador do CPF", Arquivo(l), Falha::DigitoVerificador, m);
    }
    // A day and a CPF found right are remembered, to save work on the records after them: a wrong one like
    // them must still be named, each time it comes.
    {
        Linhas l = base;
        for (const std::size_t i : {m, m + 1}) { // the same employee, one punch after the other
            l[i][44] = l[i][44] == '9' ? '0' : char(l[i][44] + 1);
            l[i] = RefazerCrc(l[i]);
        }
        linha("671 o mesmo CPF errado outra vez", Arquivo(l), Falha::DigitoVerificador, m + 1);
    }
    {
        Linhas l = base;
        l[m + 1].replace(27, 2, "30"); // seconds, on the day and zone of the punch before
        l[m + 1] = RefazerCrc(l[m + 1]);
        linha("671 segundos num dia já visto", Arquivo(l), Falha::DataHora, m + 1);
    }
    {
        Linhas l = base;
        l[0][24] = l[0][24] == '9' ? '0' : char(l[0][24] + 1); // the employer's CNPJ
        l[0] = RefazerCrc(l[0]);
        linha("671 dígito verificador do CNPJ", Arquivo(l), Falha::DigitoVerificador, 0);
    }
    {
        Linhas l = base;
        l[m].erase(30, 1);
        linha("671 linha curta", Arquivo(l), Falha::Tamanho, m);
    }
    {
        Linhas l = base;
        l[m].insert(30, " ");
        linha("671 linha longa", Arquivo(l), Falha::Tamanho, m);
    }
    {
        Linhas l = base;
        l[m][9] = '8';
        linha("671 tipo desconhecido", Arquivo(l), Falha::Tipo, m);
    }
    linha("671 arquivo em UTF-8", utf8DeLatin1(Arquivo(base)), Falha::Codificacao, 0);
    {
        Linhas l = base;
        l.insert(l.begin() + long(m), "");
        linha("671 linha em branco", Arquivo(l), Falha::LinhaEmBranco, m);
    }
    {
        Linhas l = base;
        l[m][30] = '\t';
        linha("671 tabulação", Arquivo(l), Falha::Caractere, m);
    }

    const Linhas b1510 = Afd1510();
    const std::size_t n = Primeira(b1510, '3') + 2;
    const std::size_t t1510 = b1510.size() - 1;
    {
        Linhas l = b1510;
        l.erase(l.begin() + long(n));
        linha("1510 linha faltando", Arquivo(l), Falha::NsrFalta, n);
    }
    {
        Linhas l = b1510;
        l[n].replace(10, 4, "3102"); // 31 February
        linha("1510 data inexistente", Arquivo(l), Falha::DataHora, n);
    }
    {
        Linhas l = b1510;
        l[n][33] = l[n][33] == '9' ? '0' : char(l[n][33] + 1);
        linha("1510 dígito verificador do PIS", Arquivo(l), Falha::DigitoVerificador, n);
    }
    {
        Linhas l = b1510;
        l[n].pop_back();
        linha("1510 linha curta", Arquivo(l), Falha::Tamanho, n);
    }
    {
        Linhas l = b1510;
        l[t1510][26] = char(l[t1510][26] + 1);
        linha("1510 contagem do trailer", Arquivo(l), Falha::Contagem, t1510);
    }
    {
        Linhas l = b1510;
        l[n][9] = '7';
        linha("1510 tipo de 671", Arquivo(l), Falha::Tipo, n);
    }
}

void TstAfdValidacao::mutacoes() {
    QFETCH(QByteArray, arquivo);
    QFETCH(afd::Falha, falha);
    QFETCH(qulonglong, linha);
    const Relatorio r = Validar(arquivo.toStdString());
    QVERIFY(!r.valido());
    QVERIFY2(tem(r, falha, linha), qPrintable(textoDosProblemas(r)));
}

void TstAfdValidacao::tipoDoRep() {
    // The header's CRC tells REP-C (MODBUS) from REP-A (KERMIT) whatever the model says.
    Linhas a = Afd671({.rep = TipoRep::RepA});
    Relatorio r = Validar(Arquivo(a));
    QCOMPARE(r.rep.tipo, TipoRep::RepA);
    QCOMPARE(r.rep.motivo, MotivoTipoRep::CrcCabecalho);
    // A damaged header CRC: the model field decides, and the header's CRC is named.
    Linhas c = Afd671();
    c[0][c[0].size() - 1] = c[0].back() == '0' ? '1' : '0';
    r = Validar(Arquivo(c));
    QCOMPARE(r.rep.tipo, TipoRep::RepC);
    QCOMPARE(r.rep.motivo, MotivoTipoRep::Modelo);
    QVERIFY(tem(r, Falha::Crc, 1));
    QCOMPARE(r.totalProblemas, std::uint64_t(1));
    // Type 7 records make a REP-P even when they only come after the first lines; its type 3 is out of place.
    Linhas p = Afd671({.marcacoes = 100, .rep = TipoRep::RepP});
    p.insert(p.end() - 1, "");
    r = Validar(Arquivo(p));
    QCOMPARE(r.rep.tipo, TipoRep::RepP);
    QCOMPARE(r.rep.motivo, MotivoTipoRep::MarcacaoRepP);
    Linhas misto = Afd671({.marcacoes = 100});
    misto.insert(misto.end() - 1, Afd671({.marcacoes = 1, .rep = TipoRep::RepP})[4]);
    r = Validar(Arquivo(misto));
    QCOMPARE(r.rep.tipo, TipoRep::RepP);
    QVERIFY(tem(r, Falha::TipoDoRep, 5));
    // An event a REP-C does not write, and a chain broken in a REP-P.
    Linhas evento = Afd671();
    const std::size_t e = Primeira(evento, '6');
    evento[e].replace(34, 2, "07");
    QVERIFY(tem(Validar(Arquivo(evento)), Falha::TipoDoRep, e + 1));
    Linhas cadeia = Afd671({.rep = TipoRep::RepP});
    const std::size_t h = Primeira(cadeia, '7') + 1;
    cadeia[h][100] = cadeia[h][100] == 'a' ? 'b' : 'a';
    r = Validar(Arquivo(cadeia));
    QVERIFY2(tem(r, Falha::Hash, h + 1), qPrintable(textoDosProblemas(r)));
}

void TstAfdValidacao::preenchimentosAceitos() {
    Linhas l = Afd671();
    // "0CPF", one maker's fill, as well as the layout's "CPF ".
    const std::size_t m = Primeira(l, '3');
    l[m].replace(34, 12, "0" + l[m].substr(34, 11));
    l[m] = RefazerCrc(l[m]);
    // CRC digits in lower case.
    std::size_t k = m + 1;
    while (l[k].substr(l[k].size() - 4).find_first_of("ABCDEF") == std::string::npos)
        ++k;
    for (std::size_t i = l[k].size() - 4; i < l[k].size(); ++i)
        l[k][i] = char(std::tolower(static_cast<unsigned char>(l[k][i])));
    // An alphanumeric CNPJ, as issued from 2026.
    l[0].replace(11, 14, CompletarCnpj("12ABC34501DE"));
    l[0] = RefazerCrc(l[0]);
    const Relatorio r = Validar(Arquivo(l));
    QVERIFY2(r.valido(), qPrintable(textoDosProblemas(r)));
}

void TstAfdValidacao::ordemDasLinhas() {
    const Linhas base = Afd671({.assinatura = true});
    const std::size_t t = base.size() - 2;
    {
        Linhas l(base.begin() + 1, base.end());
        const Relatorio r = Validar(Arquivo(l));
        QVERIFY(tem(r, Falha::Ordem, 1));
    }
    {
        Linhas l = base;
        l.insert(l.begin() + 3, base[0]);
        QVERIFY(tem(Validar(Arquivo(l)), Falha::Ordem, 4));
    }
    {
        Linhas l = base;
        l.insert(l.begin() + long(t) + 1, base[t - 1]);
        const Relatorio r = Validar(Arquivo(l));
        QVERIFY2(tem(r, Falha::Ordem, t + 2), qPrintable(textoDosProblemas(r)));
    }
    {
        Linhas l = base;
        l.push_back(base[3]);
        QVERIFY(tem(Validar(Arquivo(l)), Falha::Ordem, l.size()));
    }
    {
        Linhas l(base.begin(), base.begin() + long(t));
        const Relatorio r = Validar(Arquivo(l));
        QVERIFY(tem(r, Falha::Ordem, 0));
        QCOMPARE(r.problemas.back().texto, std::string("Fim do arquivo sem o trailer (tipo 9)"));
    }
    {
        // The last line may go without CR LF only when it is the signature.
        std::string a = Arquivo(Afd671());
        a.resize(a.size() - 2);
        QVERIFY(tem(Validar(a), Falha::FimDeLinha, Afd671().size()));
    }
    {
        const Relatorio r = Validar("");
        QCOMPARE(r.totalProblemas, std::uint64_t(1));
        QCOMPARE(r.problemas[0].falha, Falha::ArquivoVazio);
    }
    {
        Linhas l = Afd1510();
        l.push_back("ASSINATURA");
        QVERIFY(tem(Validar(Arquivo(l)), Falha::Ordem, l.size()));
    }
    {
        // A REP-A signs in a .p7s of its own and writes a fixed placeholder.
        Linhas l = Afd671({.rep = TipoRep::RepA, .assinatura = true});
        l.back() = "ASSINATURA";
        QVERIFY(tem(Validar(Arquivo(l)), Falha::Campo, l.size()));
    }
}

void TstAfdValidacao::periodoDoCabecalho() {
    // 671: the header's range leaves type 4 out (the fixture's clock set lies a month ahead).
    Linhas l = Afd671();
    QVERIFY(Validar(Arquivo(l)).valido());
    l[0].replace(216, 10, "2024-04-30");
    l[0] = RefazerCrc(l[0]);
    Relatorio r = Validar(Arquivo(l));
    QVERIFY(tem(r, Falha::Periodo, 1));
    QVERIFY2(textoDosProblemas(r).contains(
                 "a última data do cabeçalho é 2024-04-30, a dos registros é 2024-03-02"),
             qPrintable(textoDosProblemas(r)));
    // 1510: either reading of the range passes.
    Linhas m = Afd1510();
    const std::size_t a = Primeira(m, '4');
    m[a].replace(22, 12, "150420240900");
    QVERIFY(Validar(Arquivo(m)).valido());
    m[0].replace(212, 8, "15042024");
    QVERIFY2(Validar(Arquivo(m)).valido(), qPrintable(textoDosProblemas(Validar(Arquivo(m)))));
    m[0].replace(212, 8, "16042024");
    QVERIFY(tem(Validar(Arquivo(m)), Falha::Periodo, 1));
    // A file generated before its last record, with no clock set to explain it.
    Linhas g = Afd1510({.marcacoes = 3});
    g.erase(g.begin() + long(Primeira(g, '4')));
    g.back() = p1510::Trailer({1, 3, 0, 3});
    g[0].replace(220, 12, "010320240700");
    QVERIFY(tem(Validar(Arquivo(g)), Falha::Periodo, 1));
}

void TstAfdValidacao::codificacao() {
    // A UTF-8 line is named as such, once; its length and CRC are not reported on top.
    const Linhas base = Afd671();
    Linhas l = base;
    l[1] = utf8DeLatin1(l[1]);
    Relatorio r = Validar(Arquivo(l));
    QCOMPARE(r.totalProblemas, std::uint64_t(1));
    QCOMPARE(r.problemas[0].texto, std::string("Linha 2: texto em UTF-8, esperado ISO-8859-1"));
    QVERIFY(r.utf8);
    // A byte order mark.
    r = Validar("\xEF\xBB\xBF" + Arquivo(base));
    QCOMPARE(r.totalProblemas, std::uint64_t(1));
    QCOMPARE(r.problemas[0].falha, Falha::Codificacao);
    // ISO-8859-1 letters pass; C1 controls (0x80 to 0x9F) are no text.
    l = base;
    l[1][100] = '\x85';
    l[1] = RefazerCrc(l[1]);
    r = Validar(Arquivo(l));
    QVERIFY(tem(r, Falha::Caractere, 2));
    QVERIFY2(textoDosProblemas(r).contains("caractere de controle 0x85 na posição 101"),
             qPrintable(textoDosProblemas(r)));
}

void TstAfdValidacao::listaDeLinhasIgualAosBytes() {
    Linhas l = Afd671({.assinatura = true});
    l[4][30] = '9';
    std::vector<std::string_view> vistas(l.begin(), l.end());
    const Relatorio a = ValidarLinhas(vistas);
    const Relatorio b = Validar(Arquivo(l));
    QCOMPARE(a.totalProblemas, b.totalProblemas);
    QCOMPARE(a.problemas.size(), b.problemas.size());
    for (std::size_t i = 0; i < a.problemas.size(); ++i)
        QCOMPARE(a.problemas[i].texto, b.problemas[i].texto);
    QCOMPARE(a.porTipo, b.porTipo);
}

// A large file is checked in parts at once; wherever the cuts fall, the report is the single pass's.
void TstAfdValidacao::partesIguaisAUmaPassagem() {
    std::vector<std::string> arquivos;
    Linhas l = Afd671({.marcacoes = 30, .assinatura = true});
    arquivos.push_back(Arquivo(l));
    Linhas gaps = l;
    gaps.erase(gaps.begin() + 9);
    gaps.insert(gaps.begin() + 14, gaps[14]);
    std::swap(gaps[20], gaps[21]);
    gaps[25][30] = '7';
    gaps.insert(gaps.begin() + 5, "");
    arquivos.push_back(Arquivo(gaps));
    Linhas desordem = l;
    desordem.insert(desordem.begin() + 12, desordem[0]);                   // a header in the middle
    desordem.insert(desordem.begin() + 20, desordem[desordem.size() - 2]); // a trailer in the middle
    arquivos.push_back(Arquivo(desordem));
    arquivos.push_back(Arquivo(Afd671({.marcacoes = 20, .rep = TipoRep::RepP})));
    arquivos.push_back(Arquivo(Afd1510({.marcacoes = 25})));
    arquivos.push_back(utf8DeLatin1(Arquivo(l)));
    std::string lf = Arquivo(l);
    lf.erase(lf.find("\r\n", 500), 1);
    arquivos.push_back(lf);
    for (const std::string& a : arquivos) {
        const Relatorio uma = Validar(a);
        std::vector<std::size_t> inicios;
        for (std::size_t p = a.find('\n'); p != std::string::npos && p + 1 < a.size();
             p = a.find('\n', p + 1))
            inicios.push_back(p + 1);
        for (const std::size_t c : inicios)
            QVERIFY2(uma == interno::ValidarBytesEmPartes(a, {c}), qPrintable(QString::number(c)));
        for (std::size_t i = 0; i + 7 < inicios.size(); i += 3)
            QVERIFY(uma == interno::ValidarBytesEmPartes(a, {inicios[i], inicios[i + 3], inicios[i + 7]}));
    }
    // Past the limit of listed problems too.
    std::string muitos = Arquivo(Afd671({.marcacoes = 0}));
    std::string lixo;
    for (std::size_t i = 0; i < 1500; ++i)
        lixo += "x\r\n";
    muitos.insert(muitos.find("\r\n") + 2, lixo);
    const std::size_t meio = muitos.find('\n', muitos.size() / 2) + 1;
    QVERIFY(Validar(muitos) == interno::ValidarBytesEmPartes(muitos, {meio}));
    // And a file big enough to be split on its own.
    const std::string grande = Arquivo(Afd671({.marcacoes = 60000}));
    QVERIFY(interno::PartesPara(grande.size()) >= 1);
    QVERIFY(Validar(grande) == interno::ValidarBytesEmPartes(grande, {}));
}

// A file is read a piece at a time, in parts at once when it is large: the report is that of its bytes.
void TstAfdValidacao::arquivoLidoEmPedacos() {
    QTemporaryDir pasta;
    const auto gravar = [&](const QString& nome, const std::string& bytes) {
        QFile f(pasta.filePath(nome));
        f.open(QIODevice::WriteOnly);
        f.write(bytes.data(), qint64(bytes.size()));
        return pasta.filePath(nome);
    };
    Linhas l = Afd671({.marcacoes = 60000, .assinatura = true});
    l.erase(l.begin() + 30000);
    l[45000][25] = '9';
    l.insert(l.begin() + 50000, "");
    const std::string grande = Arquivo(l);
    QVERIFY(grande.size() > 2 * interno::kMinBytesPorParte);
    ValidacaoArquivo v = ValidarArquivo(gravar("grande.txt", grande));
    QVERIFY(v.lido);
    QVERIFY(v.relatorio == Validar(grande));
    QCOMPARE(v.relatorio.totalProblemas, std::uint64_t(4));
    // A line too long for any record is cut where the file is read, and named.
    std::string longa = Arquivo(Afd671());
    longa.insert(longa.find("\r\n") + 2, std::string(3 << 20, 'x') + "\r\n");
    v = ValidarArquivo(gravar("longa.txt", longa));
    QVERIFY(v.lido);
    QVERIFY2(tem(v.relatorio, Falha::Tamanho, 2), qPrintable(textoDosProblemas(v.relatorio)));
    QCOMPARE(v.relatorio.problemas[0].texto,
             std::string("Linha 2: linha longa demais para um registro (mais de 1048576 caracteres)"));
    QCOMPARE(v.relatorio.totalProblemas, std::uint64_t(1));
    // What cannot be read says why.
    v = ValidarArquivo(pasta.filePath("nao-existe.txt"));
    QVERIFY(!v.lido);
    QCOMPARE(v.erro, std::string("Não foi possível ler o arquivo: o arquivo não existe."));
    v = ValidarArquivo(pasta.path());
    QVERIFY(!v.lido);
    QCOMPARE(v.erro, std::string("Não foi possível ler o arquivo: é uma pasta."));
}

void TstAfdValidacao::problemasLimitados() {
    // Every line wrong: the list stops at its limit, the count goes on.
    std::string a = Arquivo(Afd671({.marcacoes = 0}));
    const std::size_t n = 3 * kMaxProblemasListados;
    std::string lixo;
    for (std::size_t i = 0; i < n; ++i)
        lixo += "x\r\n";
    a.insert(a.find("\r\n") + 2, lixo);
    const Relatorio r = Validar(a);
    QCOMPARE(r.problemas.size(), kMaxProblemasListados);
    QVERIFY(r.totalProblemas >= n);
    QVERIFY(TextoRelatorio(r).find("... e mais ") != std::string::npos);
    // One long line of anything is one line.
    const Relatorio longa = Validar(std::string(5'000'000, '\x85'));
    QCOMPARE(longa.linhas, std::uint64_t(1));
    QVERIFY(longa.totalProblemas < 10);
}

void TstAfdValidacao::textoDoRelatorio() {
    Linhas l = Afd671({.marcacoes = 4});
    l.erase(l.begin() + 5);
    l[6][25] = '9';
    const Relatorio r = Validar(Arquivo(l));
    QCOMPARE(
        QString::fromStdString(TextoRelatorio(r, "AFD.txt")),
        QStringLiteral("Arquivo: AFD.txt\n"
                       "Leiaute: Portaria 671\n"
                       "REP: REP-C, CRC-16/MODBUS (pelo CRC do cabeçalho)\n"
                       "Linhas: 10\n"
                       "Registros: 8 (tipo 2: 1, tipo 3: 3, tipo 4: 1, tipo 5: 2, tipo 6: 1, tipo 7: 0)\n"
                       "NSR 1 a 9: arquivo completo\n"
                       "Assinatura digital: ausente (só o REP assina o seu AFD)\n"
                       "Resultado: AFD com 3 problemas\n"
                       "\n"
                       "Problemas:\n"
                       "Linha 6: NSR 000000005 esperado, encontrado 000000006 (falta 1 registro)\n"
                       "Linha 7: CRC-16 B4E2 não confere (calculado EB2D, CRC-16/MODBUS)\n"
                       "Linha 10: o trailer conta 4 registros do tipo 3, o arquivo tem 3\n"));
}

QTEST_APPLESS_MAIN(TstAfdValidacao)
#include "tst_afd_validacao.moc"
