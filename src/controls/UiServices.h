// The seams between the console and the window system's modal and blocking services: message boxes and
// file choosers, the error report for exceptions that end a click, event pumping, repainting and
// sleeping. The window uses the real ones; tests install doubles that answer without blocking.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

enum class MessageKind { Information, Warning, Error, Confirmation };
enum class MessageButton { Ok = 1, Yes = 2, No = 4, Cancel = 8 };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows a modal message; returns the button pressed (Cancel when the box was closed).
    virtual MessageButton message(MessageKind kind, const QString& text, int buttons) = 0;
    // A file-open dialog for one file, which need not exist; filter in the "Label|*.EXT" form. It opens at
    // initialFolder (the home folder when empty) with initialFileName's name filled in. Empty when
    // cancelled.
    virtual std::optional<QString> openFile(const QString& filter, const QString& initialFileName,
                                            const QString& initialFolder = QString()) = 0;
    // A folder browser rooted at root; folders only, no button for making one. Empty when cancelled.
    virtual std::optional<QString> chooseFolder(const QString& prompt, const QString& root) = 0;
    // A save dialog for one new or existing file (overwriting one is confirmed), filter in the
    // "Label|*.EXT" form, opening at initialFolder with suggestedName filled in; a name typed without the
    // filter's extension gets it. Empty when cancelled.
    virtual std::optional<QString> escolherArquivoParaSalvar(const QString& filter, const QString& suggestedName,
                                                             const QString& initialFolder) = 0;
};

class ErrorReport {
public:
    virtual ~ErrorReport() = default;
    // Reports an exception that ended a click: the real one shows a modal error box.
    virtual void report(const QString& message) = 0;
};

class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void processEvents() = 0;
};

class Sleeper {
public:
    virtual ~Sleeper() = default;
    virtual void sleepMs(int ms) = 0;
};

class Repainter {
public:
    virtual ~Repainter() = default;
    // Paints the widget now, so that a text is on screen before a blocking call.
    virtual void repaint(QWidget* w) = 0;
};

namespace UiServices {
Dialogs& dialogs();
ErrorReport& errors();
EventPump& pump();
Sleeper& sleeper();
Repainter& repainter();
// Tests install their doubles; nullptr restores the window system's own.
void setDialogs(Dialogs* d);
void setErrors(ErrorReport* e);
void setPump(EventPump* p);
void setSleeper(Sleeper* s);
void setRepainter(Repainter* r);

// Runs a handler so that no exception crosses Qt's signal dispatch: an exception ends the handler and
// goes to the error report.
void guarded(const std::function<void()>& handler);
} // namespace UiServices
