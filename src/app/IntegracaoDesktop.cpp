#include "app/IntegracaoDesktop.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

namespace IntegracaoDesktop {

QString ArquivoTraducaoQt() {
    return QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        .filePath(QStringLiteral("qtbase_pt_BR.qm"));
}

bool CarregarTraducaoQt(QCoreApplication& app) {
    // Owned by the application, so it lives as long as the texts it translates.
    auto* traducao = new QTranslator(&app);
    if (!traducao->load(ArquivoTraducaoQt()) || !QCoreApplication::installTranslator(traducao)) {
        delete traducao;
        return false;
    }
    return true;
}

void DefinirIdentidade() {
    QGuiApplication::setDesktopFileName(kIdDesktop);
    QApplication::setWindowIcon(QIcon(kIcone));
}

void Preparar(QCoreApplication& app, bool janelaVisivel) {
    CarregarTraducaoQt(app);
    if (janelaVisivel) DefinirIdentidade();
}

} // namespace IntegracaoDesktop
