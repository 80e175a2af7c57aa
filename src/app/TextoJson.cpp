#include "app/TextoJson.h"

QString TextoJson::Escapar(const QString& valor) {
    QString s;
    s.reserve(valor.size());
    for (const QChar c : valor) {
        switch (c.unicode()) {
        case u'"': s += QStringLiteral("\\\""); break;
        case u'\\': s += QStringLiteral("\\\\"); break;
        case u'\b': s += QStringLiteral("\\b"); break;
        case u'\f': s += QStringLiteral("\\f"); break;
        case u'\n': s += QStringLiteral("\\n"); break;
        case u'\r': s += QStringLiteral("\\r"); break;
        case u'\t': s += QStringLiteral("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                s += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
            else
                s += c;
        }
    }
    return s;
}

QString TextoJson::Erro(const QString& texto) {
    return QStringLiteral("{\"error\" : \"") + Escapar(texto) + QStringLiteral("\"}");
}
