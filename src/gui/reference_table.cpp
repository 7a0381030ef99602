#include "gui/reference_table.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>
#include <map>

namespace voltaris::gui {

ReferenceTable::ReferenceTable(const QString& name, const QStringList& headers,
                               const QList<QStringList>& rows, QWidget* parent)
    : QTableWidget(static_cast<int>(rows.size()), static_cast<int>(headers.size()), parent) {
    setObjectName(name);
    setHorizontalHeaderLabels(headers);
    for (int row = 0; row < rows.size(); ++row)
        for (int column = 0; column < rows[row].size() && column < headers.size(); ++column) {
            auto* item = new QTableWidgetItem(rows[row][column]);
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            setItem(row, column, item);
        }
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setWordWrap(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    // The keys are the view's own (Ctrl+C below, Ctrl+A); the menu offers the same.
    auto* copy = new QAction(QStringLiteral("Kopyala"), this);
    connect(copy, &QAction::triggered, this, &ReferenceTable::copySelection);
    auto* all = new QAction(QStringLiteral("Tümünü Seç"), this);
    connect(all, &QAction::triggered, this, &QTableWidget::selectAll);
    addActions({copy, all});
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

QString ReferenceTable::selectedText() const {
    // Cells by row, then column, whatever order they were selected in.
    std::map<int, std::map<int, QString>> cells;
    for (const QTableWidgetItem* item : selectedItems())
        cells[item->row()][item->column()] = item->text();
    QStringList lines;
    bool wholeRows = !cells.empty();
    for (const auto& [row, columns] : cells)
        wholeRows = wholeRows && static_cast<int>(columns.size()) == columnCount();
    if (wholeRows) {
        QStringList headers;
        for (int column = 0; column < columnCount(); ++column)
            headers << horizontalHeaderItem(column)->text();
        lines << headers.join(QLatin1Char('\t'));
    }
    for (const auto& [row, columns] : cells) {
        QStringList texts;
        for (const auto& [column, text] : columns)
            texts << text;
        lines << texts.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n'));
}

void ReferenceTable::copySelection() const {
    QApplication::clipboard()->setText(selectedText());
}

void ReferenceTable::keyPressEvent(QKeyEvent* event) {
    // The view's own copy takes only the current cell.
    if (event->matches(QKeySequence::Copy)) {
        copySelection();
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

QSize ReferenceTable::sizeHint() const {
    const int frame = frameWidth() * 2;
    int width = frame + verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < columnCount(); ++column)
        width += std::max(horizontalHeader()->sectionSizeHint(column), sizeHintForColumn(column));
    int height = frame + horizontalHeader()->sizeHint().height();
    for (int row = 0; row < rowCount(); ++row)
        height += sizeHintForRow(row);
    // Every row where the screen has room for it; the rest scrolls.
    if (const QScreen* shown = screen())
        height = std::min(height, shown->availableGeometry().height() / 2);
    return {width, height};
}

} // namespace voltaris::gui
