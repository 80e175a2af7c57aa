// The data a simulated device keeps, domain by domain, with their JSON forms for the state files.
#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

class LeitorEstado;

struct EmpregadoSim {
    QString nome, pis, cartao, cartaoProx, teclado, nomeExibicao, senha;
    bool verificaBiometria = false;

    QJsonObject toJson() const;
    static EmpregadoSim fromJson(const QJsonObject& o, const LeitorEstado& leitor);
    bool operator==(const EmpregadoSim&) const = default;
};

// The three demonstration employees a fresh device holds. Their identifiers have valid check digits both
// as a CPF (a REP-C's employees) and as a PIS (a 1510 device's).
QList<EmpregadoSim> EmpregadosDemonstracao();
// n employees made up from their number (VELTOREP_SIM_EMPLOYEES): "Empregado 000001", PIS 30000000001,
// card 1000001, keypad 1, and so on. A list that large is for measuring, so equal texts share storage.
QList<EmpregadoSim> EmpregadosGerados(int n);

struct EmpregadorSim {
    bool cadastrado = false;
    QString razaoSocial, local, cnpjCpf, cei;
    int tipoIdentificador = 1; // 1 CNPJ, 2 CPF

    QJsonObject toJson() const;
    static EmpregadorSim fromJson(const QJsonObject& o, const LeitorEstado& leitor);
};

struct AjusteNitgenSim {
    int captura = 1, filtro = 1, identificacao = 6, verificacao = 4, timeOut = 5, lfd = 0;
};

struct AjusteLCSim {
    int identificacao = 3, timeOut = 5;
    bool dedoDuplicado = false;
};

struct ConfiguracaoSim {
    QString inicioHorarioVerao, fimHorarioVerao; // "dd/MM/yyyy HH:mm", empty when none was set
    bool formatoDefinido = false;
    QString formatoCartaoBarras, formatoCartaoProx;
    int numDigitosFixos = 0;
    QString senhaComunicacao, senhaBiometria, senhaPendrive;
    QString chaveComunicacao;
    QString gateway = QStringLiteral("192.168.0.1"), mascara = QStringLiteral("255.255.255.0");
    int porta = 1818;
    bool repIniciaConexao = false;
    QString ipServidor;
    int portaServidor = 0, tempoEspera = 20, intervaloConexao = 5;
    bool hostHabilitado = false;
    QString hostDNS, dns, nomeRep;
    AjusteNitgenSim nitgen;
    AjusteLCSim lc;
    QString local; // the local staged with a configuration (RB1 configuration files carry one)

    QJsonObject toJson() const;
    static ConfiguracaoSim fromJson(const QJsonObject& o, const LeitorEstado& leitor);
};
