#include "gui/lowvoltage/generation_window.h"

#include "gui/fields.h"
#include "gui/lowvoltage/compensation_widgets.h"
#include "gui/messages.h"
#include "gui/options.h"
#include "gui/text.h"
#include "gui/text_report.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

namespace gen = generation;

QStringList efficiencyEntries() {
    QStringList entries;
    for (const std::string& entry : gen::EfficiencyEntries())
        entries << qs(entry);
    return entries;
}

QPushButton* makeNoteButton(const QString& name, std::string_view note, QWidget* window) {
    auto* button = makeButton(name, QStringLiteral("Not"));
    QObject::connect(button, &QPushButton::clicked, window,
                     [window, note] { ShowInformation(window, qs(note)); });
    return button;
}

} // namespace

GenerationWindow::GenerationWindow()
    : ToolWindow(kForm, QStringLiteral("Elektrik Üretim Hesaplamaları")) {
    auto* layout = new QVBoxLayout(this);
    auto* menuBar = new QMenuBar(this);
    buildMenus(menuBar);
    layout->setMenuBar(menuBar);
    auto* tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("SSTab1"));
    tabs->addTab(windPage(), QStringLiteral("Rüzgar Türbini"));
    tabs->addTab(hydroPage(), QStringLiteral("Hidroelektrik Santrali"));
    layout->addWidget(tabs, 1);
    layout->addLayout(makeButtonRow({}, {makeReturnButton(QStringLiteral("Command3"))}));
    given_->setFocus();
}

void GenerationWindow::buildMenus(QMenuBar* menuBar) {
    addConversionMenu(menuBar, {{QStringLiteral("mn_guc"), QStringLiteral("Güç")}});
    addMenuItems(menuBar->addMenu(QStringLiteral("Birimler Arası Çevirimi Aç")),
                 {{"mn_uzunluk", "Uzunluk Ölçümleri Çevirisini Aç"}});
    QMenu* extras = menuBar->addMenu(QStringLiteral("Ek Hesaplamalar"));
    addPromptItem(
        this, extras, QStringLiteral("mn_ROTOR"),
        QStringLiteral("Rotor Alanını Rotor Çapına Çevireceğim"),
        [this] {
            const gen::Transfer d =
                gen::RotorDiameter(PromptNumber(this, qs(gen::kSweptAreaPrompt)));
            given_->setText(qs(d.field));
            ShowResultBox(this, qs(d.message));
        },
        kEnterValue);
    addPromptItem(
        this, extras, QStringLiteral("mn_Debi"), QStringLiteral("Ortalama Debi Hesabı"),
        [this] {
            const double area = PromptNumber(this, qs(gen::kFlowAreaPrompt));
            const gen::Transfer q = gen::Flow(area, PromptNumber(this, qs(gen::kFlowSpeedPrompt)));
            flow_->setText(qs(q.field));
            ShowResultBox(this, qs(q.message));
        },
        qs(warnings::kEnterValueBare));
}

QWidget* GenerationWindow::windPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    direction_ = new OptionGroup(
        QStringLiteral("Hesaplama Seçeneği"),
        {{QStringLiteral("Option1"), QStringLiteral("Rotor Çapına Göre Güç Hesabı")},
         {QStringLiteral("Option2"), QStringLiteral("Güce Göre Rotor Çapı Hesabı")}});
    direction_->setObjectName(QStringLiteral("Frame1"));
    layout->addWidget(direction_);
    auto* grid = new FieldGrid;
    // The captions and units of Text1 and Text2 follow the direction.
    givenCaption_ = makeLabel(QStringLiteral("Label1"), {});
    given_ = makeInput(QStringLiteral("Text1"), {});
    givenUnit_ = makeLabel(QStringLiteral("Label2"), {});
    grid->addRow(givenCaption_, given_, givenUnit_);
    QStringList speeds;
    for (int v = gen::kFirstSpeed; v <= gen::kLastSpeed; ++v)
        speeds << QString::number(v);
    speed_ = grid->addList(QStringLiteral("Combo1"), QStringLiteral("Rüzgar Hızı"), speeds, 0,
                           QStringLiteral("m/s"));
    windEfficiency_ = grid->addList(QStringLiteral("Combo2"), QStringLiteral("Verim"),
                                    efficiencyEntries(), gen::kWindEfficiency - 1);
    resultCaption_ = makeLabel(QStringLiteral("Label3"), {});
    windResult_ = makeResult(QStringLiteral("Text2"), {});
    resultUnit_ = makeLabel(QStringLiteral("Label4"), {});
    grid->addRow(resultCaption_, windResult_, resultUnit_);
    layout->addLayout(grid);
    layout->addStretch(1);

    auto* compute = makeComputeButton(QStringLiteral("Command1"));
    windReport_ = makeReportButton(QStringLiteral("Command8"));
    auto* clearButton = makeClearButton(QStringLiteral("Command4"));
    auto* note = makeNoteButton(QStringLiteral("Command2"), gen::kWindNote, this);
    layout->addLayout(makeButtonRow({compute, windReport_, clearButton, note}, {}));

    connect(direction_, &OptionGroup::chosenChanged, this, &GenerationWindow::showDirection);
    connect(compute, &QPushButton::clicked, this, &GenerationWindow::computeWind);
    connect(windReport_, &QPushButton::clicked, this, [this] {
        TextReport(this, qs(gen::kWindReportName), gen::WindReportLines(windInputs(), kept_));
    });
    connect(clearButton, &QPushButton::clicked, this, [this] {
        given_->clear();
        windResult_->clear();
        windReport_->setEnabled(false);
    });
    showDirection(0);
    return page;
}

QWidget* GenerationWindow::hydroPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* grid = new FieldGrid;
    head_ = grid->addInput(QStringLiteral("Text3"),
                           QStringLiteral("Suyun Türbine Çarpma Yüksekliği"), QStringLiteral("m"));
    flow_ = grid->addInput(QStringLiteral("Text5"), QStringLiteral("Suyun Debisi"),
                           QStringLiteral("m³/s"), QStringLiteral("Metreküp/Saniye"));
    hydroEfficiency_ = grid->addList(QStringLiteral("Combo3"), QStringLiteral("Verim"),
                                     efficiencyEntries(), gen::kHydroEfficiency - 1);
    hydroResult_ = grid->addResult(QStringLiteral("Text4"), QStringLiteral("Hesaplanan Güç"),
                                   QStringLiteral("kW"));
    layout->addLayout(grid);
    layout->addStretch(1);

    auto* compute = makeComputeButton(QStringLiteral("Command6"));
    hydroReport_ = makeReportButton(QStringLiteral("Command9"));
    auto* clearButton = makeClearButton(QStringLiteral("Command7"));
    auto* note = makeNoteButton(QStringLiteral("Command5"), gen::kHydroNote, this);
    layout->addLayout(makeButtonRow({compute, hydroReport_, clearButton, note}, {}));

    connect(compute, &QPushButton::clicked, this, &GenerationWindow::computeHydro);
    connect(hydroReport_, &QPushButton::clicked, this, [this] {
        TextReport(this, qs(gen::kHydroReportName),
                   gen::HydroReportLines(hydroInputs(), utf8(hydroResult_->text())));
    });
    connect(clearButton, &QPushButton::clicked, this, [this] {
        for (QLineEdit* field : {head_, flow_, hydroResult_})
            field->clear();
        hydroReport_->setEnabled(false);
    });
    return page;
}

void GenerationWindow::showDirection(int direction) {
    const bool power = direction == 0;
    givenCaption_->setText(power ? QStringLiteral("Rotor Çapını Giriniz")
                                 : QStringLiteral("İstenen Gücü Giriniz"));
    givenUnit_->setText(power ? QStringLiteral("m") : QStringLiteral(" W"));
    resultCaption_->setText(power ? QStringLiteral("Hesaplanan Güç")
                                  : QStringLiteral("Hesaplanan Rotor Çapı"));
    resultUnit_->setText(power ? QStringLiteral("kW") : QStringLiteral("m"));
    given_->setAccessibleName(givenCaption_->text());
    windResult_->setAccessibleName(resultCaption_->text());
}

gen::WindInputs GenerationWindow::windInputs() const {
    return {direction_->chosen() == 0 ? gen::Direction::PowerFromDiameter
                                      : gen::Direction::DiameterFromPower,
            utf8(given_->text()), utf8(speed_->currentText()),
            utf8(windEfficiency_->currentText())};
}

gen::HydroInputs GenerationWindow::hydroInputs() const {
    return {utf8(head_->text()), utf8(flow_->text()), utf8(hydroEfficiency_->currentText())};
}

void GenerationWindow::computeWind() {
    gen::WindResult shown = kept_;
    shown.result = utf8(windResult_->text());
    const Outcome<gen::WindResult> outcome = gen::Wind(windInputs(), shown);
    windResult_->setText(qs(outcome.texts.result));
    if (MissingInputWarning(this, {given_}, outcome, kEnterValue)) {
        kept_ = outcome.texts;
        windReport_->setEnabled(true);
    }
}

void GenerationWindow::computeHydro() {
    const Outcome<std::string> outcome = gen::Hydro(hydroInputs(), utf8(hydroResult_->text()));
    hydroResult_->setText(qs(outcome.texts));
    if (MissingInputWarning(this, {head_, flow_}, outcome))
        hydroReport_->setEnabled(true);
}

} // namespace voltaris::gui
