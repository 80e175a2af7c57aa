#include "sim/SimRB1.h"

namespace {
using rb1::Arquivo;
using rb1::Conteudo;
using rb1::Grupo;

// Tags (docs/rb1-format.md). Tag 1 is the serial number in every kind's own fields.
constexpr std::uint8_t kNumSerie = 1;

namespace empregador {
constexpr std::uint8_t razaoSocial = 2, local = 3, cnpjCpf = 4, cei = 5, tipoIdentificador = 6;
}
namespace empregado {
constexpr std::uint8_t nome = 1, pis = 2, cartao = 3, cartaoProx = 4, teclado = 5, nomeExibicao = 6,
                       senha = 7, verificaBiometria = 8;
}
namespace configuracao {
constexpr std::uint8_t inicioHorarioVerao = 2, fimHorarioVerao = 3, formatoCartaoBarras = 4,
                       numDigitosFixos = 5, formatoCartaoProx = 6, senhaComunicacao = 7, senhaBiometria = 8,
                       senhaPendrive = 9, chaveComunicacao = 10, gateway = 11, mascara = 12, porta = 13,
                       portaServidor = 14, repIniciaConexao = 15, tempoEspera = 16, ipServidor = 17,
                       intervaloConexao = 18, hostHabilitado = 19, dns = 20, hostDNS = 21, nomeRep = 22,
                       local = 23, nitgenCaptura = 24, nitgenFiltro = 25, nitgenIdentificacao = 26,
                       nitgenVerificacao = 27, nitgenTimeOut = 28, nitgenLFD = 29, lcIdentificacao = 30,
                       lcTimeOut = 31, lcDedoDuplicado = 32;
}
namespace bio {
constexpr std::uint8_t pis = 1, template1 = 2, template2 = 3;
}

void poe(Grupo& g, std::uint8_t etiqueta, const QString& valor) {
    g.push_back({etiqueta, valor.toStdString()});
}
void poe(Grupo& g, std::uint8_t etiqueta, int valor) {
    poe(g, etiqueta, QString::number(valor));
}
void poe(Grupo& g, std::uint8_t etiqueta, bool valor) {
    poe(g, etiqueta, valor ? QStringLiteral("1") : QStringLiteral("0"));
}

QString texto(const Grupo& g, std::uint8_t etiqueta) {
    const std::string* v = rb1::Valor(g, etiqueta);
    return v ? QString::fromStdString(*v) : QString();
}
void ler(const Grupo& g, std::uint8_t etiqueta, QString& v) {
    if (const std::string* s = rb1::Valor(g, etiqueta)) v = QString::fromStdString(*s);
}
void ler(const Grupo& g, std::uint8_t etiqueta, int& v) {
    bool ok = false;
    const int n = texto(g, etiqueta).toInt(&ok);
    if (ok) v = n;
}
void ler(const Grupo& g, std::uint8_t etiqueta, bool& v) {
    const QString t = texto(g, etiqueta);
    if (t == u"1") v = true;
    if (t == u"0") v = false;
}

Arquivo novo(Conteudo c, const QString& numSerie) {
    Arquivo a;
    a.conteudo = c;
    poe(a.campos, kNumSerie, numSerie);
    return a;
}

// The writer's and the reader's step for one field of a group.
auto escrita(Grupo& g) {
    return [&g](std::uint8_t etiqueta, const auto& valor) { poe(g, etiqueta, valor); };
}
auto leitura(const Grupo& g) {
    return [&g](std::uint8_t etiqueta, auto& valor) { ler(g, etiqueta, valor); };
}

// The fields of each kind with their tags, in the file's order: the one list that the writer (with const
// data) and the reader walk.
template <typename E, typename F> void camposEmpregador(E& e, F&& campo) {
    using namespace empregador;
    campo(razaoSocial, e.razaoSocial);
    campo(local, e.local);
    campo(cnpjCpf, e.cnpjCpf);
    campo(cei, e.cei);
    campo(tipoIdentificador, e.tipoIdentificador);
}

template <typename E, typename F> void camposEmpregado(E& e, F&& campo) {
    using namespace empregado;
    campo(nome, e.nome);
    campo(pis, e.pis);
    campo(cartao, e.cartao);
    campo(cartaoProx, e.cartaoProx);
    campo(teclado, e.teclado);
    campo(nomeExibicao, e.nomeExibicao);
    campo(senha, e.senha);
    campo(verificaBiometria, e.verificaBiometria);
}

template <typename C, typename F> void camposConfiguracao(C& c, F&& campo) {
    using namespace configuracao;
    campo(inicioHorarioVerao, c.inicioHorarioVerao);
    campo(fimHorarioVerao, c.fimHorarioVerao);
    campo(formatoCartaoBarras, c.formatoCartaoBarras);
    campo(numDigitosFixos, c.numDigitosFixos);
    campo(formatoCartaoProx, c.formatoCartaoProx);
    campo(senhaComunicacao, c.senhaComunicacao);
    campo(senhaBiometria, c.senhaBiometria);
    campo(senhaPendrive, c.senhaPendrive);
    campo(chaveComunicacao, c.chaveComunicacao);
    campo(gateway, c.gateway);
    campo(mascara, c.mascara);
    campo(porta, c.porta);
    campo(portaServidor, c.portaServidor);
    campo(repIniciaConexao, c.repIniciaConexao);
    campo(tempoEspera, c.tempoEspera);
    campo(ipServidor, c.ipServidor);
    campo(intervaloConexao, c.intervaloConexao);
    campo(hostHabilitado, c.hostHabilitado);
    campo(dns, c.dns);
    campo(hostDNS, c.hostDNS);
    campo(nomeRep, c.nomeRep);
    campo(local, c.local);
    campo(nitgenCaptura, c.nitgen.captura);
    campo(nitgenFiltro, c.nitgen.filtro);
    campo(nitgenIdentificacao, c.nitgen.identificacao);
    campo(nitgenVerificacao, c.nitgen.verificacao);
    campo(nitgenTimeOut, c.nitgen.timeOut);
    campo(nitgenLFD, c.nitgen.lfd);
    campo(lcIdentificacao, c.lc.identificacao);
    campo(lcTimeOut, c.lc.timeOut);
    campo(lcDedoDuplicado, c.lc.dedoDuplicado);
}
} // namespace

std::optional<Conteudo> SimRB1::ConteudoDaGeracao(int tipo) {
    switch (tipo) {
    case 1:
        return Conteudo::Empregador;
    case 2:
        return Conteudo::Empregados;
    case 15:
        return Conteudo::Configuracoes;
    case 10:
        return Conteudo::TemplatesNitgen;
    case 12:
        return Conteudo::TemplatesLC;
    default:
        return std::nullopt;
    }
}

std::optional<Conteudo> SimRB1::ConteudoDaImportacao(int tipo) {
    switch (tipo) {
    case 1:
        return Conteudo::Empregador;
    case 2:
        return Conteudo::Empregados;
    case 16:
        return Conteudo::Configuracoes;
    case 11:
        return Conteudo::TemplatesNitgen;
    case 13:
        return Conteudo::TemplatesLC;
    default:
        return std::nullopt;
    }
}

bool SimRB1::DeTemplates(Conteudo c) {
    return c == Conteudo::TemplatesNitgen || c == Conteudo::TemplatesLC;
}
FamiliaBio SimRB1::Familia(Conteudo c) {
    return c == Conteudo::TemplatesLC ? FamiliaBio::LC : FamiliaBio::Nitgen;
}

QString SimRB1::NomeArquivo(const QString& numSerie, Conteudo c) {
    QString serie;
    for (const QChar ch : numSerie.left(64))
        serie += (ch.isLetterOrNumber() && ch.unicode() < 128) || ch == u'-' ? ch : QChar(u'_');
    if (serie.isEmpty()) serie = QStringLiteral("sem_serie");
    const char* tipo = c == Conteudo::Empregador      ? "empregador"
                       : c == Conteudo::Empregados    ? "empregados"
                       : c == Conteudo::Configuracoes ? "configuracoes"
                       : c == Conteudo::TemplatesLC   ? "templates_lc"
                                                      : "templates_nitgen";
    return serie + u'_' + QLatin1String(tipo) + QStringLiteral(".RB1");
}

Arquivo SimRB1::ArquivoEmpregador(const QString& numSerie, const EmpregadorSim& e) {
    Arquivo a = novo(Conteudo::Empregador, numSerie);
    camposEmpregador(e, escrita(a.campos));
    return a;
}

Arquivo SimRB1::ArquivoEmpregados(const QString& numSerie, const QList<EmpregadoSim>& lista) {
    Arquivo a = novo(Conteudo::Empregados, numSerie);
    for (const EmpregadoSim& e : lista)
        camposEmpregado(e, escrita(a.registros.emplace_back()));
    return a;
}

Arquivo SimRB1::ArquivoConfiguracoes(const QString& numSerie, const ConfiguracaoSim& c) {
    Arquivo a = novo(Conteudo::Configuracoes, numSerie);
    camposConfiguracao(c, escrita(a.campos));
    return a;
}

Arquivo SimRB1::ArquivoTemplates(const QString& numSerie, FamiliaBio familia,
                                 const QList<EntradaBioSim>& lista) {
    Arquivo a = novo(familia == FamiliaBio::LC ? Conteudo::TemplatesLC : Conteudo::TemplatesNitgen, numSerie);
    for (const EntradaBioSim& e : lista) {
        Grupo& g = a.registros.emplace_back();
        poe(g, bio::pis, e.pis);
        poe(g, bio::template1, e.template1);
        if (!e.template2.isEmpty()) poe(g, bio::template2, e.template2);
    }
    return a;
}

EmpregadorSim SimRB1::Empregador(const Arquivo& a) {
    EmpregadorSim e;
    e.cadastrado = true;
    camposEmpregador(e, leitura(a.campos));
    return e;
}

QList<EmpregadoSim> SimRB1::Empregados(const Arquivo& a) {
    QList<EmpregadoSim> lista;
    lista.reserve(qsizetype(a.registros.size()));
    for (const Grupo& g : a.registros) {
        EmpregadoSim e;
        camposEmpregado(e, leitura(g));
        lista.append(e);
    }
    return lista;
}

ConfiguracaoSim SimRB1::Configuracoes(const Arquivo& a) {
    ConfiguracaoSim c;
    camposConfiguracao(c, leitura(a.campos));
    return c;
}

std::optional<QList<EntradaBioSim>> SimRB1::Templates(const Arquivo& a) {
    const FamiliaBio familia = Familia(a.conteudo);
    QList<EntradaBioSim> lista;
    lista.reserve(qsizetype(a.registros.size()));
    for (const Grupo& g : a.registros) {
        EntradaBioSim e;
        e.familia = familia;
        e.pis = texto(g, bio::pis);
        e.template1 = texto(g, bio::template1);
        e.template2 = texto(g, bio::template2);
        if (!TemplateValido(e.template1, familia)) return std::nullopt;
        if (!e.template2.isEmpty() && !TemplateValido(e.template2, familia)) return std::nullopt;
        lista.append(e);
    }
    return lista;
}
