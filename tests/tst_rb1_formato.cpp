// The simulator's RB1 format: files written and read back unchanged, and hostile bytes refused with the
// right failure, within the format's limits and without allocating what the bytes only claim.
#include "sim/rb1/FormatoRB1.h"

#include <QTest>

using namespace rb1;

namespace {
std::string le16(unsigned v) {
    return {char(v & 0xff), char((v >> 8) & 0xff)};
}
std::string le32(std::uint32_t v) {
    return le16(v & 0xffff) + le16(v >> 16);
}

// A header over the payload as given, its checksum right unless told otherwise.
std::string cru(unsigned conteudo, const std::string& carga, unsigned versao = kVersao,
                std::optional<std::uint32_t> tamanho = std::nullopt,
                std::optional<std::uint32_t> soma = std::nullopt) {
    return std::string("VRB1", 4) + le16(versao) + le16(conteudo) +
           le32(tamanho.value_or(std::uint32_t(carga.size()))) + le32(soma.value_or(Crc32(carga))) + carga;
}

std::string campo(unsigned etiqueta, const std::string& valor) {
    return std::string(1, char(etiqueta)) + le16(unsigned(valor.size())) + valor;
}
std::string campoComTamanho(unsigned etiqueta, unsigned tamanho) {
    return std::string(1, char(etiqueta)) + le16(tamanho);
}
const std::string kRegistro = std::string(3, '\0');

Arquivo exemplo() {
    Arquivo a;
    a.conteudo = Conteudo::Empregados;
    a.campos = {{1, "12345678901234567"}};
    a.registros = {{{1, "Empregado SDK 01"}, {2, "12345678901"}, {8, "0"}}, {}, {{1, "Ação – ü"}, {7, ""}}};
    return a;
}
} // namespace

Q_DECLARE_METATYPE(rb1::Falha)

class TstRB1Formato : public QObject {
    Q_OBJECT
private slots:
    void somaComoZlib();
    void escritoELidoIgual();
    void escritaRecusaOQueALeituraRecusaria();
    void bytesHostis_data();
    void bytesHostis();
    void limitesNoLimite();
};

void TstRB1Formato::somaComoZlib() {
    QCOMPARE(Crc32("123456789"), 0xCBF43926u);
    QCOMPARE(Crc32(""), 0u);
}

void TstRB1Formato::escritoELidoIgual() {
    const auto bytes = Escrever(exemplo());
    QVERIFY(bytes);
    QCOMPARE(QByteArray::fromStdString(bytes->substr(0, 8)), QByteArray("VRB1\x01\x00\x02\x00", 8));
    const Leitura l = Ler(*bytes);
    QCOMPARE(l.falha, Falha::Nenhuma);
    QVERIFY(l.arquivo == exemplo());
    // An unknown tag is kept, not refused: a newer writer may add fields.
    const Leitura futuro = Ler(cru(1, campo(1, "x") + campo(250, "novo")));
    QCOMPARE(futuro.falha, Falha::Nenhuma);
    QCOMPARE(*Valor(futuro.arquivo.campos, 250), std::string("novo"));
}

void TstRB1Formato::escritaRecusaOQueALeituraRecusaria() {
    Arquivo a = exemplo();
    a.registros[0].push_back({9, std::string(kMaxTexto + 1, 'x')});
    QVERIFY(!Escrever(a));
    a = exemplo();
    a.registros[1] = {{3, "a"}, {3, "b"}};
    QVERIFY(!Escrever(a));
    a = exemplo();
    a.conteudo = Conteudo::Empregador;
    QVERIFY(!Escrever(a));
    a = exemplo();
    a.campos.push_back({kEtiquetaRegistro, ""});
    QVERIFY(!Escrever(a));
    a = exemplo();
    a.campos.push_back({5, "\xff"});
    QVERIFY(!Escrever(a));
}

void TstRB1Formato::bytesHostis_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Falha>("falha");
    const auto linha = [](const char* nome, const std::string& b, Falha f) {
        QTest::newRow(nome) << QByteArray::fromStdString(b) << f;
    };
    const std::string bom = *Escrever(exemplo());
    linha("vazio", "", Falha::Curto);
    linha("cabecalho pela metade", bom.substr(0, 10), Falha::Curto);
    linha("outra magica", "PK\x03\x04" + bom.substr(4), Falha::Magica);
    linha("versao futura", cru(2, "", 2), Falha::Versao);
    linha("versao zero", cru(2, "", 0), Falha::Versao);
    linha("tipo desconhecido", cru(9, ""), Falha::ConteudoInvalido);
    linha("tipo zero", cru(0, ""), Falha::ConteudoInvalido);
    // A length that claims 4 GiB is refused before anything is read or allocated.
    linha("tamanho enorme", cru(2, "", kVersao, 0xffffffffu), Falha::Tamanho);
    linha("tamanho acima do limite", cru(2, "", kVersao, std::uint32_t(kMaxCarga + 1)), Falha::Tamanho);
    linha("truncado", bom.substr(0, bom.size() - 3), Falha::Tamanho);
    linha("bytes a mais", bom + "x", Falha::Tamanho);
    std::string trocado = bom;
    trocado[20] = char(trocado[20] ^ 0x40);
    linha("um bit trocado", trocado, Falha::Soma);
    linha("campo corta o fim", cru(1, campo(1, "abc").substr(0, 5)), Falha::CampoTruncado);
    linha("etiqueta sem tamanho", cru(1, std::string(2, '\x01')), Falha::CampoTruncado);
    linha("valor diz 65535", cru(1, campoComTamanho(1, 0xffff) + "abc"), Falha::TextoLongo);
    linha("valor diz o limite mais um", cru(1, campoComTamanho(1, unsigned(kMaxTexto + 1))),
          Falha::TextoLongo);
    linha("utf8 invalido", cru(1, campo(2, "Raz\xe3o")), Falha::TextoInvalido);
    linha("utf8 longo demais", cru(1, campo(2, "\xc0\xaf")), Falha::TextoInvalido);
    linha("utf8 surrogate", cru(1, campo(2, "\xed\xa0\x80")), Falha::TextoInvalido);
    linha("utf8 cortado", cru(1, campo(2, "\xe2\x82")), Falha::TextoInvalido);
    linha("etiqueta repetida", cru(1, campo(2, "a") + campo(2, "b")), Falha::EtiquetaRepetida);
    linha("repetida num registro", cru(2, kRegistro + campo(1, "a") + campo(1, "b")),
          Falha::EtiquetaRepetida);
    std::string muitos;
    for (unsigned i = 1; i <= kMaxCamposPorGrupo + 1; ++i)
        muitos += campo(i, "");
    linha("campos demais", cru(3, muitos), Falha::MuitosCampos);
    linha("registro no empregador", cru(1, campo(1, "x") + kRegistro), Falha::RegistroIndevido);
    linha("registro na configuracao", cru(3, kRegistro), Falha::RegistroIndevido);
    linha("marca de registro com valor", cru(2, campo(0, "x")), Falha::RegistroIndevido);
    std::string registros;
    for (std::size_t i = 0; i <= kMaxRegistros; ++i)
        registros += kRegistro;
    linha("registros demais", cru(2, registros), Falha::MuitosRegistros);
}

void TstRB1Formato::bytesHostis() {
    QFETCH(QByteArray, bytes);
    QFETCH(Falha, falha);
    const Leitura l = Ler(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    QCOMPARE(l.falha, falha);
    // A refused file leaves nothing behind.
    QVERIFY(l.arquivo.campos.empty() && l.arquivo.registros.empty());
}

void TstRB1Formato::limitesNoLimite() {
    std::string registros;
    for (std::size_t i = 0; i < kMaxRegistros; ++i)
        registros += kRegistro;
    const Leitura cheio = Ler(cru(5, registros));
    QCOMPARE(cheio.falha, Falha::Nenhuma);
    QCOMPARE(cheio.arquivo.registros.size(), kMaxRegistros);
    std::string campos;
    for (unsigned i = 1; i <= kMaxCamposPorGrupo; ++i)
        campos += campo(i, i == 1 ? std::string(kMaxTexto, 'x') : "");
    QCOMPARE(Ler(cru(3, campos)).falha, Falha::Nenhuma);
}

QTEST_MAIN(TstRB1Formato)
#include "tst_rb1_formato.moc"
