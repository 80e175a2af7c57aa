// A non-visual file chooser component of the main window: a filter and the file name last chosen,
// run through the dialogs seam. It opens at the folder last used by a chooser of its kind (RecentFolders),
// or the home folder.
#pragma once

#include <QObject>
#include <QString>

class OpenDialog : public QObject {
    Q_OBJECT
public:
    OpenDialog(const char* name, const QString& filter, QObject* parent,
               const QString& folderKind = QString());
    QString Filter;
    QString FileName;
    // The RecentFolders kind it shares its folder with.
    QString FolderKind;
    // Opens the dialog, modal; true when a file was confirmed (FileName then holds its full path).
    bool Execute();
};
