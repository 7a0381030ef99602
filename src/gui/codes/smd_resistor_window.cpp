#include "gui/codes/smd_resistor_window.h"

#include "core/codes/smd_resistor_code.h"
#include "gui/codes/code_widgets.h"
#include "gui/fields.h"
#include "gui/pictures.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace voltaris::gui {

SmdResistorWindow::SmdResistorWindow() : ToolWindow(kForm, qs(codes::kSmdWindowTitle)) {
    auto* layout = new QVBoxLayout(this);

    auto* inputs = new FieldGrid;
    code_ = makeCodeInput(QStringLiteral("Text1"), QStringLiteral("SMD Direnç Kodunu Giriniz"));
    inputs->addRow(QStringLiteral("SMD Direnç Kodunu Giriniz"), code_);
    layout->addLayout(inputs);

    ComponentPicture* picture =
        makePicture(Component::SmdResistor, 0, QStringLiteral("SMD Direnç"), 4.5);
    codeLabel_ =
        makePrintedLabel(QStringLiteral("Label6"), QStringLiteral("SMD Direnç Kodu"), Qt::white);
    picture->placeOnBody(codeLabel_);
    layout->addWidget(picture, 1);

    auto* results = new FieldGrid;
    values_ = addValueRows(results, 2, QStringLiteral("SMD Direncin Değeri"),
                           {{QStringLiteral("Ω"), QStringLiteral("Ohm")},
                            {QStringLiteral("kΩ"), QStringLiteral("Kilo Ohm")},
                            {QStringLiteral("MΩ"), QStringLiteral("Mega Ohm")}});
    tolerance_ = results->addResult(QStringLiteral("Text5"), QStringLiteral("Tolerans Değeri"));
    layout->addLayout(results);

    toleranceCommand_ = addToleranceCommand(
        this, layout, QStringLiteral("Command4"),
        QStringLiteral("Toleranslı Değerleri Görmek İstiyorum"), [this] {
            return codes::SmdToleranceMessage(utf8(values_[0]->text()), tolerancePercent_,
                                              utf8(tolerance_->text()));
        });
    addCommandButtons(
        this, layout, QStringLiteral("Command2"), QStringLiteral("Command3"), [this] { compute(); },
        [this] { clear(); });
    code_->setFocus();
}

void SmdResistorWindow::compute() {
    const codes::SmdResult result = codes::ReadSmdCode(code_->text().toStdString());
    const int caret = code_->cursorPosition();
    code_->setText(qs(result.codeText));
    code_->setCursorPosition(caret);
    tolerancePercent_ = result.tolerancePercent;
    if (result.warning) {
        ShowMessage(this, *result.warning);
        return;
    }
    const std::optional<std::string>* texts[] = {&result.ohm, &result.kiloOhm, &result.megaOhm};
    for (int i = 0; i < 3; ++i)
        if (*texts[i])
            values_[i]->setText(qs(**texts[i]));
    tolerance_->setText(qs(result.toleranceText));
    toleranceCommand_->setEnabled(result.toleranceCommandEnabled);
    codeLabel_->setText(qs(result.codeLabel));
}

void SmdResistorWindow::clear() {
    code_->clear();
    for (QLineEdit* field : values_)
        field->clear();
    tolerance_->clear();
    codeLabel_->clear();
    toleranceCommand_->setEnabled(false);
    tolerancePercent_.reset();
}

} // namespace voltaris::gui
