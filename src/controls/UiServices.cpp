#include "controls/UiServices.h"

#include "util/Exceptions.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QThread>
#include <QWidget>

namespace {

QWidget* activeWindow() { return QApplication::activeWindow(); }

QString pastaOuCasa(const QString& pasta) { return pasta.isEmpty() ? QDir::homePath() : pasta; }

// "Arquivos .RB1|*.RB1" -> "Arquivos .RB1 (*.RB1 *.rb1)"
QString qtFilter(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QString qt;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (!qt.isEmpty()) qt += QStringLiteral(";;");
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        const QString lower = patterns.toLower();
        qt += parts[i] + QStringLiteral(" (") + patterns + (lower != patterns ? u' ' + lower : QString()) + u')';
    }
    return qt;
}

// Qt's own file dialog (a native one may insist on an existing file) for one file that need not exist yet.
void umArquivo(QFileDialog& dialog, QFileDialog::AcceptMode modo) {
    dialog.setAcceptMode(modo);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
}

// What the operator confirmed; nothing when the dialog was cancelled.
std::optional<QString> escolhido(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

class WindowDialogs final : public Dialogs {
public:
    MessageButton message(MessageKind kind, const QString& text, int buttons) override {
        QMessageBox box(activeWindow());
        box.setWindowTitle(QApplication::applicationName());
        box.setText(text);
        box.setIcon(kind == MessageKind::Information ? QMessageBox::Information
                    : kind == MessageKind::Warning    ? QMessageBox::Warning
                    : kind == MessageKind::Error      ? QMessageBox::Critical
                                                      : QMessageBox::Question);
        QMessageBox::StandardButtons std;
        if (buttons & int(MessageButton::Ok)) std |= QMessageBox::Ok;
        if (buttons & int(MessageButton::Yes)) std |= QMessageBox::Yes;
        if (buttons & int(MessageButton::No)) std |= QMessageBox::No;
        if (buttons & int(MessageButton::Cancel)) std |= QMessageBox::Cancel;
        box.setStandardButtons(std);
        switch (box.exec()) {
        case QMessageBox::Ok: return MessageButton::Ok;
        case QMessageBox::Yes: return MessageButton::Yes;
        case QMessageBox::No: return MessageButton::No;
        default: return MessageButton::Cancel;
        }
    }

    std::optional<QString> openFile(const QString& filter, const QString& initialFileName,
                                    const QString& initialFolder) override {
        // An open dialog that also takes a new name.
        QFileDialog dialog(activeWindow(), QString(), pastaOuCasa(initialFolder), qtFilter(filter));
        umArquivo(dialog, QFileDialog::AcceptOpen);
        if (!initialFileName.isEmpty()) dialog.selectFile(QFileInfo(initialFileName).fileName());
        return escolhido(dialog);
    }

    std::optional<QString> escolherArquivoParaSalvar(const QString& filter, const QString& suggestedName,
                                                     const QString& initialFolder) override {
        QFileDialog dialog(activeWindow(), QString(), pastaOuCasa(initialFolder), qtFilter(filter));
        umArquivo(dialog, QFileDialog::AcceptSave);
        // "*.csv" -> "csv": a name typed without it gets it.
        const QString padrao = filter.section(u'|', 1, 1).section(u';', 0, 0);
        if (padrao.startsWith(QLatin1String("*."))) dialog.setDefaultSuffix(padrao.mid(2));
        if (!suggestedName.isEmpty()) dialog.selectFile(suggestedName);
        return escolhido(dialog);
    }

    std::optional<QString> chooseFolder(const QString& prompt, const QString& root) override {
        QFileDialog dialog(activeWindow(), prompt, root);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly, true);
        dialog.setOption(QFileDialog::DontUseNativeDialog, true);
        dialog.setOption(QFileDialog::ReadOnly, true); // no button for making a folder
        return escolhido(dialog);
    }
};

class WindowErrorReport final : public ErrorReport {
public:
    void report(const QString& message) override {
        QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), message, QMessageBox::Ok,
                        activeWindow());
        box.exec();
    }
};

class QtPump final : public EventPump {
public:
    void processEvents() override { QApplication::processEvents(); }
};

class ThreadSleeper final : public Sleeper {
public:
    void sleepMs(int ms) override {
        if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
    }
};

class WidgetRepainter final : public Repainter {
public:
    void repaint(QWidget* w) override {
        // Paints now what changed since the window was last painted, and puts it on screen; what did not
        // change is on screen already. Painting all of a big window again would cost many times more.
        if (w && w->isVisible()) QCoreApplication::sendPostedEvents(w->window(), QEvent::UpdateRequest);
    }
};

struct Services {
    WindowDialogs dialogs;
    WindowErrorReport errors;
    QtPump pump;
    ThreadSleeper sleeper;
    WidgetRepainter repainter;
    Dialogs* d = nullptr;
    ErrorReport* e = nullptr;
    EventPump* p = nullptr;
    Sleeper* s = nullptr;
    Repainter* r = nullptr;
};

Services& services() {
    static Services s;
    return s;
}
} // namespace

Dialogs& UiServices::dialogs() { return services().d ? *services().d : services().dialogs; }
ErrorReport& UiServices::errors() { return services().e ? *services().e : services().errors; }
EventPump& UiServices::pump() { return services().p ? *services().p : services().pump; }
Sleeper& UiServices::sleeper() { return services().s ? *services().s : services().sleeper; }
Repainter& UiServices::repainter() { return services().r ? *services().r : services().repainter; }
void UiServices::setDialogs(Dialogs* d) { services().d = d; }
void UiServices::setErrors(ErrorReport* e) { services().e = e; }
void UiServices::setPump(EventPump* p) { services().p = p; }
void UiServices::setSleeper(Sleeper* s) { services().s = s; }
void UiServices::setRepainter(Repainter* r) { services().r = r; }

void UiServices::guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const Exception& e) {
        errors().report(QString::fromStdString(e.Message()));
    } catch (const std::exception& e) {
        errors().report(QString::fromUtf8(e.what()));
    }
}
