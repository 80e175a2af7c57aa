#include "controls/OpenDialog.h"

#include "controls/UiServices.h"

OpenDialog::OpenDialog(const char* name, const QString& filter, QObject* parent) : QObject(parent), Filter(filter) {
    setObjectName(QString::fromLatin1(name));
}

bool OpenDialog::Execute() {
    const auto chosen = UiServices::dialogs().openFile(Filter, FileName);
    if (!chosen) return false;
    FileName = *chosen;
    return true;
}
