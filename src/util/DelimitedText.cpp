#include "util/DelimitedText.h"

QString DelimitedText::field(const QString& text, QChar separator) {
    const bool aspas =
        text.contains(separator) || text.contains(u'"') || text.contains(u'\r') || text.contains(u'\n');
    if (!aspas) return text;
    QString f = text;
    f.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + f + u'"';
}

QByteArray DelimitedText::csv(int rows, int cols, const Cell& cell) {
    QByteArray out;
    QString linha;
    for (int r = 0; r < rows; ++r) {
        linha.clear();
        for (int c = 0; c < cols; ++c) {
            if (c > 0) linha += u',';
            linha += field(cell(r, c));
        }
        linha += QStringLiteral("\r\n");
        out += linha.toUtf8();
    }
    return out;
}

QString DelimitedText::tsv(int rows, int cols, const Cell& cell) {
    QString out;
    for (int r = 0; r < rows; ++r) {
        if (r > 0) out += u'\n';
        for (int c = 0; c < cols; ++c) {
            if (c > 0) out += u'\t';
            out += field(cell(r, c), u'\t');
        }
    }
    return out;
}
