// RB1 files: generation writes what the client staged into one file of the given folder; import reads a
// file back into what the Ler methods read. No device is addressed.
#include "sim/SimServer.h"

#include "platform/fs/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
// Generation's failures: 1 no folder or no writing, 2 templates that do not fit the file's reader family.
constexpr int kErro = 1, kTemplatesInvalidos = 2;
// Import: 1 the file cannot be read, is corrupt or of another kind; 5 templates of the other reader family.
constexpr int kOutraFamilia = 5;

bool TemplatesDaFamilia(const QList<EntradaBioSim>& lista, FamiliaBio familia) {
    if (lista.isEmpty()) return false;
    for (const EntradaBioSim& e : lista) {
        if (e.familia != familia || !TemplateValido(e.template1, familia)) return false;
        if (!e.template2.isEmpty() && !TemplateValido(e.template2, familia)) return false;
    }
    return true;
}

// Replaced whole or not at all, so that a failed write (a full disk included) leaves no half file; never
// through a link.
bool Gravar(const QString& pasta, const QString& nome, const std::string& bytes) {
    if (pasta.isEmpty() || !QFileInfo(pasta).isDir()) return false;
    const SafeFile::Result r =
        SafeFile::write(QFile::encodeName(QDir(pasta).filePath(nome)).toStdString(), bytes);
    if (r.renamed) SafeFile::remove(QFile::encodeName(QDir(pasta).filePath(nome)).toStdString());
    return r.ok();
}

// The whole file, when it is a regular file of a size the format allows.
std::optional<QByteArray> LerArquivo(const QString& caminho) {
    const QFileInfo info(caminho);
    if (caminho.isEmpty() || !info.isFile() || info.size() > SimRB1::kMaxTamanhoArquivo) return std::nullopt;
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = f.read(SimRB1::kMaxTamanhoArquivo + 1);
    if (bytes.size() > SimRB1::kMaxTamanhoArquivo) return std::nullopt;
    return bytes;
}
} // namespace

HRESULT SimServer::GerarArquivoRB1(BSTR numSerie, BSTR caminho, std::int32_t tipoArquivo,
                                   std::int32_t* result) {
    const auto conteudo = SimRB1::ConteudoDaGeracao(tipoArquivo);
    if (!conteudo) return numero(result, kErro);
    const QString serie = qs(numSerie);
    rb1::Arquivo arquivo;
    switch (*conteudo) {
    case rb1::Conteudo::Empregador: {
        if (!preparo().empregador) return numero(result, kErro);
        EmpregadorSim e = *preparo().empregador;
        e.local = preparo().local.value_or(QString());
        arquivo = SimRB1::ArquivoEmpregador(serie, e);
        break;
    }
    case rb1::Conteudo::Empregados:
        arquivo = SimRB1::ArquivoEmpregados(serie, preparo().listaEmpregados);
        break;
    case rb1::Conteudo::Configuracoes: {
        // A fresh device's configuration with everything staged laid over it, as a send would leave it.
        ConfiguracaoSim c;
        if (preparo().horarioVerao) preparo().horarioVerao->aplicar(c);
        if (preparo().formato) preparo().formato->aplicar(c);
        if (preparo().senhas) preparo().senhas->aplicar(c);
        c.chaveComunicacao = m_chave;
        // The REP-initiated connection's port and wait time, unless the advanced settings give their own.
        if (m_repIniciaConexao) {
            c.portaServidor = m_repIniciaConexao->first;
            c.tempoEspera = m_repIniciaConexao->second;
        }
        if (preparo().avancadas) preparo().avancadas->aplicar(c);
        if (preparo().ajusteNitgen) c.nitgen = *preparo().ajusteNitgen;
        if (preparo().ajusteLC) c.lc = *preparo().ajusteLC;
        c.local = preparo().local.value_or(QString());
        arquivo = SimRB1::ArquivoConfiguracoes(serie, c);
        break;
    }
    case rb1::Conteudo::TemplatesNitgen:
    case rb1::Conteudo::TemplatesLC: {
        const FamiliaBio familia = SimRB1::Familia(*conteudo);
        if (!TemplatesDaFamilia(bio().lista, familia)) return numero(result, kTemplatesInvalidos);
        arquivo = SimRB1::ArquivoTemplates(serie, familia, bio().lista);
        break;
    }
    }
    const auto bytes = rb1::Escrever(arquivo);
    if (!bytes) return numero(result, kErro);
    return numero(result, Gravar(qs(caminho), SimRB1::NomeArquivo(serie, *conteudo), *bytes) ? 0 : kErro);
}

HRESULT SimServer::ImportarArquivoRB1(BSTR, BSTR caminho, std::int32_t tipoArquivo, std::int32_t* result) {
    const auto esperado = SimRB1::ConteudoDaImportacao(tipoArquivo);
    if (!esperado) return numero(result, kErro);
    // An import that fails brings nothing back for its kind.
    switch (*esperado) {
    case rb1::Conteudo::Empregador:
        lido().empregador = {};
        break;
    case rb1::Conteudo::Empregados:
        rb1().empregados.clear();
        break;
    case rb1::Conteudo::Configuracoes:
        lido().semConfiguracao = true;
        break;
    case rb1::Conteudo::TemplatesNitgen:
    case rb1::Conteudo::TemplatesLC:
        bio().lista.clear();
        rb1().qtdeTemplates = 0;
        break;
    }
    const auto bytes = LerArquivo(qs(caminho));
    if (!bytes) return numero(result, kErro);
    const rb1::Leitura leitura = rb1::Ler(std::string_view(bytes->constData(), std::size_t(bytes->size())));
    if (leitura.falha != rb1::Falha::Nenhuma) return numero(result, kErro);
    const rb1::Arquivo& a = leitura.arquivo;
    if (a.conteudo != *esperado) {
        const bool outraFamilia = SimRB1::DeTemplates(a.conteudo) && SimRB1::DeTemplates(*esperado);
        return numero(result, outraFamilia ? kOutraFamilia : kErro);
    }
    switch (a.conteudo) {
    case rb1::Conteudo::Empregador:
        lido().empregador = SimRB1::Empregador(a);
        break;
    case rb1::Conteudo::Empregados:
        rb1().empregados = SimRB1::Empregados(a);
        break;
    case rb1::Conteudo::Configuracoes:
        lido().configuracao = SimRB1::Configuracoes(a);
        lido().semConfiguracao = false;
        // The local read back is the file's.
        lido().empregador = {};
        break;
    case rb1::Conteudo::TemplatesNitgen:
    case rb1::Conteudo::TemplatesLC: {
        const auto lista = SimRB1::Templates(a);
        if (!lista) return numero(result, kErro);
        bio().lista = *lista;
        rb1().qtdeTemplates = int(lista->size());
        break;
    }
    }
    return numero(result, 0);
}

HRESULT SimServer::LerQtdeEmpregadosRB1(std::int32_t* result) {
    return numero(result, int(rb1().empregados.size()));
}

HRESULT SimServer::DefinirPosicaoLeituraListaEmpregadosRB1(std::int32_t posicao, std::int32_t* result) {
    if (posicao < 0 || posicao >= rb1().empregados.size()) return numero(result, 1);
    lido().empregadoAtual = rb1().empregados[posicao];
    m_corrente = ListaCorrente::Empregados;
    return numero(result, 0);
}

HRESULT SimServer::LerQtdeTemplatesRB1(std::int32_t* result) {
    return numero(result, rb1().qtdeTemplates);
}
