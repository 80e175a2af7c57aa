// What makes the console a citizen of the Linux desktop: its desktop identity (the id its desktop entry,
// icon and AppStream metadata are installed under; the window icon) and Qt's own Portuguese texts for the
// standard buttons and dialogs, whatever the session's language, as the rest of the console speaks it.
#pragma once

#include <QString>

class QCoreApplication;

namespace IntegracaoDesktop {

// The reverse-DNS id: <id>.desktop, <id>.metainfo.xml, the icon's name.
inline const QString kIdDesktop = QStringLiteral("br.com.tarvix.SDKVeltoRep");
// The scalable icon, embedded as a Qt resource.
inline const QString kIcone = QStringLiteral(":/icones/br.com.tarvix.SDKVeltoRep.svg");

// Installs Qt's pt_BR translation (qtbase_pt_BR.qm from Qt's translations folder) into the application.
// Returns false, and changes nothing, when the file is missing or unreadable: Qt's texts then stay English.
bool CarregarTraducaoQt(QCoreApplication& app);
// The translation file looked for.
QString ArquivoTraducaoQt();

// The window icon and the desktop file name (the Wayland app id) of a GUI application.
void DefinirIdentidade();

// Once the application object exists: the translation always; the identity only for a window someone can
// see (a headless run's is drawn in memory, and loading the icon's image plugin would be most of its start).
void Preparar(QCoreApplication& app, bool janelaVisivel);

} // namespace IntegracaoDesktop
