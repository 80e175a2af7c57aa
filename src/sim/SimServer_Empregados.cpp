// The employer and the employees: complete and individual lists, exclusions, and their requests.
#include "sim/SimServer.h"

#include "sim/SimKnobs.h"

#include <algorithm>

// --- Employer ------------------------------------------------------------------------------------

HRESULT SimServer::DefinirLocal(BSTR local, std::int32_t* result) {
    m_local = qs(local);
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
    m_empregador = e;
    return numero(result, 0);
}

HRESULT SimServer::EnviarEmpregador(std::int32_t* result) {
    if (!m_empregador) return numero(result, 1);
    int r = contatar();
    if (r == 0)
        r = alterar([this] {
            EmpregadorSim e = *m_empregador;
            e.local = m_local.value_or(rep().empregador.local);
            rep().empregador = e;
            aoEnviarEmpregador();
            return 0;
        });
    return numero(result, r);
}

HRESULT SimServer::SolicitarDadosEmpregador(std::int32_t* result) {
    // A request that failed brings nothing back.
    const int r = contatar();
    m_empregadorLido = r == 0 ? rep().empregador : EmpregadorSim{};
    return numero(result, r);
}

HRESULT SimServer::LerRazaoSocial(BSTR* result) { return texto(result, m_empregadorLido.razaoSocial); }
HRESULT SimServer::LerLocal(BSTR* result) {
    // The local of an imported configuration file, else that of the employer read.
    return texto(result, m_empregadorLido.local.isEmpty() ? m_configuracaoLida.local : m_empregadorLido.local);
}
HRESULT SimServer::LerIdentificador(BSTR* result) {
    return texto(result, m_empregadorLido.cadastrado ? QString::number(m_empregadorLido.tipoIdentificador) : QString());
}
HRESULT SimServer::LerCNPJ(BSTR* result) {
    return texto(result, m_empregadorLido.tipoIdentificador == 1 ? m_empregadorLido.cnpjCpf : QString());
}
HRESULT SimServer::LerCPF(BSTR* result) {
    return texto(result, m_empregadorLido.tipoIdentificador == 2 ? m_empregadorLido.cnpjCpf : QString());
}
HRESULT SimServer::LerCEI(BSTR* result) { return texto(result, m_empregadorLido.cei); }

// --- Employee lists ------------------------------------------------------------------------------

HRESULT SimServer::InicializarListaEmpregados() {
    m_listaEmpregados.clear();
    m_listaExclusao.clear();
    return S_OK;
}

HRESULT SimServer::InicializarListaPisEmpregadosExclusao() {
    m_listaExclusao.clear();
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
    m_listaEmpregados.append(e);
    return numero(result, 0);
}

HRESULT SimServer::IncluirPisEmpregadoListaExclusao(BSTR pis, std::int32_t* result) {
    m_listaExclusao.append(qs(pis));
    return numero(result, 0);
}

HRESULT SimServer::EnviarListaCompletaEmpregados(std::int32_t* result) {
    int r = contatar();
    if (r == 0)
        r = alterar([this] {
            // The complete list replaces the device's list.
            for (const EmpregadoSim& e : m_listaEmpregados)
                aoAlterarEmpregado(u'I', e);
            rep().empregados = m_listaEmpregados;
            return 0;
        });
    return numero(result, r);
}

HRESULT SimServer::EnviarListaIndividualEmpregados(std::int32_t* result) {
    m_resultados.clear();
    int r = contatar();
    if (r != 0) return numero(result, r);
    const int forcado = SimKnobs::get().statusEmpregados.value(m_endereco, -1);
    r = alterar([&] {
        for (const EmpregadoSim& e : m_listaEmpregados) {
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
            m_resultados.append({e.pis, status});
        }
        return 0;
    });
    // What the device could not keep it did not do.
    if (r != 0) m_resultados.clear();
    return numero(result, r);
}

HRESULT SimServer::EnviarListaExclusaoEmpregados(std::int32_t* result) {
    m_resultados.clear();
    int r = contatar();
    if (r != 0) return numero(result, r);
    r = alterar([this] {
        for (const QString& pis : std::as_const(m_listaExclusao)) {
            auto& lista = rep().empregados;
            auto it =
                std::find_if(lista.begin(), lista.end(), [&](const EmpregadoSim& x) { return x.pis == pis; });
            if (it == lista.end()) {
                m_resultados.append({pis, 1});
            } else {
                aoAlterarEmpregado(u'E', *it);
                lista.erase(it);
                m_resultados.append({pis, 0});
            }
        }
        return 0;
    });
    if (r != 0) m_resultados.clear();
    return numero(result, r);
}

HRESULT SimServer::SolicitarListaEmpregados(std::int32_t* result) {
    const int r = contatar();
    m_empregadosLidos = r == 0 ? rep().empregados : QList<EmpregadoSim>{};
    return numero(result, r);
}

HRESULT SimServer::LerQtdeEmpregados(std::int32_t* result) { return numero(result, int(m_empregadosLidos.size())); }

HRESULT SimServer::LerPosicaoEmpregado(std::int32_t index, std::int32_t* result) {
    if (index < 0 || index >= m_empregadosLidos.size()) return numero(result, 1);
    m_empregadoAtual = m_empregadosLidos[index];
    m_corrente = ListaCorrente::Empregados;
    return numero(result, 0);
}

HRESULT SimServer::LerNome(BSTR* result) { return texto(result, m_empregadoAtual.nome); }
HRESULT SimServer::LerNomeExibicao(BSTR* result) { return texto(result, m_empregadoAtual.nomeExibicao); }
HRESULT SimServer::LerSenha(BSTR* result) { return texto(result, m_empregadoAtual.senha); }
HRESULT SimServer::LerVerificarBiometria(BSTR* result) {
    return texto(result, m_empregadoAtual.verificaBiometria ? QStringLiteral("Sim") : QStringLiteral("Não"));
}
HRESULT SimServer::LerCartaoBarras(BSTR* result) { return texto(result, m_empregadoAtual.cartao); }
HRESULT SimServer::LerCartaoProx(BSTR* result) { return texto(result, m_empregadoAtual.cartaoProx); }
HRESULT SimServer::LerTeclado(BSTR* result) { return texto(result, m_empregadoAtual.teclado); }
