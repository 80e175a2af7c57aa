// A list box of text lines for long logs: lines go in at the top or at the end in constant time, and only
// the lines in view are painted. One line can be selected with the mouse or the arrow keys.
#pragma once

#include <QAbstractScrollArea>
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
    void setCurrentRow(int row);

    void insertAtTop(const QString& line);
    void append(const QString& line);
    void clear();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    int alturaLinha() const;
    int linhasVisiveis() const;
    void linhaNova(const QString& line);
    void ajustarBarras();
    void atualizarLinhas(int primeira, int ultima);
    // Lines inserted at the top, the newest last; then the appended ones in order.
    std::vector<QString> m_topo;
    std::vector<QString> m_fim;
    int m_atual = -1;
    int m_larguraMaxima = 0;
};
