// The building blocks every window is made of: labelled numeric inputs and result fields with
// their units, lists, command buttons, the button row, menus, verdict labels and swatches.
#pragma once

#include <QGridLayout>
#include <QLabel>
#include <QStringList>
#include <initializer_list>

class QAction;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;

namespace voltaris::gui {

// Rows of "label | field | unit" whose labels line up in a column.
class FieldGrid : public QGridLayout {
public:
    explicit FieldGrid(QWidget* parent = nullptr);

    // A numeric input (digits and one '.'); the tool tip defaults to the label.
    QLineEdit* addInput(const QString& name, const QString& label, const QString& unit = {},
                        const QString& toolTip = {});
    // A result field: looks like a result, right-aligned, still editable as the user expects.
    QLineEdit* addResult(const QString& name, const QString& label, const QString& unit = {});
    // A list, with its unit where it has one.
    QComboBox* addList(const QString& name, const QString& label, const QStringList& entries,
                       int initialIndex = 0, const QString& unit = {});
    // Any control as a row; `unit` may be null.
    void addRow(const QString& label, QWidget* control, QWidget* unit = nullptr);
    // Shows or hides the whole row of `control`: its label, the control and its unit. The
    // columns stay as wide as the row needs, shown or not.
    void setRowVisible(QWidget* control, bool visible);
    // The same with a caption the window changes (a named label).
    void addRow(QLabel* caption, QWidget* control, QWidget* unit = nullptr);
};

// A unit label of a field row.
QLabel* makeUnitLabel(const QString& unit);
// The ohm sign of a resistance row, with its tool tip "Ohm".
QLabel* makeOhmUnit();

// A numeric input field or a result field made outside a grid.
QLineEdit* makeInput(const QString& name, const QString& accessibleName,
                     const QString& toolTip = {});
QLineEdit* makeResult(const QString& name, const QString& accessibleName);
QLabel* makeLabel(const QString& name, const QString& text);
// Widens `field` enough to show a general number text of 15 significant digits whole
// ("-0.000123456789012345").
void fitGeneralNumbers(QLineEdit* field);
QPushButton* makeButton(const QString& name, const QString& caption, const QString& toolTip = {});
// The standard commands of a tool: "Hesapla"; "Rapor Ver", disabled until a compute finishes;
// "Temizle" with the tool tip "Hesabı Sil".
QPushButton* makeComputeButton(const QString& name);
QPushButton* makeReportButton(const QString& name);
QPushButton* makeClearButton(const QString& name);
// A titled frame around `content` (field rows, other frames).
QGroupBox* makeFrame(const QString& title, QLayout* content);

// The row of command buttons at the bottom: compute, report, clear, then, at the right end, the
// leaving buttons ("Bu Bölümü Kapat", "Ana Menüye Dön").
QHBoxLayout* makeButtonRow(const QList<QPushButton*>& commands, const QList<QPushButton*>& leaving);

// A menu item with its control name.
QAction* addMenuItem(QMenu* menu, const QString& name, const QString& caption);
// Menu items, each a control name and its caption, in order.
struct MenuItem {
    const char* name;
    const char* caption;
};
void addMenuItems(QMenu* menu, std::initializer_list<MenuItem> items);

// A filled shape: a colour band, a swatch. Its fill is its meaning colour (gui/colours.h);
// unfilled, it draws nothing and leaves what lies beneath visible.
class Swatch : public QWidget {
public:
    Swatch(const QString& name, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace voltaris::gui
