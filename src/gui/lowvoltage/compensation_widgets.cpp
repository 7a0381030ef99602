#include "gui/lowvoltage/compensation_widgets.h"

#include "core/lowvoltage/compensation_common.h"
#include "gui/fields.h"
#include "gui/lowvoltage/power_widgets.h"

#include <algorithm>

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>

namespace voltaris::gui {

namespace {

// The symbol of a power factor beside its list, with its name as tool tip.
QLabel* factorPicture(const QString& name, const QString& symbol, const QString& toolTip) {
    QLabel* picture = makeLabel(name, symbol);
    picture->setToolTip(toolTip);
    picture->setAccessibleName(toolTip);
    QFont font = picture->font();
    font.setItalic(true);
    picture->setFont(font);
    return picture;
}

QComboBox* addFactorRow(FieldGrid* grid, const QString& name, const QString& label, int initial,
                        QLabel* picture) {
    QComboBox* list = addPowerFactorList(grid, name, label, initial);
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(list), &row, &column, &rowSpan, &columnSpan);
    grid->addWidget(picture, row, 2);
    return list;
}

QLabel* labelAt(QGridLayout* grid, int row, int column) {
    QLayoutItem* item = grid->itemAtPosition(row, column);
    return item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
}

} // namespace

PowerFactorLists addPowerFactorLists(FieldGrid* grid, int presentInitial) {
    return {addFactorRow(grid, QStringLiteral("Combo1"), QStringLiteral("Mevcut Güç Katsayısı"),
                         presentInitial,
                         factorPicture(QStringLiteral("Picture1"), QStringLiteral("cos φ"),
                                       QStringLiteral("Cosinüs Fi"))),
            addFactorRow(grid, QStringLiteral("Combo2"),
                         QStringLiteral("Olması İstenen Güç Katsayısı"),
                         compensation::kWantedCosDefault,
                         factorPicture(QStringLiteral("Picture2"), QStringLiteral("cos θ"),
                                       QStringLiteral("Cosinüs Teta")))};
}

void addConversionMenu(QMenuBar* menuBar, const QList<ConversionItem>& items) {
    QMenu* menu =
        menuBar->addMenu(QStringLiteral("Elektrik ve Elektronik Kavramlar Arası Dönüşümü Aç"));
    for (const ConversionItem& item : items)
        addMenuItem(menu, item.name,
                    item.quantity + QStringLiteral(" As ve Üs Katları Arası Dönüşümü Aç"));
}

void addCosineInfoMenu(QMenu* menu, QWidget* window, const PowerFactorLists& lists) {
    QMenu* info = menu->addMenu(QStringLiteral("Cosinüs Değeri İle İlgili Bilgiler"));
    const struct {
        const char* name;
        const char* caption;
        QComboBox* list;
    } items[] = {
        {"Mn_CFİ", "Cos Fi Değeri İle İlgili Bilgiler", lists.present},
        {"Mn_CTETA", "Cos Teta Değeri İle İlgili Bilgiler", lists.wanted},
    };
    for (const auto& item : items)
        QObject::connect(
            addMenuItem(info, QString::fromUtf8(item.name), QString::fromUtf8(item.caption)),
            &QAction::triggered, window,
            [window, list = item.list] { ShowCosineInfo(window, list->currentText()); });
}

void addResultsGap(QGridLayout* grid) {
    const int spacing = QApplication::style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing);
    grid->setRowMinimumHeight(grid->rowCount(), spacing * 2);
}

void fixColumnWidths(QGridLayout* grid, const QStringList& otherCaptions) {
    const QFontMetrics metrics(QApplication::font());
    int captionWidth = 0;
    for (const QString& caption : otherCaptions)
        captionWidth = std::max(captionWidth, metrics.horizontalAdvance(caption));
    for (int row = 0; row < grid->rowCount(); ++row)
        if (const QLabel* caption = labelAt(grid, row, 0))
            captionWidth = std::max(captionWidth, metrics.horizontalAdvance(caption->text()));
    grid->setColumnMinimumWidth(0, captionWidth);
    grid->setColumnMinimumWidth(1, metrics.horizontalAdvance(QStringLiteral("0")) * 18);
}

NamedRow addNamedRow(FieldGrid* grid, QLineEdit* field, const QString& captionName,
                     const QString& caption, const QString& unitName, const QString& unit) {
    NamedRow row{makeLabel(captionName, caption), makeUnitLabel(unit)};
    row.unit->setObjectName(unitName);
    grid->addRow(row.caption, field, row.unit);
    return row;
}

} // namespace voltaris::gui
