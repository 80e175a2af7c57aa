// The employer and the employees: complete and individual lists, exclusions, and their requests.
#include "sim/SimServer.h"

#include "sim/SimKnobs.h"

#include <algorithm>

// --- Employer ------------------------------------------------------------------------------------

HRESULT SimServer::DefinirLocal(BSTR local, std::int32_t* result) {
    preparo().local = qs(local);
    return numero(result, 0);
}

HRESULT SimServer::DefinirEmpregador(BSTR razaoSocial, BSTR cnpj_cpf, BSTR cei, std::int32_t tipoIdentificador,
                                     std::int32_t* result) {
    EmpregadorSim e;
    e.cadastrado = true;
    e.razaoSocial = qs(razaoSocial);
    e.cnpjCpf = qs(cnpj_cpf);
    e.cei = qs(cei);
    e.tipoIdentificador = tipoIdentificador;
    preparo().empregador = e;
    return numero(result, 0);
}

HRESULT SimServer::EnviarEmpregador(std::int32_t* result) {
    if (!preparo().empregador) return numero(result, 1);
    int r = contatar();
    if (r == 0)
        r = alterar([this] {
            EmpregadorSim e = *preparo().empregador;
            e.local = preparo().local.value_or(rep().empregador.local);
            rep().empregador = e;
            aoEnviarEmpregador();
            return 0;
        });
    return numero(result, r);
}

HRESULT SimServer::SolicitarDadosEmpregador(std::int32_t* result) {
    // A request that failed brings nothing back.
    const int r = contatar();
    lido().empregador = r == 0 ? rep().empregador : EmpregadorSim{};
    return numero(result, r);
}

HRESULT SimServer::LerRazaoSocial(BSTR* result) {
    return texto(result, lido().empregador.razaoSocial);
}
HRESULT SimServer::LerLocal(BSTR* result) {
    // The local of an imported configuration file, else that of the employer read.
    return texto(result,
                 lido().empregador.local.isEmpty() ? lido().configuracao.local : lido().empregador.local);
}
HRESULT SimServer::LerIdentificador(BSTR* result) {
    return texto(result, lido().empregador.cadastrado ? QString::number(lido().empregador.tipoIdentificador)
                                                      : QString());
}
HRESULT SimServer::LerCNPJ(BSTR* result) {
    return texto(result, lido().empregador.tipoIdentificador == 1 ? lido().empregador.cnpjCpf : QString());
}
HRESULT SimServer::LerCPF(BSTR* result) {
    return texto(result, lido().empregador.tipoIdentificador == 2 ? lido().empregador.cnpjCpf : QString());
}
HRESULT SimServer::LerCEI(BSTR* result) {
    return texto(result, lido().empregador.cei);
}

// --- Employee lists ------------------------------------------------------------------------------

HRESULT SimServer::InicializarListaEmpregados() {
    preparo().listaEmpregados.clear();
    preparo().listaExclusao.clear();
    return S_OK;
}

HRESULT SimServer::InicializarListaPisEmpregadosExclusao() {
    preparo().listaExclusao.clear();
    return S_OK;
}

HRESULT SimServer::IncluirEmpregadosLista(BSTR nome, BSTR pis, BSTR cartao, BSTR cartaoProx, BSTR teclado,
                                          BSTR nomeExibicao, BSTR senha, VARIANT_BOOL verificaBiometria,
                                          std::int32_t* result) {
    EmpregadoSim e;
    e.nome = qs(nome);
    e.pis = qs(pis);
    e.cartao = qs(cartao);
    e.cartaoProx = qs(cartaoProx);
    e.teclado = qs(teclado);
    e.nomeExibicao = qs(nomeExibicao);
    e.senha = qs(senha);
    e.verificaBiometria = verdadeiro(verificaBiometria);
    preparo().listaEmpregados.append(e);
    return numero(result, 0);
}

HRESULT SimServer::IncluirPisEmpregadoListaExclusao(BSTR pis, std::int32_t* result) {
    preparo().listaExclusao.append(qs(pis));
    return numero(result, 0);
}

HRESULT SimServer::EnviarListaCompletaEmpregados(std::int32_t* result) {
    int r = contatar();
    if (r == 0)
        r = alterar([this] {
            // The complete list replaces the device's list.
            for (const EmpregadoSim& e : preparo().listaEmpregados)
                aoAlterarEmpregado(u'I', e);
            rep().empregados = preparo().listaEmpregados;
            return 0;
        });
    return numero(result, r);
}

HRESULT SimServer::EnviarListaIndividualEmpregados(std::int32_t* result) {
    lido().resultados.clear();
    int r = contatar();
    if (r != 0) return numero(result, r);
    const int forcado = SimKnobs::get().statusEmpregados.value(m_endereco, -1);
    r = alterar([&] {
        for (const EmpregadoSim& e : preparo().listaEmpregados) {
            int status = 0;
            if (forcado >= 0) {
                status = forcado;
            } else if (!rep().empregador.cadastrado) {
                status = 5;
            } else {
                auto& lista = rep().empregados;
                auto it = std::find_if(lista.begin(), lista.end(),
                                       [&](const EmpregadoSim& x) { return x.pis == e.pis; });
                if (it == lista.end()) {
                    lista.append(e);
                    aoAlterarEmpregado(u'I', e);
                    status = 0;
                } else if (*it == e) {
                    status = 3;
                } else {
                    *it = e;
                    aoAlterarEmpregado(u'A', e);
                    status = 1;
                }
            }
            lido().resultados.append({e.pis, status});
        }
        return 0;
    });
    // What the device could not keep it did not do.
    if (r != 0) lido().resultados.clear();
    return numero(result, r);
}

HRESULT SimServer::EnviarListaExclusaoEmpregados(std::int32_t* result) {
    lido().resultados.clear();
    int r = contatar();
    if (r != 0) return numero(result, r);
    r = alterar([this] {
        for (const QString& pis : std::as_const(preparo().listaExclusao)) {
            auto& lista = rep().empregados;
            auto it =
                std::find_if(lista.begin(), lista.end(), [&](const EmpregadoSim& x) { return x.pis == pis; });
            if (it == lista.end()) {
                lido().resultados.append({pis, 1});
            } else {
                aoAlterarEmpregado(u'E', *it);
                lista.erase(it);
                lido().resultados.append({pis, 0});
            }
        }
        return 0;
    });
    if (r != 0) lido().resultados.clear();
    return numero(result, r);
}

HRESULT SimServer::SolicitarListaEmpregados(std::int32_t* result) {
    const int r = contatar();
    lido().empregados = r == 0 ? rep().empregados : QList<EmpregadoSim>{};
    return numero(result, r);
}

HRESULT SimServer::LerQtdeEmpregados(std::int32_t* result) {
    return numero(result, int(lido().empregados.size()));
}

HRESULT SimServer::LerPosicaoEmpregado(std::int32_t index, std::int32_t* result) {
    if (index < 0 || index >= lido().empregados.size()) return numero(result, 1);
    lido().empregadoAtual = lido().empregados[index];
    m_corrente = ListaCorrente::Empregados;
    return numero(result, 0);
}

HRESULT SimServer::LerNome(BSTR* result) {
    return texto(result, lido().empregadoAtual.nome);
}
HRESULT SimServer::LerNomeExibicao(BSTR* result) {
    return texto(result, lido().empregadoAtual.nomeExibicao);
}
HRESULT SimServer::LerSenha(BSTR* result) {
    return texto(result, lido().empregadoAtual.senha);
}
HRESULT SimServer::LerVerificarBiometria(BSTR* result) {
    return texto(result,
                 lido().empregadoAtual.verificaBiometria ? QStringLiteral("Sim") : QStringLiteral("Não"));
}
HRESULT SimServer::LerCartaoBarras(BSTR* result) {
    return texto(result, lido().empregadoAtual.cartao);
}
HRESULT SimServer::LerCartaoProx(BSTR* result) {
    return texto(result, lido().empregadoAtual.cartaoProx);
}
HRESULT SimServer::LerTeclado(BSTR* result) {
    return texto(result, lido().empregadoAtual.teclado);
}
