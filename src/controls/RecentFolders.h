// The folder a file or folder chooser opens at: the last one the operator used with a chooser of the same
// kind in this session, or the home folder. In memory only: the console writes no settings.
#pragma once

#include <QString>

namespace RecentFolders {
// Choosers that look at the same files share a kind (e.g. the folder RB1 files are written to and the
// file chooser that reads them back). A folder that is gone falls back to its nearest existing parent.
QString initial(const QString& kind);
// Remembers the folder the operator just used (for a file, the folder that holds it).
void remember(const QString& kind, const QString& folder);
// Forgets every folder (for tests).
void forgetAll();
} // namespace RecentFolders
