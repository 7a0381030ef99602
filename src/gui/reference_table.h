// A reference table: a read-only table widget with its column headers (units included) whose
// cells the user selects and copies ("Kopyala", Ctrl+C) as tab-separated lines, ready for a
// spreadsheet. It asks for room to show every row, up to part of the screen, and scrolls beyond.
#pragma once

#include <QList>
#include <QStringList>
#include <QTableWidget>

namespace voltaris::gui {

class ReferenceTable : public QTableWidget {
public:
    ReferenceTable(const QString& name, const QStringList& headers,
                   const QList<QStringList>& rows, QWidget* parent = nullptr);

    // The selected cells, each selected row a line of cells separated by tabs; the headers come
    // first when whole rows are selected.
    QString selectedText() const;
    void copySelection() const;

    QSize sizeHint() const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace voltaris::gui
