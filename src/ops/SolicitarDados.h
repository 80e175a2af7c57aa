// The data requests of the pages "Solicitar dados do REP" and "Chave Pública": each asks one device for
// what it holds, reads the answer back value by value into that device's controls, then shows the
// request's result. Slot 1 writes the REP 1 controls, any other slot the REP 2 ones.
#pragma once

#include "ops/Operacao.h"
#include "ops/PorRep.h"

class QPlainTextEdit;
class StringGrid;

// One device's value labels, in the order they are read.
struct ValoresEmpregador {
    QLabel *lblSolicitarRazao, *lblSolicitarLocal, *lblSolicitarCNPJ, *lblSolicitarCPF, *lblSolicitarCEI;
};

struct ValoresEmpregados {
    QLabel* lblQuantidade;
    StringGrid* dsgEmpregados;
};

struct ValoresConfiguracoes {
    QLabel *lblIniHorarioVerao, *lblFimHorarioVerao;
    QLabel *lblFormatoCartaoBarras, *lblDigitosFixos, *lblFormatoCartaoProx;
    QLabel *lblSenhaComunicacao, *lblSenhaBiometria, *lblSenhaPendrive;
    QLabel *lblGateway, *lblMascara, *lblPorta;
    QLabel *lblPortaServidor, *lblIniciaConexao, *lblTempoEspera, *lblIpServidor, *lblIntervaloConexao,
        *lblHostHabilitado, *lblDNS, *lblHost;
    QLabel *lblBioCaptura, *lblBioFiltro, *lblBioIdentificacao, *lblBioTimeOut, *lblBioVerificacao,
        *lblBioLFD;
    QLabel *lblBioIdentificacaoLC, *lblBioTimeOutLC, *lblBioDedoDuplicadoLC;
};

struct ValoresInformacoes {
    QLabel *lblVersaoFW, *lblModeloBiometrico, *lblStatusRep, *lblNumSerie;
};

// The employee grid's eight columns (from column 1 on) and their widths.
extern const QStringList kCabecalhosEmpregados;
extern const QList<int> kLargurasEmpregados;

void SolicitarDadosEmpregadorRep(ContextoOperacao& ctx, const RepSlot& slot,
                                 QLabel* lblResultadoDadosEmpregador,
                                 const PorRep<ValoresEmpregador>& valores);
void SolicitarDadosEmpregadosRep(ContextoOperacao& ctx, const RepSlot& slot,
                                 QLabel* lblResultadoDadosEmpregados,
                                 const PorRep<ValoresEmpregados>& valores);
void SolicitarDadosConfiguracoesRep(ContextoOperacao& ctx, const RepSlot& slot,
                                    QLabel* lblResultadoSolicitarConfiguracoes,
                                    const PorRep<ValoresConfiguracoes>& valores);
void SolicitarDadosInformacoesRep(ContextoOperacao& ctx, const RepSlot& slot,
                                  QLabel* lblResultadoSolicitarInformacoesRep,
                                  const PorRep<ValoresInformacoes>& valores);
void SolicitarChavePublicaRep(ContextoOperacao& ctx, const RepSlot& slot,
                              QLabel* lblResultadoSolicitarChavePublica,
                              const PorRep<QPlainTextEdit*>& txtChavePublica);
