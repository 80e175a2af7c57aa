#include "controls/RecentFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace {
QHash<QString, QString>& folders() {
    static QHash<QString, QString> f;
    return f;
}
} // namespace

QString RecentFolders::initial(const QString& kind) {
    QString folder = folders().value(kind);
    // Removed since: the nearest folder above it that is still there.
    while (!folder.isEmpty() && !QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).absolutePath();
        folder = parent == folder ? QString() : parent;
    }
    return folder.isEmpty() ? QDir::homePath() : folder;
}

void RecentFolders::remember(const QString& kind, const QString& folder) {
    if (!folder.isEmpty()) folders().insert(kind, QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
}

void RecentFolders::forgetAll() {
    folders().clear();
}
