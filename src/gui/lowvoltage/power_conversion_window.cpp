#include "gui/lowvoltage/power_conversion_window.h"

#include "gui/fields.h"
#include "gui/lowvoltage/power_triangle.h"
#include "gui/lowvoltage/power_widgets.h"
#include "gui/messages.h"
#include "gui/options.h"
#include "gui/text_report.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace voltaris::gui {

using power_conversion::Known;

PowerConversionWindow::PowerConversionWindow()
    : ToolWindow(kForm, QStringLiteral("Güçlerin Bir Birine Çevirilmesi")) {
    auto* layout = new QVBoxLayout(this);

    auto* menuBar = new QMenuBar(this);
    // Opens the quantity conversion window on its power page (the openings table).
    addMenuItem(
        menuBar->addMenu(QStringLiteral("Elektrik ve Elektronik Kavramlar Arası Dönüşümü Aç")),
        QStringLiteral("Mn_Guc"), QStringLiteral("Güç As ve Üs Katları Arası Dönüşümü Aç"));
    QMenu* extras = menuBar->addMenu(QStringLiteral("Ek Hesaplamalar"));
    connect(addMenuItem(extras, QStringLiteral("Mn_Cos"),
                        QStringLiteral("Seçilen Cosinüs Değeri İle İlgili Bilgiler")),
            &QAction::triggered, this, [this] { ShowCosineInfo(this, cosPhi_->currentText()); });
    connect(addMenuItem(extras, QStringLiteral("Mn_HPTOW"),
                        QStringLiteral("Beygirgücü (HP) Değerini Watt Değerine Çevirme")),
            &QAction::triggered, this, [this] {
                ConvertHorsepower(this, [this](const QString& watts) {
                    given_->setText(watts);
                    knownPower_->choose(static_cast<int>(Known::Active));
                    compute();
                });
            });
    layout->setMenuBar(menuBar);

    knownPower_ = new OptionGroup(QStringLiteral("Bildiğiniz Güç Çeşidini Seçiniz"),
                                  {{QStringLiteral("Option1"), QStringLiteral("Görünür Güç")},
                                   {QStringLiteral("Option2"), QStringLiteral("Aktif Güç")},
                                   {QStringLiteral("Option3"), QStringLiteral("Reaktif Güç")}},
                                  0, 3);
    auto* inputs = new QVBoxLayout;
    inputs->addWidget(knownPower_);

    auto* grid = new FieldGrid;
    caption_ = makeLabel(QStringLiteral("Label1"), {});
    unit_ = makeUnitLabel({});
    unit_->setObjectName(QStringLiteral("Label2"));
    given_ = makeInput(QStringLiteral("Text1"), {});
    grid->addRow(caption_, given_, unit_);
    cosPhi_ = addPowerFactorList(grid, QStringLiteral("Combo1"),
                                 QStringLiteral("Güç Katsayısını Seçiniz"));
    apparent_ = grid->addResult(QStringLiteral("Text2"), QStringLiteral("Görünür Güç"),
                                QStringLiteral("VA"));
    active_ =
        grid->addResult(QStringLiteral("Text3"), QStringLiteral("Aktif Güç"), QStringLiteral(" W"));
    reactive_ = grid->addResult(QStringLiteral("Text4"), QStringLiteral("Reaktif Güç"),
                                QStringLiteral("VAr"));
    widenForValues({apparent_, active_, reactive_});
    inputs->addLayout(grid);
    auto* top = new QHBoxLayout;
    top->addLayout(inputs, 1);
    top->addWidget(new PowerTriangle(QStringLiteral("Picture1")));
    layout->addLayout(top);

    auto* compute = makeComputeButton(QStringLiteral("Command1"));
    report_ = makeReportButton(QStringLiteral("Command5"));
    auto* clearButton = makeClearButton(QStringLiteral("Command2"));
    layout->addStretch(1);
    layout->addLayout(makeButtonRow({compute, report_, clearButton},
                                    {makeCompanionCloseButton(QStringLiteral("Command4")),
                                     makeReturnButton(QStringLiteral("Command3"))}));

    connect(knownPower_, &OptionGroup::chosenChanged, this, &PowerConversionWindow::chooseKnown);
    connect(compute, &QPushButton::clicked, this, &PowerConversionWindow::compute);
    connect(report_, &QPushButton::clicked, this, &PowerConversionWindow::writeReport);
    connect(clearButton, &QPushButton::clicked, this, &PowerConversionWindow::clear);

    chooseKnown();
    given_->setFocus();
}

Known PowerConversionWindow::known() const {
    return static_cast<Known>(knownPower_->chosen());
}

void PowerConversionWindow::chooseKnown() {
    const power_conversion::InputLabels labels = power_conversion::LabelsOf(known());
    caption_->setText(qs(labels.caption));
    unit_->setText(qs(labels.unit));
    given_->setAccessibleName(caption_->text());
    given_->setToolTip(caption_->text());
}

power_conversion::Fields PowerConversionWindow::fieldTexts() const {
    return {utf8(given_->text()), utf8(apparent_->text()), utf8(active_->text()),
            utf8(reactive_->text())};
}

void PowerConversionWindow::compute() {
    const Outcome<power_conversion::Fields> outcome =
        power_conversion::Compute(known(), utf8(cosPhi_->currentText()), fieldTexts());
    apparent_->setText(qs(outcome.texts.apparent));
    active_->setText(qs(outcome.texts.active));
    reactive_->setText(qs(outcome.texts.reactive));
    if (MissingInputWarning(this, {given_}, outcome, qs(warnings::kEnterValueAndPowerFactor)))
        report_->setEnabled(true);
}

void PowerConversionWindow::writeReport() {
    TextReport(this, qs(power_conversion::kReportName),
               power_conversion::ReportLines(known(), utf8(cosPhi_->currentText()), fieldTexts()));
}

void PowerConversionWindow::clear() {
    for (QLineEdit* field : {given_, apparent_, active_, reactive_})
        field->clear();
    report_->setEnabled(false);
}

} // namespace voltaris::gui
