// A list box of text lines for long logs: lines go in at the top or at the end in constant time, and only
// the lines in view are painted. Lines are selected as in any list: a click, Shift for a run of lines, Ctrl
// for one line more or less, the arrow and page keys (with Shift to extend), Ctrl+A for all. Ctrl+C copies
// the selected lines; the context menu copies them, copies all, or saves all as a text file.
#pragma once

#include <QAbstractScrollArea>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

class LineListBox : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit LineListBox(QWidget* parent = nullptr);

    int count() const { return int(m_topo.size() + m_fim.size()); }
    // Line i from the top (0-based).
    QString item(int i) const;
    QStringList items() const;
    int currentRow() const { return m_atual; }
    // Makes the line current and the only one selected (-1: none).
    void setCurrentRow(int row);
    bool isSelected(int row) const;
    // The selected lines, from the top.
    QList<int> selectedRows() const;
    void selectAll();
    // The selected lines, or all lines, one per line of text.
    QString selectedText() const;
    QString allText() const;
    // To the clipboard (nothing selected: the clipboard is left alone).
    void copySelection() const;
    void copyAll() const;
    // Asks for a file (the save-file seam) and writes every line into it as UTF-8 text.
    void saveAsText();

    void insertAtTop(const QString& line);
    void append(const QString& line);
    void clear();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    int linhaEm(int y) const;
    // The lines from the anchor to `row` become the selection; `row` the current line.
    void estenderAte(int row);
    void alternar(int row);
    void selecaoMudou();
    void mostrarAtual();
    int alturaLinha() const;
    int linhasVisiveis() const;
    void linhaNova(const QString& line);
    void ajustarBarras();
    void atualizarLinhas(int primeira, int ultima);
    // Lines inserted at the top, the newest last; then the appended ones in order.
    std::vector<QString> m_topo;
    std::vector<QString> m_fim;
    int m_atual = -1;
    // Where a run selected with Shift starts.
    int m_ancora = -1;
    // The selected lines as runs [first, last] from the top, in order, apart. Few runs, whatever the length
    // of the list: a line put in at the top moves each run down by one.
    std::vector<std::pair<int, int>> m_selecao;
    int m_larguraMaxima = 0;
};
