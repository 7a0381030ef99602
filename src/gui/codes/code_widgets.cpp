#include "gui/codes/code_widgets.h"

#include "gui/colours.h"
#include "gui/dialogs.h"
#include "gui/fields.h"
#include "gui/tool_window.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace voltaris::gui {

QStringList toEntries(const std::vector<std::string>& entries) {
    QStringList list;
    for (const std::string& entry : entries)
        list << qs(entry);
    return list;
}

QColor toColour(const codes::Rgb& rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

void applySwatch(Swatch* swatch, const codes::SwatchUpdate& update) {
    if (update.fill)
        setMeaningColour(swatch, toColour(*update.fill));
    if (update.visible)
        swatch->setVisible(*update.visible);
}

void hideSwatches(const QList<Swatch*>& swatches) {
    for (Swatch* swatch : swatches)
        swatch->hide();
}

QPushButton* addToleranceCommand(QWidget* window, QBoxLayout* layout, const QString& name,
                                 const QString& caption, const std::function<Message()>& message) {
    QPushButton* command = makeButton(name, caption);
    command->setEnabled(false);
    layout->addLayout(makeButtonRow({command}, {}));
    QObject::connect(command, &QPushButton::clicked, window,
                     [window, message] { ShowMessage(window, message()); });
    return command;
}

void addCommandButtons(ToolWindow* window, QBoxLayout* layout, const QString& clearName,
                       const QString& backName, const std::function<void()>& compute,
                       const std::function<void()>& clear) {
    QPushButton* computeButton = makeComputeButton(QStringLiteral("Command1"));
    QPushButton* clearButton = makeClearButton(clearName);
    layout->addLayout(
        makeButtonRow({computeButton, clearButton}, {window->makeReturnButton(backName)}));
    QObject::connect(computeButton, &QPushButton::clicked, window, compute);
    QObject::connect(clearButton, &QPushButton::clicked, window, clear);
}

ComponentPicture* makePicture(Component part, int bands, const QString& accessibleName,
                              double lines) {
    auto* picture = new ComponentPicture(QStringLiteral("Picture1"), part, bands);
    picture->setAccessibleName(accessibleName);
    picture->setMinimumHeight(static_cast<int>(picture->fontMetrics().height() * lines));
    return picture;
}

QLineEdit* makeCodeInput(const QString& name, const QString& label, const QString& toolTip) {
    auto* field = new QLineEdit;
    field->setObjectName(name);
    field->setAccessibleName(label);
    field->setToolTip(toolTip.isEmpty() ? label : toolTip);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 14);
    return field;
}

QLabel* makePrintedLabel(const QString& name, const QString& accessibleName, const QColor& ink) {
    QLabel* label = makeLabel(name, QString());
    label->setAccessibleName(accessibleName);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ink);
    label->setPalette(palette);
    return label;
}

QList<QLineEdit*> addValueRows(FieldGrid* grid, int firstNumber, const QString& label,
                               const QList<Unit>& units) {
    QList<QLineEdit*> fields;
    for (const Unit& unit : units) {
        const QString name = QStringLiteral("Text%1").arg(firstNumber + fields.size());
        QLineEdit* field = makeResult(name, label + QStringLiteral(" (") + unit.symbol + ')');
        QLabel* symbol = makeUnitLabel(unit.symbol);
        symbol->setToolTip(unit.name);
        grid->addRow(label, field, symbol);
        fields << field;
    }
    return fields;
}

} // namespace voltaris::gui
