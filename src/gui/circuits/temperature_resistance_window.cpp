#include "gui/circuits/temperature_resistance_window.h"

#include "core/circuits/temperature_resistance.h"
#include "gui/circuits/conductor_widgets.h"
#include "gui/fields.h"
#include "gui/messages.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace voltaris::gui {

TemperatureResistanceWindow::TemperatureResistanceWindow()
    : ToolWindow(kForm, QStringLiteral("İletkenlerin Direnç Değerlerinin Sıcaklıkla Değişimi")) {
    auto* layout = new QVBoxLayout(this);
    // The item is connected by the openings table.
    auto* menuBar = new QMenuBar(this);
    addMenuItem(menuBar->addMenu(QStringLiteral("Elektrik ve Elektronik Kavramlar Arası Dönüşümü "
                                                "Aç")),
                QStringLiteral("Mn_Dir"),
                QStringLiteral("Direnç As ve Üs Katları Arası "
                               "Dönüşümü Aç"));
    layout->setMenuBar(menuBar);

    auto* grid = new FieldGrid;
    material_ = addMaterialList(*grid, QStringLiteral("Combo1"), conductor_materials::kCopper);
    const QString resistanceLabel = QStringLiteral("Direnç Değerini Giriniz");
    resistance_ = makeInput(QStringLiteral("Text1"), resistanceLabel, resistanceLabel);
    grid->addRow(resistanceLabel, resistance_, makeOhmUnit());
    temperature_ = grid->addInput(
        QStringLiteral("Text2"),
        QStringLiteral("Hangi Sıcaklıktaki Direnç Değeri Hesaplanacaksa Sıcaklığı Giriniz"),
        QStringLiteral("°C"));
    result_ = makeResult(QStringLiteral("Text3"), QStringLiteral("Hesaplanan Direnç Değeri"));
    grid->addRow(QStringLiteral("Hesaplanan Direnç Değeri"), result_, makeOhmUnit());
    layout->addLayout(grid);

    auto* compute = makeComputeButton(QStringLiteral("Command1"));
    auto* clearButton = makeClearButton(QStringLiteral("Command5"));
    auto* note = makeButton(QStringLiteral("Command2"), QStringLiteral("Not"));
    layout->addStretch(1);
    layout->addLayout(makeButtonRow({compute, clearButton, note},
                                    {makeCompanionCloseButton(QStringLiteral("Command4")),
                                     makeReturnButton(QStringLiteral("Command3"))}));

    connect(compute, &QPushButton::clicked, this, &TemperatureResistanceWindow::compute);
    connect(clearButton, &QPushButton::clicked, this, [this] {
        // The material stays chosen.
        for (QLineEdit* field : {resistance_, temperature_, result_})
            field->clear();
    });
    connect(note, &QPushButton::clicked, this,
            [this] { ShowMessage(this, temperature_resistance::NoteMessage()); });
    resistance_->setFocus();
}

void TemperatureResistanceWindow::compute() {
    const Outcome<temperature_resistance::Fields> outcome = temperature_resistance::Compute(
        {utf8(resistance_->text()), utf8(temperature_->text()), utf8(result_->text())},
        material_->currentIndex());
    result_->setText(qs(outcome.texts.result));
    MissingInputWarning(this, {resistance_, temperature_}, outcome,
                        qs(warnings::kEnterValuesAndMaterial));
}

} // namespace voltaris::gui
