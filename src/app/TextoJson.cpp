#include "app/TextoJson.h"

QString TextoJson::Escapar(const QString& valor) {
    QString s;
    s.reserve(valor.size());
    AcrescentarEscapado(s, valor);
    return s;
}

void TextoJson::AcrescentarEscapado(QString& s, QStringView valor) {
    // Runs of characters that need no escape go in whole.
    qsizetype inicio = 0;
    for (qsizetype i = 0; i < valor.size(); ++i) {
        const char16_t c = valor[i].unicode();
        if (c >= 0x20 && c != u'"' && c != u'\\') continue;
        s += valor.mid(inicio, i - inicio);
        inicio = i + 1;
        switch (c) {
        case u'"': s += QStringLiteral("\\\""); break;
        case u'\\': s += QStringLiteral("\\\\"); break;
        case u'\b': s += QStringLiteral("\\b"); break;
        case u'\f': s += QStringLiteral("\\f"); break;
        case u'\n': s += QStringLiteral("\\n"); break;
        case u'\r': s += QStringLiteral("\\r"); break;
        case u'\t': s += QStringLiteral("\\t"); break;
        default:
            s += QStringLiteral("\\u%1").arg(int(c), 4, 16, QChar(u'0'));
        }
    }
    s += valor.mid(inicio);
}

QString TextoJson::Erro(const QString& texto) {
    return QStringLiteral("{\"error\" : \"") + Escapar(texto) + QStringLiteral("\"}");
}
