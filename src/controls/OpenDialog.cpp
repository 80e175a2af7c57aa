#include "controls/OpenDialog.h"

#include "controls/RecentFolders.h"
#include "controls/UiServices.h"

#include <QFileInfo>

OpenDialog::OpenDialog(const char* name, const QString& filter, QObject* parent, const QString& folderKind)
    : QObject(parent), Filter(filter), FolderKind(folderKind) {
    setObjectName(QString::fromLatin1(name));
}

bool OpenDialog::Execute() {
    const auto chosen = UiServices::dialogs().openFile(Filter, FileName, RecentFolders::initial(FolderKind));
    if (!chosen) return false;
    FileName = *chosen;
    RecentFolders::remember(FolderKind, QFileInfo(FileName).absolutePath());
    return true;
}
