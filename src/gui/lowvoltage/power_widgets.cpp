#include "gui/lowvoltage/power_widgets.h"

#include "core/numbers.h"
#include "gui/dialogs.h"
#include "gui/fields.h"
#include "gui/messages.h"
#include "gui/text.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStringList>

namespace voltaris::gui {

QComboBox* addPowerFactorList(FieldGrid* grid, const QString& name, const QString& label,
                              int initial) {
    QStringList entries;
    for (const std::string& entry : power::PowerFactorList())
        entries << qs(entry);
    return grid->addList(name, label, entries, initial);
}

void widenForValues(std::initializer_list<QLineEdit*> fields) {
    for (QLineEdit* field : fields)
        field->setMinimumWidth(
            field->fontMetrics().horizontalAdvance(QStringLiteral("0000000000000000.000000")));
}

void ShowCosineInfo(QWidget* parent, const QString& cosPhi) {
    try {
        ShowMessage(parent, power::CosineInfoMessage(utf8(cosPhi)));
    } catch (const ComputeFailure&) {
    }
}

void ConvertHorsepower(QWidget* parent, const std::function<void(const QString& watts)>& transfer) {
    double watts = 0;
    const bool answered = PromptWarning(parent, [&] {
        const auto answer =
            Dialogs::current().prompt(parent, kApplicationTitle, qs(power::kHorsepowerPrompt));
        watts = power::HorsepowerToWatts(utf8(answer.value_or(QString())));
    });
    if (!answered)
        return;
    transfer(qs(RoundTripText(watts)));
    ShowMessage(parent, power::HorsepowerMessage(watts));
}

} // namespace voltaris::gui
