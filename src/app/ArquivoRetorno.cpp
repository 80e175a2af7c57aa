#include "app/ArquivoRetorno.h"

#include <QSaveFile>

QByteArray ArquivoRetorno::Conteudo(const QString& texto) {
    if (texto.isEmpty()) return {};
    return texto.toUtf8() + QByteArrayLiteral("\r\n");
}

bool ArquivoRetorno::Gravar(const QString& texto, QString* erro) {
    QSaveFile arquivo(QString::fromLatin1(kNome));
    const QByteArray bytes = Conteudo(texto);
    const bool ok = arquivo.open(QIODevice::WriteOnly) && arquivo.write(bytes) == bytes.size() && arquivo.commit();
    if (!ok && erro) *erro = arquivo.errorString();
    return ok;
}

QString ArquivoRetorno::Resumo(const QString& texto) {
    if (texto.size() <= kLimiteResumo) return texto;
    return texto.left(kLimiteResumo) +
           QStringLiteral("\n... (%1 caracteres ao todo; o texto completo vai para %2)")
               .arg(texto.size())
               .arg(QLatin1String(kNome));
}
