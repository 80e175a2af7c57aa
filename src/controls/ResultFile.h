// Saving what a list or a grid shows into a file the operator chooses: the save-file seam opens at the
// folder results were last saved to (RecentFolders), the file is written whole or not at all (SafeFile),
// and a failure is told in a message box.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace ResultFile {

// The RecentFolders kind the saved results share.
inline const QString kFolderKind = QStringLiteral("resultados");

// Asks for the file (filter in the "Label|*.EXT" form, suggestedName filled in), then writes the bytes
// made by `bytes`. Returns true when the file was written; false when the operator cancelled or the write
// failed (then told).
bool save(const QString& filter, const QString& suggestedName, const std::function<QByteArray()>& bytes);

// A file name from a control's name: its kind prefix ("dsg", "listbox") dropped, the next letter lower
// case, the extension added ("dsgEmpregados1", "csv" -> "empregados1.csv").
QString suggestedName(const QString& objectName, const QString& extension);

} // namespace ResultFile
