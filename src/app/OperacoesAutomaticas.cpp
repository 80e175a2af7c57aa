// The unattended operations 1 to 4 (operation 5 is ColetaAutomatica.cpp): the shape of an interactive
// operation for REP 1, with the CPF from Edit1, "Aguarde.." in the progress panel and the outcome returned as
// JSON text.
#include "app/ExecucaoAutomatica.h"

#include "app/TextoJson.h"
#include "controls/StringGrid.h"
#include "controls/UiServices.h"
#include "ops/Operacao.h"
#include "ops/SdkRep.h"
#include "sdk/SDK_Velto_Rep_TLB.h"
#include "ui/main/frmSDKVeltoRep.h"
#include "ui/main/pages/PaginaAlteracoesEmpregados.h"
#include "ui/main/pages/PaginaConfiguracoes.h"
#include "ui/main/pages/PaginaRelogio.h"
#include "ui/main/pages/PaginaSolicitarDados.h"
#include "util/ContagemSdk.h"

#include <QLabel>
#include <QLineEdit>

using namespace ExecucaoAutomatica;

namespace {

const QString kInformeCpf = QStringLiteral("Informe o CPF!");

// An SDK text as it stands, without a copy.
QStringView Vista(const WideString& w) {
    const auto v = w.view();
    return QStringView(v.data(), qsizetype(v.size()));
}

// A grid's row count for n list positions, row 0 the headers; only the headers for a count that is no list.
int LinhasPara(int n) { return ContagemExcessiva(n) ? 1 : n + 1; }

} // namespace

// The preamble: returns the run's client, or null when the SDK refused the CPF (6).
TVeltoRepPlusSDK* ExecucaoAutomatica::PrepararAutomatico(TfrmSDK& f, const QString& ip, int portaPC,
                                                         int tempoEspera, bool repIniciaComunicacao) {
    // 1. "Aguarde.." on the progress panel before the blocking calls.
    MostrarAguarde(f, f.Label119);
    // 2. A new client, owned by the previous one.
    TVeltoRepPlusSDK* sdk = NovoClienteSDKRep();
    // 3-4. The CPF comes from the command line (Edit1), unchanged.
    if (sdk->DefinirParametrosComunicacao(f.tbpRelogio->Edit1->text(), ip, kChaveComunicacao, 0) == 6) return nullptr;
    // 5. The device opens the connection itself.
    if (repIniciaComunicacao) sdk->DefinirRepIniciaConexao(portaPC, tempoEspera);
    return sdk;
}

// {"error" : "<status text>"} for 0 to 4. A send answered otherwise still leaves a parseable line.
QString ExecucaoAutomatica::ErroDeStatus(int r) {
    if (const auto t = TextoStatusRetorno(r)) return TextoJson::Erro(*t);
    return TextoJson::Erro(QStringLiteral("Retorno desconhecido do SDK: %1").arg(r));
}

bool ExecucaoAutomatica::StatusDeFalha(int r) { return r >= 1 && r <= 4; }

std::optional<QString> ExecucaoAutomatica::LerRegistrosEmpregados(const QString& texto,
                                                                 QList<RegistroEmpregado>& registros) {
    registros.clear();
    if (texto.isEmpty())
        return QStringLiteral("Nenhum empregado informado: o terceiro argumento deve trazer os registros "
                              "nome@pis@cartao@teclado separados por |");
    QList<RegistroEmpregado> lidos;
    const QStringList partes = texto.split(u'|');
    for (qsizetype i = 0; i < partes.size(); ++i) {
        const QStringList campos = partes[i].split(u'@');
        if (campos.size() < 4)
            return QStringLiteral("O registro %1 do terceiro argumento tem %2 campo(s); cada empregado precisa de "
                                  "nome@pis@cartao@teclado")
                .arg(i + 1)
                .arg(campos.size());
        lidos.append({partes[i], campos[0], campos[1], campos[2], campos[3]});
    }
    registros = lidos;
    return std::nullopt;
}

Resultado ExecucaoAutomatica::SolicitarRelogio2(TfrmSDK& f, const QString& ip, int portaPC, int tempoEspera,
                                                bool repIniciaComunicacao) {
    TVeltoRepPlusSDK* sdk = PrepararAutomatico(f, ip, portaPC, tempoEspera, repIniciaComunicacao);
    if (!sdk) return {TextoJson::Erro(kInformeCpf), EntradaInvalida};
    // 1. Request.
    const int r = sdk->SolicitarRelogio();
    // 2. The clock is read whatever the request answered.
    const QString dados = QStringLiteral("{\"RESULT\" : \"OK\", \"RETORNO\" : \"") +
                          TextoJson::Escapar(Texto(sdk->LerRelogio())) + QStringLiteral("\"}");
    // 3. A failure status wins over the data.
    return {StatusDeFalha(r) ? ErroDeStatus(r) : dados};
}

Resultado ExecucaoAutomatica::EnviaEmpregados2(TfrmSDK& f, const QString& ip, int portaPC, int tempoEspera,
                                               bool repIniciaComunicacao) {
    // Bad records are refused before anything reaches the SDK: a partial list would replace the device's.
    const QString texto = f.tbpRelogio->Edit4->text();
    QList<RegistroEmpregado> registros;
    if (const auto erro = LerRegistrosEmpregados(texto, registros))
        return {TextoJson::Erro(*erro), EntradaInvalida};

    TVeltoRepPlusSDK* sdk = PrepararAutomatico(f, ip, portaPC, tempoEspera, repIniciaComunicacao);
    if (!sdk) {
        f.tbpConfiguracoes->lblResultadoEmpregados->setText(kInformeCpf);
        return {std::nullopt, EntradaInvalida};
    }
    // 1. A new complete list.
    sdk->InicializarListaEmpregados();
    // 2. The whole text on the panel.
    f.Label119->setText(texto);
    // 3. Every record, in order, each shown with its name while the message loop runs.
    for (const RegistroEmpregado& e : registros) {
        f.Label119->setText(e.registro);
        UiServices::pump().processEvents();
        f.Label119->setText(e.nome);
        UiServices::pump().processEvents();
        sdk->IncluirEmpregadosLista(e.nome, e.pis, e.cartao, e.cartao, e.teclado, e.nome, e.teclado, VARIANT_FALSE);
    }
    // 4-5. The list replaces the device's.
    return {ErroDeStatus(sdk->EnviarListaCompletaEmpregados())};
}

Resultado ExecucaoAutomatica::SolicitaDadosEmpregados2(TfrmSDK& f, const QString& ip, int portaPC, int tempoEspera,
                                                       bool repIniciaComunicacao) {
    PaginaSolicitarDados& p = *f.tbpSolicitarDados;
    TVeltoRepPlusSDK* sdk = PrepararAutomatico(f, ip, portaPC, tempoEspera, repIniciaComunicacao);
    if (!sdk) {
        p.lblResultadoDadosEmpregados->setText(kInformeCpf);
        return {std::nullopt, EntradaInvalida};
    }
    // 1. Request.
    const int r = sdk->SolicitarListaEmpregados();
    // 2. The count, read whatever the request answered.
    const int n = sdk->LerQtdeEmpregados();
    p.lblQuantidadeRep1->setText(QStringLiteral("Quantidade: ") + QString::number(n));
    p.dsgEmpregados1->SetRowCount(LinhasPara(n));
    // More employees than any device holds: a failed answer, nothing read.
    if (ContagemExcessiva(n)) return {TextoJson::Erro(TextoContagemExcessiva("LerQtdeEmpregados", n)), ExcecaoSdk};
    // 3. One object per position that answers 0, appended in place. 4. No employees: an empty text; else
    // the objects within brackets, also when every position was skipped.
    QString lista;
    if (n > 0) lista += u'[';
    bool primeiro = true;
    for (int i = 0; i < n; ++i) {
        if (sdk->LerPosicaoEmpregado(i) != 0) continue;
        const WideString nome = sdk->LerNome();
        const WideString pis = sdk->LerPis();
        const WideString cracha = sdk->LerCartaoBarras();
        if (!primeiro) lista += QStringLiteral(", ");
        primeiro = false;
        lista += QStringLiteral("{\"NOME\":\"");
        TextoJson::AcrescentarEscapado(lista, Vista(nome));
        lista += QStringLiteral("\", \"PIS\":\"");
        TextoJson::AcrescentarEscapado(lista, Vista(pis));
        lista += QStringLiteral("\", \"CRACHA\":\"");
        TextoJson::AcrescentarEscapado(lista, Vista(cracha));
        lista += QStringLiteral("\"}");
    }
    if (n > 0) lista += u']';
    // 5.
    return {StatusDeFalha(r) ? ErroDeStatus(r) : lista};
}

QString ExecucaoAutomatica::TextoStatusExclusao(int status) {
    switch (status) {
    case 0: return QStringLiteral("Excluído com sucesso");
    case 1: return QStringLiteral("Usuário não existe");
    case 3: return QStringLiteral("Não realizou a operação");
    case 4: return QStringLiteral("Erro na exclusão");
    case 200: return QStringLiteral("CPF Não cadastrado");
    default: return {};
    }
}

Resultado ExecucaoAutomatica::ExcluirEmpregados2(TfrmSDK& f, const QString& ip, int portaPC, int tempoEspera,
                                                 bool repIniciaComunicacao) {
    PaginaAlteracoesEmpregados& p = *f.tbpAlteracoesEmpregados;
    TVeltoRepPlusSDK* sdk = PrepararAutomatico(f, ip, portaPC, tempoEspera, repIniciaComunicacao);
    if (!sdk) {
        p.lblResultadoExclusoesEmpregados->setText(kInformeCpf);
        return {std::nullopt, EntradaInvalida};
    }
    // 1. The two demonstration PIS numbers.
    sdk->InicializarListaEmpregados();
    sdk->IncluirPisEmpregadoListaExclusao(u"98765432111");
    sdk->IncluirPisEmpregadoListaExclusao(u"12345678902");
    const int r = sdk->EnviarListaExclusaoEmpregados();
    // 2. One row per result; a status without text leaves its cell empty.
    const int n = sdk->LerQuantidade();
    if (n >= 0) p.dsgExclusoesRep1->SetRowCount(LinhasPara(n));
    if (ContagemExcessiva(n)) return {TextoJson::Erro(TextoContagemExcessiva("LerQuantidade", n)), ExcecaoSdk};
    for (int i = 0; i < n; ++i) {
        if (sdk->LerResultado(i) != 0) continue;
        p.dsgExclusoesRep1->SetCells(1, i + 1, Texto(sdk->LerPis()));
        p.dsgExclusoesRep1->SetCells(2, i + 1, TextoStatusExclusao(sdk->LerStatus()));
    }
    // 3.
    return {ErroDeStatus(r)};
}

// The window's methods: a method that sets no result (a refused CPF) leaves the default text.
QString TfrmSDK::SolicitarRelogio2(int, const QString& IP, int PortaPC, int TempoEspera,
                                   bool RepIniciaComunicacao) {
    return ExecucaoAutomatica::SolicitarRelogio2(*this, IP, PortaPC, TempoEspera, RepIniciaComunicacao)
        .texto.value_or(ExecucaoAutomatica::kResultadoPadrao);
}

QString TfrmSDK::EnviaEmpregados2(const QString& IP, int PortaPC, int TempoEspera,
                                  bool RepIniciaComunicacao) {
    return ExecucaoAutomatica::EnviaEmpregados2(*this, IP, PortaPC, TempoEspera, RepIniciaComunicacao)
        .texto.value_or(ExecucaoAutomatica::kResultadoPadrao);
}

QString TfrmSDK::SolicitaDadosEmpregados2(int, const QString& IP, int PortaPC, int TempoEspera,
                                          bool RepIniciaComunicacao) {
    return ExecucaoAutomatica::SolicitaDadosEmpregados2(*this, IP, PortaPC, TempoEspera, RepIniciaComunicacao)
        .texto.value_or(ExecucaoAutomatica::kResultadoPadrao);
}

QString TfrmSDK::ExcluirEmpregados2(int, const QString& IP, int PortaPC, int TempoEspera,
                                    bool RepIniciaComunicacao) {
    return ExecucaoAutomatica::ExcluirEmpregados2(*this, IP, PortaPC, TempoEspera, RepIniciaComunicacao)
        .texto.value_or(ExecucaoAutomatica::kResultadoPadrao);
}
