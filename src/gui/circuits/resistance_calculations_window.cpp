#include "gui/circuits/resistance_calculations_window.h"

#include "core/circuits/resistance_calculations.h"
#include "gui/circuits/circuit_diagrams.h"
#include "gui/default_buttons.h"
#include "gui/fields.h"
#include "gui/messages.h"
#include "gui/options.h"
#include "gui/text.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

const QString kVoltageTip = QStringLiteral("Gerilimi Volt Cinsinden Giriniz");

// The bridge case of option index 0 (`Option1`) or 1 (`Option2`).
resistance::BridgeCase bridgeCase(int option) {
    return option == 0 ? resistance::BridgeCase::FourthResistor
                       : resistance::BridgeCase::PotentialDifference;
}

QPushButton* computeButton(int number) {
    return makeComputeButton(QStringLiteral("Command%1").arg(number));
}

QPushButton* clearButton(int number) {
    return makeClearButton(QStringLiteral("Command%1").arg(number));
}

} // namespace

ResistanceCalculationsWindow::ResistanceCalculationsWindow()
    : ToolWindow(kForm, qs(resistance::kWindowTitle)) {
    auto* layout = new QVBoxLayout(this);

    auto* menuBar = new QMenuBar(this); // the openings table connects its items
    QMenu* concepts =
        menuBar->addMenu(QStringLiteral("Elektrik ve Elektronik Kavramlar Arası Dönüşümü Aç"));
    addMenuItem(concepts, QStringLiteral("mn_direnc"),
                QStringLiteral("Direncin As ve Üs Katları Arası Dönüşümü Bölümünü Aç"));
    addMenuItem(concepts, QStringLiteral("mn_gerilim"),
                QStringLiteral("Gerilimin As ve Üs Katları Arası Dönüşümü Bölümünü Aç"));
    layout->setMenuBar(menuBar);

    QPushButton *bridgeCompute, *bridgeClear, *dividerCompute, *dividerClear;
    auto* tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("SSTab1"));
    tabs->setAccessibleName(windowTitle());
    tabs->setUsesScrollButtons(false); // every tab caption stays readable
    tabs->addTab(buildBridgePage(bridgeCompute, bridgeClear), QStringLiteral("Wheatstone Köprüsü"));
    tabs->addTab(buildDividerPage(dividerCompute, dividerClear),
                 QStringLiteral("Potansiyel Düşürücü"));
    layout->addWidget(tabs, 1);
    layout->addLayout(makeButtonRow({}, {makeReturnButton(QStringLiteral("Command2"))}));

    connect(bridgeCompute, &QPushButton::clicked, this,
            &ResistanceCalculationsWindow::computeBridge);
    connect(dividerCompute, &QPushButton::clicked, this,
            &ResistanceCalculationsWindow::computeDivider);
    connect(bridgeClear, &QPushButton::clicked, this, [this] {
        for (std::size_t n = 1; n <= 6; ++n)
            text_[n]->clear();
    });
    connect(dividerClear, &QPushButton::clicked, this, [this] {
        for (std::size_t n = 7; n <= 10; ++n)
            text_[n]->clear();
    });
    new DefaultButtons(this, tabs, {{bridgeCompute, bridgeClear}, {dividerCompute, dividerClear}});
    connect(tabs, &QTabWidget::currentChanged, this,
            [this](int page) { text_[page == 0 ? 1 : 7]->setFocus(); });
    text_[1]->setFocus();
}

QWidget* ResistanceCalculationsWindow::buildBridgePage(QPushButton*& compute, QPushButton*& clear) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    bridgeCases_ = new OptionGroup(
        QStringLiteral("Hesaplamak İstediğinizi Seçiniz"),
        {{QStringLiteral("Option1"), QStringLiteral("R4 Nolu Direnç'i Hesaplayacağım")},
         {QStringLiteral("Option2"),
          QStringLiteral("Gerilim Yazan Noktalardaki Potansiyel Farkı Hesaplayacağım")}});
    bridgeCases_->setObjectName(QStringLiteral("Frame1"));
    layout->addWidget(bridgeCases_);
    // One of the two pictures shows, by the case.
    balancedPicture_ = new CircuitDiagram(QStringLiteral("Image1"), Circuit::BalancedBridge);
    voltagePointsPicture_ =
        new CircuitDiagram(QStringLiteral("Image2"), Circuit::BridgeVoltagePoints);
    layout->addWidget(balancedPicture_);
    layout->addWidget(voltagePointsPicture_);

    bridgeGrid_ = new FieldGrid;
    const char* const resistors[] = {
        "R1 Nolu Direncin Değerini Giriniz", "R2 Nolu Direncin Değerini Giriniz",
        "R3 Nolu Direncin Değerini Giriniz", "R4 Nolu Direncin Değerini Giriniz"};
    for (std::size_t n = 1; n <= 4; ++n)
        text_[n] = bridgeGrid_->addInput(QStringLiteral("Text%1").arg(n),
                                         QString::fromUtf8(resistors[n - 1]));
    text_[5] = bridgeGrid_->addInput(
        QStringLiteral("Text5"), QStringLiteral(" Wheatstone Köprüsüne Uygulanan Gerilimi Giriniz"),
        QStringLiteral("V"), kVoltageTip);
    resultLabel_ = makeLabel(QStringLiteral("Label6"), {});
    text_[6] = makeResult(QStringLiteral("Text6"), {});
    resultLabel_->setBuddy(text_[6]);
    fitGeneralNumbers(text_[6]);
    resultUnit_ = makeUnitLabel({});
    const int resultRow = bridgeGrid_->rowCount();
    bridgeGrid_->addWidget(resultLabel_, resultRow, 0);
    bridgeGrid_->addWidget(text_[6], resultRow, 1);
    bridgeGrid_->addWidget(resultUnit_, resultRow, 2);
    layout->addLayout(bridgeGrid_);
    layout->addStretch(1);

    compute = computeButton(1);
    clear = clearButton(4);
    layout->addLayout(makeButtonRow({compute, clear}, {}));

    showBridgeCase(0);
    connect(bridgeCases_, &OptionGroup::chosenChanged, this,
            &ResistanceCalculationsWindow::showBridgeCase);
    return page;
}

QWidget* ResistanceCalculationsWindow::buildDividerPage(QPushButton*& compute,
                                                        QPushButton*& clear) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new CircuitDiagram(QStringLiteral("Image3"), Circuit::VoltageDivider));
    auto* grid = new FieldGrid;
    text_[7] =
        grid->addInput(QStringLiteral("Text7"), QStringLiteral("V1 Uygulanan Gerilimi Giriniz"),
                       QStringLiteral("V"), kVoltageTip);
    text_[8] = grid->addInput(QStringLiteral("Text8"),
                              QStringLiteral("R1 Nolu Direncin Değerini Giriniz"));
    text_[9] = grid->addInput(QStringLiteral("Text9"),
                              QStringLiteral("R2 Nolu Direncin Değerini Giriniz"));
    text_[10] = grid->addResult(QStringLiteral("Text10"), QStringLiteral("V2 Bulunan Gerilim"),
                                QStringLiteral("V"));
    text_[10]->setToolTip(QStringLiteral("Sonuç = Volt"));
    fitGeneralNumbers(text_[10]);
    layout->addLayout(grid);
    layout->addStretch(1);

    compute = computeButton(5);
    clear = clearButton(6);
    layout->addLayout(makeButtonRow({compute, clear}, {}));
    return page;
}

void ResistanceCalculationsWindow::showBridgeCase(int option) {
    const bool voltagePoints = option == 1;
    for (const std::size_t n : {4u, 5u})
        bridgeGrid_->setRowVisible(text_[n], voltagePoints);
    balancedPicture_->setVisible(!voltagePoints);
    voltagePointsPicture_->setVisible(voltagePoints);
    const resistance::BridgeCaptions captions = resistance::Captions(bridgeCase(option));
    resultLabel_->setText(qs(captions.resultLabel));
    text_[6]->setAccessibleName(qs(captions.resultLabel));
    text_[6]->setToolTip(qs(captions.resultToolTip));
    resultUnit_->setText(voltagePoints ? QStringLiteral("V") : QStringLiteral("Ω"));
    resultUnit_->setToolTip(voltagePoints ? QString() : QStringLiteral("Ohm"));
}

void ResistanceCalculationsWindow::computeBridge() {
    const std::string r1 = utf8(text_[1]->text()), r2 = utf8(text_[2]->text()),
                      r3 = utf8(text_[3]->text()), r4 = utf8(text_[4]->text()),
                      voltage = utf8(text_[5]->text());
    const Outcome<std::string> outcome = resistance::Bridge(
        bridgeCase(bridgeCases_->chosen()), {r1, r2, r3, r4, voltage}, utf8(text_[6]->text()));
    text_[6]->setText(qs(outcome.texts));
    // The hidden fields of the other case are tested too.
    MissingInputWarning(this, {text_[1], text_[2], text_[3], text_[4], text_[5]}, outcome);
}

void ResistanceCalculationsWindow::computeDivider() {
    const Outcome<std::string> outcome =
        resistance::Divider(utf8(text_[7]->text()), utf8(text_[8]->text()), utf8(text_[9]->text()),
                            utf8(text_[10]->text()));
    text_[10]->setText(qs(outcome.texts));
    MissingInputWarning(this, {text_[7], text_[8], text_[9]}, outcome);
}

} // namespace voltaris::gui
