// A window that shows a long report the operator reads and copies: the text, read-only and selectable,
// a button that copies all of it to the clipboard and one that closes the window. It does not block the
// console: it stays open beside the main window and shows the next report in its place.
#pragma once

#include <QDialog>
#include <QString>

class QPlainTextEdit;
class QPushButton;

class ReportWindow : public QDialog {
    Q_OBJECT
public:
    // The window takes `name` as its objectName; its controls are "memoRelatorio", "btnCopiarRelatorio"
    // and "btnFecharRelatorio".
    ReportWindow(const char* name, QWidget* parent);

    // Shows `text` under `title`, brought to the front.
    void mostrar(const QString& title, const QString& text);
    QString texto() const;

private:
    QPlainTextEdit* m_texto;
    QPushButton* m_copiar;
    QPushButton* m_fechar;
};
