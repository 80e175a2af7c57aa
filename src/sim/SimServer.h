// The device SDK simulator: one server object per client. It keeps what its client staged, requested and
// read, and talks to the simulated device at the address given in DefinirParametrosComunicacao.
// The methods are defined domain by domain in SimServer_*.cpp.
#pragma once

#include "sdk/VeltoRepServerBase.h"
#include "sim/SimBio.h"
#include "sim/SimColeta.h"
#include "sim/SimDados.h"
#include "sim/SimDevice.h"
#include "sim/SimRB1.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class SimServer : public VeltoRepServerBase {
public:
    SimServer();
    ~SimServer() override;

#define VR_WS BSTR
#define VR_INT std::int32_t
#define VR_WB VARIANT_BOOL
#define VR_SIM_INT(slot, name, params, args) HRESULT STDMETHODCALLTYPE name(VR_JOIN(params, std::int32_t* result)) override;
#define VR_SIM_STR(slot, name) HRESULT STDMETHODCALLTYPE name(BSTR* result) override;
#define VR_SIM_PROC(slot, name) HRESULT STDMETHODCALLTYPE name() override;
    VELTOREP_CATALOGUE(VR_SIM_INT, VR_SIM_STR, VR_SIM_PROC)
#undef VR_SIM_INT
#undef VR_SIM_STR
#undef VR_SIM_PROC
#undef VR_WS
#undef VR_INT
#undef VR_WB

    // Conversions at the interface's edge.
    static QString qs(BSTR b);
    static HRESULT texto(BSTR* out, const QString& value);
    static HRESULT numero(std::int32_t* out, int value);
    static bool verdadeiro(VARIANT_BOOL b) { return b != VARIANT_FALSE; }
    static bool cpfValido(const QString& cpf);

private:
    // Contacting the device for a send or request: waits the configured latency, then answers 0 when the
    // device can be reached, or the fault the knobs give its address (1 to 4); 2 when there is no address,
    // 1 when the CPF was refused.
    int contatar();
    SimDevice& rep() { return *m_rep; }
    // A change to the device, made under its lock on its state reread from the state file (another
    // process may have changed it). `mudanca` returns 0 to keep what it did, or the answer to give without
    // keeping anything. 1 when the device could not keep the change: a device that cannot keep a change
    // does not report it kept.
    int alterar(const std::function<int()>& mudanca);
    bool formatoAceito() const;

    // Events the device writes into its own record log (record collection).
    void aoAjustarRelogio(const QDateTime& antes, const QDateTime& depois);
    void aoEnviarEmpregador();
    void aoAlterarEmpregado(QChar operacao, const EmpregadoSim& e);

    // Connection: what every client holds. Every client lives until the program ends, so the rest is made
    // when a call first needs it; a client that only asks for the clock carries nothing else.
    // m_cpf: the CPF of the person responsible, written into the records the device keeps for a change.
    QString m_cpf, m_endereco, m_chave;
    bool m_cpfAceito = false;
    SimDevice* m_rep = nullptr;
    std::optional<std::pair<int, int>> m_repIniciaConexao; // porta servidor, tempo de espera
    QDateTime m_relogioLido;                               // the clock the last request read

    // Staged for the next send or file. Each group lays itself over a configuration, the device's on a
    // send, a fresh one for an RB1 configuration file.
    struct Senhas {
        QString comunicacao, pendrive, bio;
        void aplicar(ConfiguracaoSim& c) const;
    };
    struct Formato {
        QString barras, prox;
        int digitosFixos = 0;
        void aplicar(ConfiguracaoSim& c) const;
    };
    struct HorarioVerao {
        QString inicio, fim;
        void aplicar(ConfiguracaoSim& c) const;
    };
    struct Avancadas {
        bool repCliente = false;
        QString ipServidor;
        int portaServidor = 0;
        QString mascara, gateway;
        int intervaloConexao = 0, tempoEspera = 0;
        bool hostHabilitado = false;
        QString hostDNS, dns, nomeRep;
        void aplicar(ConfiguracaoSim& c) const;
    };
    struct Preparo {
        std::optional<Senhas> senhas;
        std::optional<Formato> formato;
        std::optional<HorarioVerao> horarioVerao;
        std::optional<Avancadas> avancadas;
        std::optional<AjusteNitgenSim> ajusteNitgen;
        std::optional<AjusteLCSim> ajusteLC;
        std::optional<QString> local;
        std::optional<EmpregadorSim> empregador;
        QString arquivoTLM;
        QList<EmpregadoSim> listaEmpregados;
        QStringList listaExclusao;
    };

    // Per-entry results of the last individual list or exclusion
    struct ResultadoSim {
        QString pis;
        int status = 0;
    };

    // What the last requests brought back, and the list entry made current.
    struct Lido {
        QList<ResultadoSim> resultados;
        EmpregadorSim empregador;
        QList<EmpregadoSim> empregados;
        ConfiguracaoSim configuracao;
        // A configuration request that failed brought nothing back: its reads are empty.
        bool semConfiguracao = false;
        QString versaoFirmware, modeloBiometrico, statusRep, numeroSerie, chavePublica;
        int statusPapel = 0;
        EmpregadoSim empregadoAtual;
        ResultadoSim resultadoAtual;
    };
    HRESULT textoConfiguracao(BSTR* out, const QString& value);

    // The list entry that the Ler methods read (LerPis serves several lists)
    enum class ListaCorrente { Nenhuma, Empregados, Resultados, Bio };
    ListaCorrente m_corrente = ListaCorrente::Nenhuma;

    std::unique_ptr<Preparo> m_preparo;
    std::unique_ptr<Lido> m_lido;
    std::unique_ptr<SessaoColeta> m_coleta;
    std::unique_ptr<SessaoBio> m_bio;
    std::unique_ptr<SessaoRB1> m_rb1;
    // Each made on first use.
    Preparo& preparo();
    Lido& lido();
    SessaoColeta& coleta();
    SessaoBio& bio();
    SessaoRB1& rb1();
};
