// A reference table: a read-only table widget with its column headers (units included) whose
// cells the user selects and copies ("Kopyala", Ctrl+C) as tab-separated lines, ready for a
// spreadsheet. It asks for room to show every row and column, takes no more, and scrolls where its
// window gives it less.
#pragma once

#include <QList>
#include <QStringList>
#include <QTableWidget>
#include <vector>

class QLabel;

namespace voltaris::gui {

class ReferenceTable : public QTableWidget {
public:
    ReferenceTable(const QString& name, const QStringList& headers, const QList<QStringList>& rows,
                   QWidget* parent = nullptr);
    ~ReferenceTable() override;

    // The selected cells, each selected row a line of cells separated by tabs; the headers come
    // first when whole rows are selected.
    QString selectedText() const;
    void copySelection() const;

    QSize sizeHint() const override;
    // A short table shows whole; a longer one at least its first rows.
    QSize minimumSizeHint() const override;
    // Measured once per row and column and kept until the cells, the font or the style change:
    // the headers fit every section to its contents, and the table's own size asks the same.
    int sizeHintForRow(int row) const override;
    int sizeHintForColumn(int column) const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    static constexpr int kRowsAlwaysShown = 6;
    // The height the header and the first `rows` rows take.
    int rowsHeight(int rows) const;
    void forgetSizeHints();

    // -1 where not measured yet.
    mutable std::vector<int> rowHints_;
    mutable std::vector<int> columnHints_;
};

// The line under a reference table naming where its contents come from: small italic text that
// wraps and that the user can select.
QLabel* makeSourceNote(const QString& name, const QString& text);

// Gives a window of reference tables the size its tables in sight ask for, within the screen; a
// table that gets less scrolls. For a window that shows or hides its tables as its opener says.
void fitToTables(QWidget* window);

} // namespace voltaris::gui
