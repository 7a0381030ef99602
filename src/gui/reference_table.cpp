#include "gui/reference_table.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
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
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setResizeContentsPrecision(-1); // every row, shown or scrolled away
    // Every row and column as far as the window has room, no more; beyond, the table scrolls.
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);
    verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    // The keys are the view's own (Ctrl+C below, Ctrl+A); the menu offers the same.
    auto* copy = new QAction(QStringLiteral("Kopyala"), this);
    connect(copy, &QAction::triggered, this, &ReferenceTable::copySelection);
    auto* all = new QAction(QStringLiteral("Tümünü Seç"), this);
    connect(all, &QAction::triggered, this, &QTableWidget::selectAll);
    addActions({copy, all});
    setContextMenuPolicy(Qt::ActionsContextMenu);

    QAbstractItemModel* cells = model();
    for (const auto changed :
         {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved,
          &QAbstractItemModel::columnsInserted, &QAbstractItemModel::columnsRemoved})
        connect(cells, changed, this, &ReferenceTable::forgetSizeHints);
    connect(cells, &QAbstractItemModel::dataChanged, this, &ReferenceTable::forgetSizeHints);
    connect(cells, &QAbstractItemModel::layoutChanged, this, &ReferenceTable::forgetSizeHints);
    connect(cells, &QAbstractItemModel::modelReset, this, &ReferenceTable::forgetSizeHints);
}

ReferenceTable::~ReferenceTable() {
    // The cells are emptied after this table is gone, as the view beneath it goes: they must
    // not tell it any more.
    model()->disconnect(this);
}

void ReferenceTable::forgetSizeHints() {
    rowHints_.clear();
    columnHints_.clear();
}

namespace {

int remembered(std::vector<int>& hints, int index, int count, const auto& measure) {
    if (index < 0 || index >= count)
        return measure();
    if (hints.size() != static_cast<std::size_t>(count))
        hints.assign(static_cast<std::size_t>(count), -1);
    int& hint = hints[static_cast<std::size_t>(index)];
    if (hint < 0)
        hint = measure();
    return hint;
}

} // namespace

int ReferenceTable::sizeHintForRow(int row) const {
    return remembered(rowHints_, row, rowCount(),
                      [&] { return QTableWidget::sizeHintForRow(row); });
}

int ReferenceTable::sizeHintForColumn(int column) const {
    return remembered(columnHints_, column, columnCount(),
                      [&] { return QTableWidget::sizeHintForColumn(column); });
}

void ReferenceTable::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        forgetSizeHints();
    QTableWidget::changeEvent(event);
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
            headers << horizontalHeaderItem(column)->text().replace(QLatin1Char('\n'),
                                                                    QLatin1Char(' '));
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

int ReferenceTable::rowsHeight(int rows) const {
    int height = frameWidth() * 2 + horizontalHeader()->sizeHint().height();
    for (int row = 0; row < std::min(rows, rowCount()); ++row)
        height += std::max(sizeHintForRow(row), verticalHeader()->sectionSizeHint(row));
    return height;
}

QSize ReferenceTable::sizeHint() const {
    // Every column, and room for the scroll bar where the window gives less height than every
    // row needs.
    int width = frameWidth() * 2 + verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < columnCount(); ++column)
        width += std::max(horizontalHeader()->sectionSizeHint(column), sizeHintForColumn(column));
    return {width, rowsHeight(rowCount())};
}

QSize ReferenceTable::minimumSizeHint() const {
    return {QTableWidget::minimumSizeHint().width(), rowsHeight(kRowsAlwaysShown)};
}

QLabel* makeSourceNote(const QString& name, const QString& text) {
    auto* note = new QLabel(text);
    note->setObjectName(name);
    note->setWordWrap(true);
    note->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont small = note->font();
    small.setItalic(true);
    note->setFont(small);
    return note;
}

void fitToTables(QWidget* window) {
    // The minimum size follows the tables now in sight before the window takes their size.
    QCoreApplication::sendPostedEvents(window, QEvent::LayoutRequest);
    QSize size = window->sizeHint();
    const QSize room =
        window->screen() ? window->screen()->availableGeometry().size() * 9 / 10 : size;
    size = size.boundedTo(room);
    // Notes that wrap in a narrower window take more lines: the height follows the width.
    if (window->hasHeightForWidth())
        size.setHeight(
            std::min(std::max(size.height(), window->heightForWidth(size.width())), room.height()));
    window->resize(size.expandedTo(window->minimumSizeHint()));
}

} // namespace voltaris::gui
