#include "sim/SimDados.h"

QJsonObject EmpregadoSim::toJson() const {
    return {{"nome", nome},       {"pis", pis},       {"cartao", cartao},
            {"cartaoProx", cartaoProx}, {"teclado", teclado}, {"nomeExibicao", nomeExibicao},
            {"senha", senha},     {"verificaBiometria", verificaBiometria}};
}

EmpregadoSim EmpregadoSim::fromJson(const QJsonObject& o) {
    EmpregadoSim e;
    e.nome = o.value("nome").toString();
    e.pis = o.value("pis").toString();
    e.cartao = o.value("cartao").toString();
    e.cartaoProx = o.value("cartaoProx").toString();
    e.teclado = o.value("teclado").toString();
    e.nomeExibicao = o.value("nomeExibicao").toString();
    e.senha = o.value("senha").toString();
    e.verificaBiometria = o.value("verificaBiometria").toBool();
    return e;
}

QList<EmpregadoSim> EmpregadosDemonstracao() {
    const struct {
        const char* nome;
        const char* pis;
        const char* cartao;
    } demo[] = {{"Ana Demonstração", "12011122233", "1001"},
                {"Bruno Demonstração", "12022233344", "1002"},
                {"Carla Demonstração", "12033344455", "1003"}};
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

EmpregadorSim EmpregadorSim::fromJson(const QJsonObject& o) {
    EmpregadorSim e;
    e.cadastrado = o.value("cadastrado").toBool();
    e.razaoSocial = o.value("razaoSocial").toString();
    e.local = o.value("local").toString();
    e.cnpjCpf = o.value("cnpjCpf").toString();
    e.cei = o.value("cei").toString();
    e.tipoIdentificador = o.value("tipoIdentificador").toInt(1);
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

ConfiguracaoSim ConfiguracaoSim::fromJson(const QJsonObject& o) {
    ConfiguracaoSim c;
    auto str = [&](const char* k, QString& v) { v = o.value(k).toString(v); };
    auto num = [&](const char* k, int& v) { v = o.value(k).toInt(v); };
    auto flag = [&](const char* k, bool& v) { v = o.value(k).toBool(v); };
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
    const QJsonObject n = o.value("nitgen").toObject();
    c.nitgen.captura = n.value("captura").toInt(c.nitgen.captura);
    c.nitgen.filtro = n.value("filtro").toInt(c.nitgen.filtro);
    c.nitgen.identificacao = n.value("identificacao").toInt(c.nitgen.identificacao);
    c.nitgen.verificacao = n.value("verificacao").toInt(c.nitgen.verificacao);
    c.nitgen.timeOut = n.value("timeOut").toInt(c.nitgen.timeOut);
    c.nitgen.lfd = n.value("lfd").toInt(c.nitgen.lfd);
    const QJsonObject l = o.value("lc").toObject();
    c.lc.identificacao = l.value("identificacao").toInt(c.lc.identificacao);
    c.lc.timeOut = l.value("timeOut").toInt(c.lc.timeOut);
    c.lc.dedoDuplicado = l.value("dedoDuplicado").toBool(c.lc.dedoDuplicado);
    str("local", c.local);
    return c;
}
