#include "controls/ResultFile.h"

#include "controls/RecentFolders.h"
#include "controls/UiServices.h"
#include "platform/fs/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool ResultFile::save(const QString& filter, const QString& suggested,
                      const std::function<QByteArray()>& bytes) {
    const auto caminho = UiServices::dialogs().escolherArquivoParaSalvar(filter, suggested,
                                                                         RecentFolders::initial(kFolderKind));
    if (!caminho) return false;
    RecentFolders::remember(kFolderKind, QFileInfo(*caminho).absolutePath());
    const QByteArray conteudo = bytes();
    const SafeFile::Result r =
        SafeFile::write(QFile::encodeName(*caminho).toStdString(),
                        std::string_view(conteudo.constData(), size_t(conteudo.size())));
    if (r.ok()) return true;
    const QString nativo = QDir::toNativeSeparators(*caminho);
    const QString motivo = QString::fromStdString(r.error);
    if (r.renamed) {
        // The new content is there, but whether it survives a crash is unknown.
        UiServices::dialogs().message(MessageKind::Warning,
                                      QStringLiteral("O arquivo %1 foi gravado, mas a gravação pode não ter "
                                                     "chegado ao disco: %2")
                                          .arg(nativo, motivo),
                                      int(MessageButton::Ok));
        return true;
    }
    UiServices::dialogs().message(
        MessageKind::Error, QStringLiteral("Não foi possível salvar o arquivo %1: %2").arg(nativo, motivo),
        int(MessageButton::Ok));
    return false;
}

QString ResultFile::suggestedName(const QString& objectName, const QString& extension) {
    QString nome = objectName;
    for (const QLatin1String prefixo : {QLatin1String("listbox"), QLatin1String("dsg")})
        if (nome.startsWith(prefixo) && nome.size() > prefixo.size()) {
            nome = nome.mid(prefixo.size());
            break;
        }
    if (nome.isEmpty()) nome = QStringLiteral("resultado");
    nome[0] = nome[0].toLower();
    return nome + u'.' + extension;
}
