#include "afd/AfdQt.h"

#include <QFile>

namespace afd {

Montagem MontarArquivo(const QStringList& linhas) {
    std::vector<std::u16string_view> v;
    v.reserve(std::size_t(linhas.size()));
    for (const QString& l : linhas)
        v.emplace_back(reinterpret_cast<const char16_t*>(l.utf16()), std::size_t(l.size()));
    return MontarArquivo(v);
}

ValidacaoArquivo ValidarArquivo(const QString& caminho) {
    return ValidarArquivo(QFile::encodeName(caminho).toStdString());
}

DataHora ParaDataHora(const QDateTime& t) {
    DataHora d;
    d.ano = t.date().year();
    d.mes = t.date().month();
    d.dia = t.date().day();
    d.hora = t.time().hour();
    d.minuto = t.time().minute();
    d.fusoMinutos = t.offsetFromUtc() / 60;
    return d;
}

} // namespace afd
