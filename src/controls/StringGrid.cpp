#include "controls/StringGrid.h"

#include "controls/ResultFile.h"
#include "controls/UiServices.h"
#include "util/DelimitedText.h"

#include <QAbstractItemDelegate>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QAbstractTableModel>
#include <QBrush>
#include <QHeaderView>
#include <vector>

// The grid's cells: the texts of rows 0 to the last row written, row after row, and nothing for the rows
// below it, which read as empty. Fixed cells carry the header background and cannot be selected.
class ModeloStringGrid final : public QAbstractTableModel {
public:
    ModeloStringGrid(int colunas, int linhas, int fixasL, int fixasC, const QBrush& fundoFixo, QObject* pai)
        : QAbstractTableModel(pai), m_colunas(qMax(colunas, 0)), m_linhas(qMax(linhas, 0)), m_fixasL(fixasL),
          m_fixasC(fixasC), m_fundoFixo(fundoFixo) {}

    int rowCount(const QModelIndex& pai = QModelIndex()) const override {
        return pai.isValid() ? 0 : m_linhas;
    }
    int columnCount(const QModelIndex& pai = QModelIndex()) const override {
        return pai.isValid() ? 0 : m_colunas;
    }

    QVariant data(const QModelIndex& i, int papel) const override {
        if (!i.isValid()) return {};
        switch (papel) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return texto(i.column(), i.row());
        case Qt::BackgroundRole:
            return fixa(i.column(), i.row()) ? QVariant(m_fundoFixo) : QVariant();
        default:
            return {};
        }
    }

    Qt::ItemFlags flags(const QModelIndex& i) const override {
        if (!i.isValid()) return Qt::NoItemFlags;
        return fixa(i.column(), i.row()) ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    }

    bool fixa(int col, int row) const { return row < m_fixasL || col < m_fixasC; }
    int fixasL() const { return m_fixasL; }
    int fixasC() const { return m_fixasC; }

    QString texto(int col, int row) const {
        if (col < 0 || col >= m_colunas || row < 0 || row >= linhasGuardadas()) return {};
        return m_textos[size_t(row) * size_t(m_colunas) + size_t(col)];
    }

    void definir(int col, int row, const QString& t) {
        if (row < 0 || col < 0 || row >= m_linhas || col >= m_colunas) return;
        const size_t k = size_t(row) * size_t(m_colunas) + size_t(col);
        if (row >= linhasGuardadas()) {
            if (t.isEmpty()) return; // an empty cell below the rows kept already reads as empty
            // Grows by whole rows; the vector's own growth keeps filling row by row linear.
            m_textos.resize(size_t(row + 1) * size_t(m_colunas));
        } else if (m_textos[k] == t) {
            return;
        }
        m_textos[k] = t;
        const QModelIndex i = index(row, col);
        emit dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
    }

    void definirLinhas(int linhas) {
        linhas = qMax(linhas, 0);
        if (linhas > m_linhas) {
            beginInsertRows(QModelIndex(), m_linhas, linhas - 1);
            m_linhas = linhas;
            endInsertRows();
        } else if (linhas < m_linhas) {
            beginRemoveRows(QModelIndex(), linhas, m_linhas - 1);
            if (linhasGuardadas() > linhas) {
                m_textos.resize(size_t(linhas) * size_t(m_colunas));
                m_textos.shrink_to_fit();
            }
            m_linhas = linhas;
            endRemoveRows();
        }
    }

    void esvaziar(int deCol) {
        deCol = qMax(deCol, 0);
        const int ate = linhasGuardadas();
        if (ate <= 1 || deCol >= m_colunas) return;
        bool mudou = false;
        for (int r = 1; r < ate; ++r)
            for (int c = deCol; c < m_colunas; ++c) {
                QString& t = m_textos[size_t(r) * size_t(m_colunas) + size_t(c)];
                if (t.isEmpty()) continue;
                t = QString();
                mudou = true;
            }
        if (mudou)
            emit dataChanged(index(1, deCol), index(ate - 1, m_colunas - 1), {Qt::DisplayRole, Qt::EditRole});
    }

private:
    int linhasGuardadas() const { return m_colunas ? int(m_textos.size() / size_t(m_colunas)) : 0; }

    int m_colunas, m_linhas, m_fixasL, m_fixasC;
    QBrush m_fundoFixo;
    std::vector<QString> m_textos;
};

StringGrid::StringGrid(int colCount, int rowCount, int fixedRows, int fixedCols, QWidget* parent)
    : QTableView(parent) {
    m_modelo = new ModeloStringGrid(colCount, rowCount, fixedRows, fixedCols, palette().button(), this);
    setModel(m_modelo);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(24);
    horizontalHeader()->setDefaultSectionSize(64);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);

    // The context menu; Ctrl+C works while the grid has the focus.
    auto* copiar = new QAction(QStringLiteral("Copiar"), this);
    copiar->setShortcut(QKeySequence::Copy);
    copiar->setShortcutContext(Qt::WidgetShortcut);
    connect(copiar, &QAction::triggered, this, [this] { UiServices::guarded([this] { CopySelection(); }); });
    auto* salvar = new QAction(QStringLiteral("Salvar CSV..."), this);
    connect(salvar, &QAction::triggered, this, [this] { UiServices::guarded([this] { SaveCsv(); }); });
    addActions({copiar, salvar});
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

QString StringGrid::Cells(int col, int row) const {
    return row < RowCount() ? m_modelo->texto(col, row) : QString();
}

void StringGrid::SetCells(int col, int row, const QString& text) {
    m_modelo->definir(col, row, text);
    if (row < m_modelo->fixasL() && !text.isEmpty()) FitColToCell(col, row);
}

void StringGrid::SetColWidth(int col, int width) {
    for (int r = 0; r < qMin(m_modelo->fixasL(), RowCount()); ++r)
        if (!m_modelo->texto(col, r).isEmpty()) width = qMax(width, larguraCelula(col, r));
    setColumnWidth(col, width);
}

void StringGrid::FitColToCell(int col, int row) {
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount()) return;
    const int precisa = larguraCelula(col, row);
    if (precisa > columnWidth(col)) setColumnWidth(col, precisa);
}

int StringGrid::larguraCelula(int col, int row) const {
    const QModelIndex i = m_modelo->index(row, col);
    QStyleOptionViewItem opt;
    initViewItemOption(&opt);
    return itemDelegateForIndex(i)->sizeHint(opt, i).width() + (showGrid() ? 1 : 0);
}

int StringGrid::RowCount() const {
    return m_modelo->rowCount();
}

void StringGrid::SetRowCount(int rows) {
    m_modelo->definirLinhas(rows);
}

int StringGrid::ColCount() const {
    return m_modelo->columnCount();
}

int StringGrid::FixedRows() const {
    return m_modelo->fixasL();
}

int StringGrid::FixedCols() const {
    return m_modelo->fixasC();
}

void StringGrid::ClearDataCells(int fromCol) {
    m_modelo->esvaziar(fromCol);
}

QRect StringGrid::CellRect(int col, int row) const {
    return visualRect(m_modelo->index(row, col));
}

QString StringGrid::SelectedText() const {
    const QItemSelection selecao = selectionModel()->selection();
    if (selecao.isEmpty()) return QString();
    int r0 = RowCount(), r1 = -1, c0 = ColCount(), c1 = -1;
    for (const QItemSelectionRange& faixa : selecao) {
        r0 = qMin(r0, faixa.top());
        r1 = qMax(r1, faixa.bottom());
        c0 = qMin(c0, faixa.left());
        c1 = qMax(c1, faixa.right());
    }
    // One range (a block, a row, all): every cell in it is selected.
    const bool bloco = selecao.size() == 1;
    return DelimitedText::tsv(r1 - r0 + 1, c1 - c0 + 1, [&](int r, int c) {
        const QModelIndex i = m_modelo->index(r0 + r, c0 + c);
        return bloco || selecao.contains(i) ? m_modelo->texto(c0 + c, r0 + r) : QString();
    });
}

void StringGrid::CopySelection() const {
    const QString texto = SelectedText();
    if (!selectionModel()->selection().isEmpty()) QGuiApplication::clipboard()->setText(texto);
}

QByteArray StringGrid::Csv() const {
    const int deCol = qMin(FixedCols(), ColCount());
    return DelimitedText::csv(RowCount(), ColCount() - deCol,
                              [this, deCol](int r, int c) { return m_modelo->texto(deCol + c, r); });
}

void StringGrid::SaveCsv() {
    ResultFile::save(QStringLiteral("Arquivos CSV|*.csv"), ResultFile::suggestedName(objectName(), "csv"),
                     [this] { return Csv(); });
}

void StringGrid::keyPressEvent(QKeyEvent* e) {
    // Without the shortcut (the window not active): the key itself.
    if (e->matches(QKeySequence::Copy)) return CopySelection();
    QTableView::keyPressEvent(e);
}
