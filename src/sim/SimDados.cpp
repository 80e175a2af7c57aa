#include "sim/SimDados.h"

#include "sim/LeitorEstado.h"

QJsonObject EmpregadoSim::toJson() const {
    return {{"nome", nome},       {"pis", pis},       {"cartao", cartao},
            {"cartaoProx", cartaoProx}, {"teclado", teclado}, {"nomeExibicao", nomeExibicao},
            {"senha", senha},     {"verificaBiometria", verificaBiometria}};
}

EmpregadoSim EmpregadoSim::fromJson(const QJsonObject& o, const LeitorEstado& l) {
    EmpregadoSim e;
    e.nome = l.texto(o, "nome", {});
    e.pis = l.texto(o, "pis", {});
    e.cartao = l.texto(o, "cartao", {});
    e.cartaoProx = l.texto(o, "cartaoProx", {});
    e.teclado = l.texto(o, "teclado", {});
    e.nomeExibicao = l.texto(o, "nomeExibicao", {});
    e.senha = l.texto(o, "senha", {});
    e.verificaBiometria = l.flag(o, "verificaBiometria", false);
    return e;
}

QList<EmpregadoSim> EmpregadosDemonstracao() {
    const struct {
        const char* nome;
        const char* pis;
        const char* cartao;
    } demo[] = {{"Ana Demonstração", "29011122267", "1001"},
                {"Bruno Demonstração", "29022233316", "1002"},
                {"Carla Demonstração", "29033344475", "1003"}};
    QList<EmpregadoSim> lista;
    int k = 1;
    for (const auto& e : demo) {
        EmpregadoSim emp;
        emp.nome = QString::fromUtf8(e.nome);
        emp.nomeExibicao = emp.nome.section(u' ', 0, 0);
        emp.pis = QString::fromLatin1(e.pis);
        emp.cartao = emp.cartaoProx = QString::fromLatin1(e.cartao);
        emp.teclado = QString::number(k++);
        emp.senha = QStringLiteral("1234");
        lista.append(emp);
    }
    return lista;
}

QList<EmpregadoSim> EmpregadosGerados(int n) {
    QList<EmpregadoSim> lista;
    lista.reserve(n);
    const QString senha = QStringLiteral("1234");
    for (int i = 1; i <= n; ++i) {
        EmpregadoSim e;
        e.nome = QStringLiteral("Empregado %1").arg(i, 6, 10, QChar(u'0'));
        e.nomeExibicao = e.nome;
        e.pis = QString::number(30000000000LL + i);
        e.cartao = e.cartaoProx = QString::number(1000000 + i);
        e.teclado = QString::number(i);
        e.senha = senha;
        lista.append(e);
    }
    return lista;
}

QJsonObject EmpregadorSim::toJson() const {
    return {{"cadastrado", cadastrado}, {"razaoSocial", razaoSocial}, {"local", local},
            {"cnpjCpf", cnpjCpf},       {"cei", cei},                 {"tipoIdentificador", tipoIdentificador}};
}

EmpregadorSim EmpregadorSim::fromJson(const QJsonObject& o, const LeitorEstado& l) {
    EmpregadorSim e;
    e.cadastrado = l.flag(o, "cadastrado", false);
    e.razaoSocial = l.texto(o, "razaoSocial", {});
    e.local = l.texto(o, "local", {});
    e.cnpjCpf = l.texto(o, "cnpjCpf", {});
    e.cei = l.texto(o, "cei", {});
    e.tipoIdentificador = l.inteiro(o, "tipoIdentificador", 1);
    return e;
}

QJsonObject ConfiguracaoSim::toJson() const {
    return {
        {"inicioHorarioVerao", inicioHorarioVerao},
        {"fimHorarioVerao", fimHorarioVerao},
        {"formatoDefinido", formatoDefinido},
        {"formatoCartaoBarras", formatoCartaoBarras},
        {"formatoCartaoProx", formatoCartaoProx},
        {"numDigitosFixos", numDigitosFixos},
        {"senhaComunicacao", senhaComunicacao},
        {"senhaBiometria", senhaBiometria},
        {"senhaPendrive", senhaPendrive},
        {"chaveComunicacao", chaveComunicacao},
        {"gateway", gateway},
        {"mascara", mascara},
        {"porta", porta},
        {"repIniciaConexao", repIniciaConexao},
        {"ipServidor", ipServidor},
        {"portaServidor", portaServidor},
        {"tempoEspera", tempoEspera},
        {"intervaloConexao", intervaloConexao},
        {"hostHabilitado", hostHabilitado},
        {"hostDNS", hostDNS},
        {"dns", dns},
        {"nomeRep", nomeRep},
        {"nitgen",
         QJsonObject{{"captura", nitgen.captura},
                     {"filtro", nitgen.filtro},
                     {"identificacao", nitgen.identificacao},
                     {"verificacao", nitgen.verificacao},
                     {"timeOut", nitgen.timeOut},
                     {"lfd", nitgen.lfd}}},
        {"lc", QJsonObject{{"identificacao", lc.identificacao}, {"timeOut", lc.timeOut}, {"dedoDuplicado", lc.dedoDuplicado}}},
        {"local", local},
    };
}

ConfiguracaoSim ConfiguracaoSim::fromJson(const QJsonObject& o, const LeitorEstado& l) {
    ConfiguracaoSim c;
    auto str = [&](const char* k, QString& v) { v = l.texto(o, k, v); };
    auto num = [&](const char* k, int& v) { v = l.inteiro(o, k, v); };
    auto flag = [&](const char* k, bool& v) { v = l.flag(o, k, v); };
    str("inicioHorarioVerao", c.inicioHorarioVerao);
    str("fimHorarioVerao", c.fimHorarioVerao);
    flag("formatoDefinido", c.formatoDefinido);
    str("formatoCartaoBarras", c.formatoCartaoBarras);
    str("formatoCartaoProx", c.formatoCartaoProx);
    num("numDigitosFixos", c.numDigitosFixos);
    str("senhaComunicacao", c.senhaComunicacao);
    str("senhaBiometria", c.senhaBiometria);
    str("senhaPendrive", c.senhaPendrive);
    str("chaveComunicacao", c.chaveComunicacao);
    str("gateway", c.gateway);
    str("mascara", c.mascara);
    num("porta", c.porta);
    flag("repIniciaConexao", c.repIniciaConexao);
    str("ipServidor", c.ipServidor);
    num("portaServidor", c.portaServidor);
    num("tempoEspera", c.tempoEspera);
    num("intervaloConexao", c.intervaloConexao);
    flag("hostHabilitado", c.hostHabilitado);
    str("hostDNS", c.hostDNS);
    str("dns", c.dns);
    str("nomeRep", c.nomeRep);
    const QJsonObject n = l.objeto(o, "nitgen");
    const LeitorEstado ln = l.dentro(QStringLiteral("nitgen"));
    c.nitgen.captura = ln.inteiro(n, "captura", c.nitgen.captura);
    c.nitgen.filtro = ln.inteiro(n, "filtro", c.nitgen.filtro);
    c.nitgen.identificacao = ln.inteiro(n, "identificacao", c.nitgen.identificacao);
    c.nitgen.verificacao = ln.inteiro(n, "verificacao", c.nitgen.verificacao);
    c.nitgen.timeOut = ln.inteiro(n, "timeOut", c.nitgen.timeOut);
    c.nitgen.lfd = ln.inteiro(n, "lfd", c.nitgen.lfd);
    const QJsonObject lc = l.objeto(o, "lc");
    const LeitorEstado llc = l.dentro(QStringLiteral("lc"));
    c.lc.identificacao = llc.inteiro(lc, "identificacao", c.lc.identificacao);
    c.lc.timeOut = llc.inteiro(lc, "timeOut", c.lc.timeOut);
    c.lc.dedoDuplicado = llc.flag(lc, "dedoDuplicado", c.lc.dedoDuplicado);
    str("local", c.local);
    return c;
}
