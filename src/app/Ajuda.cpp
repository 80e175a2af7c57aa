#include "app/Ajuda.h"

#include <cstdio>
#include <cstring>

#ifndef VELTOREP_VERSAO
#error "VELTOREP_VERSAO comes from the CMake project version"
#endif

namespace Ajuda {

Pedido PedidoDaLinha(int argc, const char* const argv[]) {
    if (argc != 2 || !argv[1]) return Pedido::Nenhum;
    const char* a = argv[1];
    if (std::strcmp(a, "--help") == 0 || std::strcmp(a, "-h") == 0) return Pedido::Uso;
    if (std::strcmp(a, "--version") == 0) return Pedido::Versao;
    return Pedido::Nenhum;
}

const char* TextoVersao() {
    return "SDKVeltoRep " VELTOREP_VERSAO "\n";
}

const char* TextoUso() {
    return R"(Uso:
  SDKVeltoRep                          abre a console
  SDKVeltoRep ARG1 OPERAÇÃO [REGISTROS [CPF [ARG5 [ARG6]]]]
                                       executa uma operação sem operador (modo automático)
  SDKVeltoRep --validar-afd ARQUIVO    valida um AFD e mostra o relatório (saída 0, 1 ou 2)
  SDKVeltoRep --help | -h              mostra este texto
  SDKVeltoRep --version                mostra a versão

Quando o segundo argumento é um número inteiro (2, +2, 0x2 e $2 valem 2), a execução é automática: a
operação é feita no REP 1 (o endereço de VELTOREP_REP_ADDRESS ou, sem ela, o endereço IPv4 deste
computador; porta 60000, tempo de espera 20, sem "REP Inicia comunicação"), o resultado é gravado em
retorno_rep.txt, no diretório em que o programa foi iniciado, e o programa termina. Não precisa de
tela. Com qualquer outro segundo argumento (ou nenhum), a console abre para o operador, exceto em
--validar-afd ARQUIVO. --help, -h e --version só valem como único argumento.

--validar-afd ARQUIVO confere um AFD (Portaria 671 ou 1510) e escreve o relatório na saída padrão, em
UTF-8: o resumo (leiaute, registros por tipo, faixa de NSR, resultado) e os problemas linha a linha. Não
precisa de tela e não toca em retorno_rep.txt. Termina com 0 quando o AFD é válido, 1 quando há problemas
e 2 quando o arquivo não pode ser lido (o motivo vai para a saída de erro). Só vale com exatamente esses
dois argumentos e quando ARQUIVO não é um número inteiro (um arquivo chamado 5 se passa como ./5): do
contrário a linha é lida como sempre, e "--validar-afd 5" é o modo automático com a operação 5.

Argumentos do modo automático:
  1          não é lido (qualquer texto)
  2          o número da operação
  3          operação 2: os empregados, registros nome@pis@cartao@teclado separados por |;
             operação 5: vazio (os registros novos) ou o NSR inicial, em decimal;
             demais operações: qualquer texto, exceto #NAO_EXEC#
  4          o CPF do responsável: 529.982.247-25 ou 52998224725
  5 e 6      não são lidos

Operações:
  1          solicita o relógio do REP
  2          envia os empregados do argumento 3 como a lista completa do REP (a anterior é substituída)
  3          solicita a lista de empregados do REP
  4          envia a exclusão dos PIS de demonstração 98765432111 e 12345678902
  5          coleta os registros do REP num arquivo AFD no diretório atual: os novos desde a última
             coleta (argumento 3 vazio) ou os do NSR do argumento 3 em diante. retorno_rep.txt traz
             {"RESULT" : "OK", "ARQUIVO" : "AFD...txt", "REGISTROS" : "350", "NSR_INICIAL" : "131",
             "NSR_FINAL" : "480", "VALIDO" : "Sim"}; sem registro novo, REGISTROS "0", os demais
             valores vazios e nenhum arquivo. O cursor de coleta do REP só avança depois que o AFD
             está gravado

Exemplos:
  SDKVeltoRep x 2 "Ana Lima@12011122299@501@11|Beto Reis@12022233388@502@22" 529.982.247-25
  VELTOREP_REP_ADDRESS=192.168.0.50 SDKVeltoRep x 5 "" 529.982.247-25
  SDKVeltoRep --validar-afd AFD0000412345678901211222333000181REP_C.txt

Status de saída:
  0          a operação foi executada e retorno_rep.txt traz o resultado (que pode ser um status do
             REP, como Timeout); também --help, -h e --version
  1          início interativo sem tela: nada foi aberto, nenhum arquivo gravado
  2          entrada inválida: os registros da operação 2, o NSR inicial da operação 5, um CPF
             recusado pelo SDK ou uma operação fora de 1 a 5; o arquivo traz o erro
  3          falha do cliente do SDK; o arquivo traz a mensagem
  4          retorno_rep.txt não pôde ser gravado (o motivo vai para a saída de erro)
  5          operação 5: o AFD não pôde ser gravado; o arquivo traz o motivo, e o cursor de
             coleta não mudou

Ambiente da console:
  VELTOREP_SDK_LIBRARY          biblioteca de um SDK real; sem ela, o simulador embutido atende
  VELTOREP_REP_ADDRESS          o endereço do REP 1 em toda operação automática; sem ela (ou vazia), o
                                endereço IPv4 deste computador
  XDG_STATE_HOME                onde fica a pasta de estado da console, SDKVeltoRep (padrão
                                ~/.local/state/SDKVeltoRep): o cursor de coleta de cada REP
  DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM
                                sem nenhuma delas, o modo automático usa a plataforma minimal do Qt
  VELTOREP_BENCH_SAIR_AO_MOSTRAR
                                só para os benchmarks: termina depois da primeira pintura da janela

Ambiente do simulador:
  VELTOREP_SIM_STATE_DIR        pasta dos arquivos de estado dos REPs
                                (padrão $XDG_STATE_HOME/SDKVeltoRep/simulador)
  VELTOREP_SIM_LATENCY_MS       tempo de resposta de um REP, em milissegundos (padrão 40)
  VELTOREP_SIM_FAULTS           endereco=error|timeout|rest|busy,...: REPs que respondem 1, 2, 3 ou 4
  VELTOREP_SIM_EMPLOYEE_STATUS  endereco=200 ou endereco=4: o status de cada empregado de uma lista
  VELTOREP_SIM_PAPER            endereco=N: o estado do papel, de 0 a 7 (padrão 7, com papel)
  VELTOREP_SIM_BIO_CAPACITY     usuários biométricos que um REP comporta (padrão 100)
  VELTOREP_SIM_BIO_POLLS        consultas respondidas 4 (aguarde) antes de 0 (padrão 2)
  VELTOREP_SIM_EMPLOYEES        endereco=N,...: o REP guarda N empregados inventados (para medir listas grandes)
  VELTOREP_SIM_RECORDS          endereco=N,...: o REP guarda N marcações em vez de 360
  VELTOREP_SIM_RECORDS_WAIT     consultas "não pronto" antes de cada registro da coleta (padrão 2)
  VELTOREP_SIM_RECORDS_FAIL     endereco,...: REPs cuja solicitação de registros responde 1
  VELTOREP_SIM_AFD=1510         os REPs criados daqui em diante gravam o AFD da Portaria 1510 (sem ela, o
                                da Portaria 671, de um REP-C); um REP guarda o leiaute com que foi criado
  VELTOREP_SIM_NITGEN=0         sem o objeto Nitgen: nenhum "Leitor LN"
  VELTOREP_SIM_NITGEN_READERS   leitores Nitgen encontrados (padrão 1)
  VELTOREP_SIM_NITGEN_ERRORS    open=N,extraction=N,capture=N: códigos de erro do leitor Nitgen
  VELTOREP_SIM_NITGEN_DELAY_MS  duração de uma captura Nitgen (padrão 0)
  VELTOREP_SIM_LC=0             a biblioteca LC não encontra leitor: nenhum "Leitor LC"
  VELTOREP_SIM_LC_INIT          o código que a inicialização da biblioteca LC responde (padrão 0)
  VELTOREP_SIM_LC_DELAY_MS      duração de uma captura LC (padrão 0)

Arquivos:
  retorno_rep.txt               o resultado do modo automático: uma linha JSON em UTF-8 terminada
                                em CR LF, no diretório em que o programa foi iniciado
  AFD...REP_C.txt               o AFD da operação 5, no diretório em que o programa foi iniciado;
                                um arquivo parcial (que não começa no NSR 1) leva a faixa no nome:
                                AFD...REP_C_NSR000000131-000000480.txt
  $XDG_STATE_HOME/SDKVeltoRep/coleta-ENDEREÇO.json
                                o cursor de coleta de um REP: o número de série e o último NSR lido
                                na última coleta de registros novos que chegou ao fim
  libSPL_ASO15.so               a biblioteca do leitor LC, procurada ao lado do executável e depois
                                no caminho do carregador
)";
}

bool Atender(int argc, const char* const argv[]) {
    const Pedido pedido = PedidoDaLinha(argc, argv);
    if (pedido == Pedido::Nenhum) return false;
    std::fputs(pedido == Pedido::Uso ? TextoUso() : TextoVersao(), stdout);
    std::fflush(stdout);
    return true;
}

} // namespace Ajuda
