#include "ops/ArquivoAfd.h"

#include "afd/AfdQt.h"
#include "afd/TextoRelatorio.h"
#include "afd/Validacao.h"
#include "platform/fs/SafeFile.h"

#include <QFile>
#include <QFileInfo>

namespace {
QString utf8(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}
std::string nomeDe(const QString& caminho) {
    return QFileInfo(caminho).fileName().toStdString();
}
} // namespace

afd::Montagem MontarAfd(const QStringList& linhas) {
    return afd::MontarArquivo(linhas);
}

AfdSalvo GravarAfd(const afd::Montagem& m, const QString& caminho) {
    AfdSalvo r;
    r.caminho = caminho;
    if (!m.gravavel) {
        r.motivo = utf8(m.motivo);
        return r;
    }
    const SafeFile::Result g = SafeFile::write(QFile::encodeName(caminho).toStdString(), m.bytes);
    if (!g.ok() && !g.renamed) {
        r.motivo = QStringLiteral("O AFD não foi salvo em %1.\nMotivo: %2.").arg(caminho, utf8(g.error));
        return r;
    }
    r.gravado = true;
    for (const std::string& a : m.avisos)
        r.avisos << utf8(a);
    // In place, but the folder did not confirm the new name on disk.
    if (g.renamed)
        r.avisos << QStringLiteral("O AFD foi gravado, mas a gravação pode não ter chegado ao disco: %1")
                        .arg(utf8(g.error));
    // What was written is what was built: the check reads the same bytes.
    r.relatorio = afd::Validar(m.bytes);
    r.texto = QStringLiteral("AFD salvo em %1\n").arg(caminho);
    for (const QString& a : std::as_const(r.avisos))
        r.texto += a + u'\n';
    r.texto += u'\n' + utf8(afd::TextoRelatorio(r.relatorio, nomeDe(caminho)));
    return r;
}

AfdSalvo SalvarAfd(const QStringList& linhas, const QString& caminho) {
    return GravarAfd(MontarAfd(linhas), caminho);
}

AfdValidado ValidarAfd(const QString& caminho) {
    AfdValidado r;
    const afd::ValidacaoArquivo v = afd::ValidarArquivo(caminho);
    r.lido = v.lido;
    if (!v.lido) {
        r.erro = utf8(v.erro);
        return r;
    }
    r.relatorio = v.relatorio;
    r.texto = utf8(afd::TextoRelatorio(v.relatorio, nomeDe(caminho)));
    return r;
}
