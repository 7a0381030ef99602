#include "gui/fields.h"

#include "gui/colours.h"
#include "gui/key_filters.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace voltaris::gui {

QLabel* makeUnitLabel(const QString& unit) {
    auto* label = new QLabel(unit);
    // At least as wide as "mm²", so that short units line up, and never narrower than its own
    // text ("daN/m²").
    const QFontMetrics metrics = label->fontMetrics();
    label->setMinimumWidth(std::max(metrics.horizontalAdvance(QStringLiteral("mm²")),
                                    metrics.horizontalAdvance(unit)));
    return label;
}

QLabel* makeOhmUnit() {
    QLabel* unit = makeUnitLabel(QStringLiteral("Ω"));
    unit->setToolTip(QStringLiteral("Ohm"));
    return unit;
}

QLineEdit* makeInput(const QString& name, const QString& accessibleName, const QString& toolTip) {
    auto* field = new QLineEdit;
    field->setObjectName(name);
    field->setAccessibleName(accessibleName);
    field->setToolTip(toolTip);
    field->setAlignment(Qt::AlignRight);
    attachNumericKeyFilter(field);
    return field;
}

QLineEdit* makeResult(const QString& name, const QString& accessibleName) {
    auto* field = new QLineEdit;
    field->setObjectName(name);
    field->setAccessibleName(accessibleName);
    field->setAlignment(Qt::AlignRight);
    field->setFocusPolicy(Qt::ClickFocus); // results are read, not tabbed through
    QPalette palette = field->palette();
    const QColor base = palette.color(QPalette::Base);
    const QColor highlight = palette.color(QPalette::Highlight);
    // A light tint of the highlight colour marks the field as a result.
    palette.setColor(QPalette::Base, QColor((base.red() * 9 + highlight.red()) / 10,
                                            (base.green() * 9 + highlight.green()) / 10,
                                            (base.blue() * 9 + highlight.blue()) / 10));
    field->setPalette(palette);
    return field;
}

QLabel* makeLabel(const QString& name, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    return label;
}

void fitGeneralNumbers(QLineEdit* field) {
    const QFontMetrics metrics = field->fontMetrics();
    field->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("-0.000123456789012345")) +
                           metrics.averageCharWidth() * 2);
}

QPushButton* makeButton(const QString& name, const QString& caption, const QString& toolTip) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setAccessibleName(caption);
    button->setToolTip(toolTip);
    return button;
}

QPushButton* makeComputeButton(const QString& name) {
    return makeButton(name, QStringLiteral("Hesapla"));
}

QPushButton* makeReportButton(const QString& name) {
    QPushButton* report = makeButton(name, QStringLiteral("Rapor Ver"));
    report->setEnabled(false);
    return report;
}

QPushButton* makeClearButton(const QString& name) {
    return makeButton(name, QStringLiteral("Temizle"), QStringLiteral("Hesabı Sil"));
}

QGroupBox* makeFrame(const QString& title, QLayout* content) {
    auto* frame = new QGroupBox(title);
    frame->setAccessibleName(title);
    frame->setLayout(content);
    return frame;
}

QHBoxLayout* makeButtonRow(const QList<QPushButton*>& commands,
                           const QList<QPushButton*>& leaving) {
    auto* row = new QHBoxLayout;
    for (QPushButton* button : commands)
        row->addWidget(button);
    row->addStretch(1);
    for (QPushButton* button : leaving)
        row->addWidget(button);
    return row;
}

QAction* addMenuItem(QMenu* menu, const QString& name, const QString& caption) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    return item;
}

void addMenuItems(QMenu* menu, std::initializer_list<MenuItem> items) {
    for (const MenuItem& item : items)
        addMenuItem(menu, QString::fromUtf8(item.name), QString::fromUtf8(item.caption));
}

FieldGrid::FieldGrid(QWidget* parent) : QGridLayout(parent) {
    setColumnStretch(1, 1);
}

QLineEdit* FieldGrid::addInput(const QString& name, const QString& label, const QString& unit,
                               const QString& toolTip) {
    QLineEdit* field = makeInput(name, label, toolTip.isEmpty() ? label : toolTip);
    addRow(label, field, unit.isEmpty() ? nullptr : makeUnitLabel(unit));
    return field;
}

QLineEdit* FieldGrid::addResult(const QString& name, const QString& label, const QString& unit) {
    QLineEdit* field = makeResult(name, label);
    addRow(label, field, unit.isEmpty() ? nullptr : makeUnitLabel(unit));
    return field;
}

QComboBox* FieldGrid::addList(const QString& name, const QString& label, const QStringList& entries,
                              int initialIndex, const QString& unit) {
    auto* list = new QComboBox;
    list->setObjectName(name);
    list->setAccessibleName(label);
    list->addItems(entries);
    list->setCurrentIndex(initialIndex);
    addRow(label, list, unit.isEmpty() ? nullptr : makeUnitLabel(unit));
    return list;
}

void FieldGrid::addRow(const QString& label, QWidget* control, QWidget* unit) {
    addRow(new QLabel(label), control, unit);
}

void FieldGrid::addRow(QLabel* caption, QWidget* control, QWidget* unit) {
    const int row = rowCount();
    caption->setBuddy(control);
    addWidget(caption, row, 0);
    addWidget(control, row, 1);
    if (unit)
        addWidget(unit, row, 2);
}

void FieldGrid::setRowVisible(QWidget* control, bool visible) {
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    getItemPosition(indexOf(control), &row, &column, &rowSpan, &columnSpan);
    for (int c = 0; c < columnCount(); ++c) {
        QLayoutItem* item = itemAtPosition(row, c);
        if (!item || !item->widget())
            continue;
        // The columns keep the width the row needs, so the window keeps its width either way.
        setColumnMinimumWidth(c,
                              std::max(columnMinimumWidth(c), item->widget()->sizeHint().width()));
        item->widget()->setVisible(visible);
    }
}

Swatch::Swatch(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Swatch::paintEvent(QPaintEvent*) {
    const auto fill = meaningColour(this);
    if (!fill)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(fill->darker(140), 1));
    painter.setBrush(*fill);
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace voltaris::gui
