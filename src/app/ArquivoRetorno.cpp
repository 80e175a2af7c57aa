#include "app/ArquivoRetorno.h"

#include "platform/fs/SafeFile.h"

QByteArray ArquivoRetorno::Conteudo(const QString& texto) {
    if (texto.isEmpty()) return {};
    return texto.toUtf8() + QByteArrayLiteral("\r\n");
}

bool ArquivoRetorno::Gravar(const QString& texto, QString* erro, QString* aviso) {
    const QByteArray bytes = Conteudo(texto);
    SafeFile::Options opcoes;
    opcoes.allowInPlace = true;
    const SafeFile::Result r =
        SafeFile::write(kNome, std::string_view(bytes.constData(), bytes.size()), opcoes);
    if (r.status == SafeFile::Status::RewrittenInPlace && aviso)
        *aviso = QStringLiteral(
                     "a pasta não aceita arquivos novos (%1); o arquivo existente foi reescrito no lugar")
                     .arg(QString::fromLocal8Bit(r.error.c_str()));
    if (r.ok()) return true;
    // In place but not known to last: no file rather than one that may vanish or be stale.
    if (r.renamed) SafeFile::remove(kNome);
    if (erro) *erro = QString::fromLocal8Bit(r.error.c_str());
    return false;
}

ArquivoRetorno::Anterior ArquivoRetorno::RemoverAnterior(QString* motivo) {
    std::string erro;
    const SafeFile::RemoveStatus s = SafeFile::remove(kNome, &erro);
    if (motivo) *motivo = QString::fromLocal8Bit(erro.c_str());
    switch (s) {
    case SafeFile::RemoveStatus::Removed:
        return Anterior::Removido;
    case SafeFile::RemoveStatus::Absent:
        return Anterior::Nenhum;
    case SafeFile::RemoveStatus::NotAFile:
        return Anterior::NaoEhArquivo;
    case SafeFile::RemoveStatus::Failed:
        break;
    }
    return Anterior::NaoRemovido;
}

QString ArquivoRetorno::Resumo(const QString& texto) {
    if (texto.size() <= kLimiteResumo) return texto;
    return texto.left(kLimiteResumo) +
           QStringLiteral("\n... (%1 caracteres ao todo; o texto completo vai para %2)")
               .arg(texto.size())
               .arg(QLatin1String(kNome));
}
