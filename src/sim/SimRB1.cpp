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
    using namespace empregador;
    Arquivo a = novo(Conteudo::Empregador, numSerie);
    poe(a.campos, razaoSocial, e.razaoSocial);
    poe(a.campos, local, e.local);
    poe(a.campos, cnpjCpf, e.cnpjCpf);
    poe(a.campos, cei, e.cei);
    poe(a.campos, tipoIdentificador, e.tipoIdentificador);
    return a;
}

Arquivo SimRB1::ArquivoEmpregados(const QString& numSerie, const QList<EmpregadoSim>& lista) {
    using namespace empregado;
    Arquivo a = novo(Conteudo::Empregados, numSerie);
    for (const EmpregadoSim& e : lista) {
        Grupo& g = a.registros.emplace_back();
        poe(g, nome, e.nome);
        poe(g, pis, e.pis);
        poe(g, cartao, e.cartao);
        poe(g, cartaoProx, e.cartaoProx);
        poe(g, teclado, e.teclado);
        poe(g, nomeExibicao, e.nomeExibicao);
        poe(g, senha, e.senha);
        poe(g, verificaBiometria, e.verificaBiometria);
    }
    return a;
}

Arquivo SimRB1::ArquivoConfiguracoes(const QString& numSerie, const ConfiguracaoSim& c) {
    using namespace configuracao;
    Arquivo a = novo(Conteudo::Configuracoes, numSerie);
    Grupo& g = a.campos;
    poe(g, inicioHorarioVerao, c.inicioHorarioVerao);
    poe(g, fimHorarioVerao, c.fimHorarioVerao);
    poe(g, formatoCartaoBarras, c.formatoCartaoBarras);
    poe(g, numDigitosFixos, c.numDigitosFixos);
    poe(g, formatoCartaoProx, c.formatoCartaoProx);
    poe(g, senhaComunicacao, c.senhaComunicacao);
    poe(g, senhaBiometria, c.senhaBiometria);
    poe(g, senhaPendrive, c.senhaPendrive);
    poe(g, chaveComunicacao, c.chaveComunicacao);
    poe(g, gateway, c.gateway);
    poe(g, mascara, c.mascara);
    poe(g, porta, c.porta);
    poe(g, portaServidor, c.portaServidor);
    poe(g, repIniciaConexao, c.repIniciaConexao);
    poe(g, tempoEspera, c.tempoEspera);
    poe(g, ipServidor, c.ipServidor);
    poe(g, intervaloConexao, c.intervaloConexao);
    poe(g, hostHabilitado, c.hostHabilitado);
    poe(g, dns, c.dns);
    poe(g, hostDNS, c.hostDNS);
    poe(g, nomeRep, c.nomeRep);
    poe(g, local, c.local);
    poe(g, nitgenCaptura, c.nitgen.captura);
    poe(g, nitgenFiltro, c.nitgen.filtro);
    poe(g, nitgenIdentificacao, c.nitgen.identificacao);
    poe(g, nitgenVerificacao, c.nitgen.verificacao);
    poe(g, nitgenTimeOut, c.nitgen.timeOut);
    poe(g, nitgenLFD, c.nitgen.lfd);
    poe(g, lcIdentificacao, c.lc.identificacao);
    poe(g, lcTimeOut, c.lc.timeOut);
    poe(g, lcDedoDuplicado, c.lc.dedoDuplicado);
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
    using namespace empregador;
    EmpregadorSim e;
    e.cadastrado = true;
    ler(a.campos, razaoSocial, e.razaoSocial);
    ler(a.campos, local, e.local);
    ler(a.campos, cnpjCpf, e.cnpjCpf);
    ler(a.campos, cei, e.cei);
    ler(a.campos, tipoIdentificador, e.tipoIdentificador);
    return e;
}

QList<EmpregadoSim> SimRB1::Empregados(const Arquivo& a) {
    using namespace empregado;
    QList<EmpregadoSim> lista;
    lista.reserve(qsizetype(a.registros.size()));
    for (const Grupo& g : a.registros) {
        EmpregadoSim e;
        ler(g, nome, e.nome);
        ler(g, pis, e.pis);
        ler(g, cartao, e.cartao);
        ler(g, cartaoProx, e.cartaoProx);
        ler(g, teclado, e.teclado);
        ler(g, nomeExibicao, e.nomeExibicao);
        ler(g, senha, e.senha);
        ler(g, verificaBiometria, e.verificaBiometria);
        lista.append(e);
    }
    return lista;
}

ConfiguracaoSim SimRB1::Configuracoes(const Arquivo& a) {
    using namespace configuracao;
    ConfiguracaoSim c;
    const Grupo& g = a.campos;
    ler(g, inicioHorarioVerao, c.inicioHorarioVerao);
    ler(g, fimHorarioVerao, c.fimHorarioVerao);
    ler(g, formatoCartaoBarras, c.formatoCartaoBarras);
    ler(g, numDigitosFixos, c.numDigitosFixos);
    ler(g, formatoCartaoProx, c.formatoCartaoProx);
    ler(g, senhaComunicacao, c.senhaComunicacao);
    ler(g, senhaBiometria, c.senhaBiometria);
    ler(g, senhaPendrive, c.senhaPendrive);
    ler(g, chaveComunicacao, c.chaveComunicacao);
    ler(g, gateway, c.gateway);
    ler(g, mascara, c.mascara);
    ler(g, porta, c.porta);
    ler(g, portaServidor, c.portaServidor);
    ler(g, repIniciaConexao, c.repIniciaConexao);
    ler(g, tempoEspera, c.tempoEspera);
    ler(g, ipServidor, c.ipServidor);
    ler(g, intervaloConexao, c.intervaloConexao);
    ler(g, hostHabilitado, c.hostHabilitado);
    ler(g, dns, c.dns);
    ler(g, hostDNS, c.hostDNS);
    ler(g, nomeRep, c.nomeRep);
    ler(g, local, c.local);
    ler(g, nitgenCaptura, c.nitgen.captura);
    ler(g, nitgenFiltro, c.nitgen.filtro);
    ler(g, nitgenIdentificacao, c.nitgen.identificacao);
    ler(g, nitgenVerificacao, c.nitgen.verificacao);
    ler(g, nitgenTimeOut, c.nitgen.timeOut);
    ler(g, nitgenLFD, c.nitgen.lfd);
    ler(g, lcIdentificacao, c.lc.identificacao);
    ler(g, lcTimeOut, c.lc.timeOut);
    ler(g, lcDedoDuplicado, c.lc.dedoDuplicado);
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
