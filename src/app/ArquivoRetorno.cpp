#include "app/ArquivoRetorno.h"

#include <QDir>
#include <QSaveFile>

QByteArray ArquivoRetorno::Conteudo(const QString& texto) {
    if (texto.isEmpty()) return {};
    return texto.toUtf8() + QByteArrayLiteral("\r\n");
}

bool ArquivoRetorno::Gravar(const QString& texto, QString* erro, const QString& pasta) {
    const QString caminho = pasta.isEmpty() ? QString::fromLatin1(kNome) : QDir(pasta).filePath(QString::fromLatin1(kNome));
    QSaveFile arquivo(caminho);
    const QByteArray bytes = Conteudo(texto);
    const bool ok = arquivo.open(QIODevice::WriteOnly) && arquivo.write(bytes) == bytes.size() && arquivo.commit();
    if (!ok && erro) *erro = arquivo.errorString();
    return ok;
}
