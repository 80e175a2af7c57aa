// A non-visual file chooser component of the main window: a filter and the file name last chosen,
// run through the dialogs seam.
#pragma once

#include <QObject>
#include <QString>

class OpenDialog : public QObject {
    Q_OBJECT
public:
    OpenDialog(const char* name, const QString& filter, QObject* parent);
    QString Filter;
    QString FileName;
    // Opens the dialog, modal; true when a file was confirmed (FileName then holds its full path).
    bool Execute();
};
