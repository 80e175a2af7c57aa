// Test doubles for the window's seams, and a fixture that opens the main window on the fake SDK.
#pragma once

#include "FakeSdk.h"
#include "controls/UiServices.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

class TfrmSDK;
class QWidget;

class TestDialogs final : public Dialogs {
public:
    struct Mensagem {
        MessageKind kind;
        QString text;
        int buttons;
    };
    QList<MessageButton> respostas; // answered in order; Ok when empty
    QList<std::optional<QString>> arquivos; // answers of openFile; cancelled when empty
    QList<std::optional<QString>> pastas;   // answers of chooseFolder; cancelled when empty
    QList<std::optional<QString>> salvar;   // answers of escolherArquivoParaSalvar; cancelled when empty
    QList<Mensagem> mensagens;
    QStringList filtros;
    QStringList prompts;
    QStringList raizes;         // the roots chooseFolder was given
    QStringList pastasIniciais; // the folders openFile and escolherArquivoParaSalvar were given
    QStringList nomesSugeridos; // the names escolherArquivoParaSalvar was given
    // The folder and name a chooser opened with, joined (the folder alone when no name was given), in order.
    QStringList iniciais;

    MessageButton message(MessageKind kind, const QString& text, int buttons) override;
    std::optional<QString> openFile(const QString& filter, const QString& initialFileName,
                                    const QString& initialFolder) override;
    std::optional<QString> chooseFolder(const QString& prompt, const QString& root) override;
    std::optional<QString> escolherArquivoParaSalvar(const QString& filter, const QString& suggestedName,
                                                     const QString& initialFolder) override;
};

class RecordingErrors final : public ErrorReport {
public:
    QStringList mensagens;
    void report(const QString& message) override { mensagens << message; }
};

class NoSleep final : public Sleeper {
public:
    long long totalMs = 0;
    int vezes = 0;
    void sleepMs(int ms) override {
        totalMs += ms;
        ++vezes;
    }
};

class CountingRepainter final : public Repainter {
public:
    int vezes = 0;
    void repaint(QWidget*) override { ++vezes; }
};

// The main window on the fake SDK, with every seam replaced. Destroying it restores the seams and
// frees the SDK clients the test created.
class JanelaTeste {
public:
    // On the fake SDK by default; on the built-in simulator (with its state in a temporary folder) when asked.
    explicit JanelaTeste(bool simulador = false);
    ~JanelaTeste();
    TfrmSDK& janela() { return *m_janela; }
    FakeSdk& sdk() { return FakeSdk::instance(); }

    template <class T>
    T* w(const char* name) const;
    QString texto(const char* labelName) const;
    // Types into the CPF field as an operator would.
    void digitarCpf(const QString& digitos);
    void clicar(const char* buttonName);
    void definirTexto(const char* editName, const QString& text);
    // Makes the controls of every page (a page makes them when first needed).
    void construirTodas();

    TestDialogs dialogs;
    RecordingErrors erros;
    NoSleep sono;
    CountingRepainter pinturas;

private:
    QWidget* achar(const char* name) const;
    std::unique_ptr<TfrmSDK> m_janela;
};

template <class T>
T* JanelaTeste::w(const char* name) const {
    return qobject_cast<T*>(achar(name));
}

// A valid CPF as the operator types it.
inline const QString kCpfValido = QStringLiteral("52998224725");
