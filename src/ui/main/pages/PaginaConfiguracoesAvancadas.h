// Page 6 "Configurações Avançadas": per REP, the "REP Inicia comunicação" flag with the settings of the
// computer the device calls and of the device's network; the REP slots read the flag, port and wait time.
// Below the groups, the button that sends each REP its group's settings.
#pragma once

#include "ops/ConfiguracoesAvancadas.h"
#include "ui/main/Pagina.h"

class QLabel;
class QPushButton;

class PaginaConfiguracoesAvancadas : public Pagina {
    Q_OBJECT
public:
    explicit PaginaConfiguracoesAvancadas(ContextoOperacao& ctx);

    void chkRepIniciaComunicacaoClick() { aplicarRepIniciaComunicacao(rep1); }
    void chkRepIniciaComunicacao2Click() { aplicarRepIniciaComunicacao(rep2); }
    void chkHabilitarHostClick() { aplicarHabilitarHost(rep1); }
    void chkHabilitarHost2Click() { aplicarHabilitarHost(rep2); }
    void btnEnviarConfiguracoesAvancadasClick();

    // Slot 1 selects REP 1's group, any other number REP 2's.
    const GrupoRepAvancado& grupo(int numeroSlot) const { return numeroSlot == 1 ? rep1 : rep2; }

    // The design values of the settings a REP slot reads.
    static constexpr int kPortaPadraoRep1 = 60000, kPortaPadraoRep2 = 61000, kTempoEsperaPadrao = 20;

    GrupoRepAvancado rep1{}, rep2{};
    QPushButton* btnEnviarConfiguracoesAvancadas;
    QLabel* lblResultadoConfigAvancadas;

private:
    GrupoRepAvancado criarGrupo(const char* nomeGrupo, const QString& titulo, int x, const char* sufixo, int porta);
    void aplicarRepIniciaComunicacao(GrupoRepAvancado& g);
    void aplicarHabilitarHost(GrupoRepAvancado& g);

protected:
    void criarControles() override;
};
