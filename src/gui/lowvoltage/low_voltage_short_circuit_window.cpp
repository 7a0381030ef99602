#include "gui/lowvoltage/low_voltage_short_circuit_window.h"

#include "core/circuits/conductor_section.h"
#include "core/lowvoltage/cable_voltage_drop.h"
#include "gui/fields.h"
#include "gui/lowvoltage/cable_widgets.h"
#include "gui/lowvoltage/check_picture.h"
#include "gui/lowvoltage/compensation_widgets.h"
#include "gui/messages.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

namespace lvsc = low_voltage_short_circuit;

const QString kClearingTime =
    QStringLiteral("Hat Başı Sigortası Bu Akım Değerini Kaç Saniyede Kesmektedir Giriniz");

} // namespace

LowVoltageShortCircuitWindow::LowVoltageShortCircuitWindow()
    : ToolWindow(kForm, QStringLiteral("Alçak Gerilim 3 Faz Kısa Devre Hesabı")) {
    auto* layout = new QVBoxLayout(this);
    auto* menuBar = new QMenuBar(this);
    buildMenus(menuBar);
    layout->setMenuBar(menuBar);

    const QStringList cases = qs(lvsc::kCases);
    auto* grid = new FieldGrid;
    power_ = grid->addInput(QStringLiteral("Text1"), QStringLiteral("Trafo Gücünü Giriniz"),
                            QStringLiteral("kVA"));
    voltage_ = grid->addInput(QStringLiteral("Text2"), QStringLiteral("İşletme Gerilimini Giriniz"),
                              QStringLiteral("kV"));
    shortCircuitVolt_ = grid->addInput(QStringLiteral("Text3"),
                                       QStringLiteral("Trafo Kısa Devre Gerilimini Giriniz"),
                                       QStringLiteral("%Uk"));
    copperLoss_ =
        grid->addInput(QStringLiteral("Text4"), QStringLiteral("Trafonun Bakır Kaybını Giriniz"),
                       QStringLiteral(" W"));
    startCase_ =
        grid->addList(QStringLiteral("Combo1"),
                      QStringLiteral("Hat Başında Oluşabilecek Kısa Devre Hesaplama Seçeneği"),
                      cases, static_cast<int>(lvsc::kDefaultStartCase));
    startCurrent_ = grid->addResult(QStringLiteral("Text5"),
                                    QStringLiteral("Hat Başı Sigortası ile Kablo Bağlantı "
                                                   "Noktasında Oluşacak Kısa Devre Akımı Değeri"),
                                    QStringLiteral("kA"));
    addResultsGap(grid);
    conductor_ = grid->addList(QStringLiteral("Combo4"), QStringLiteral("İletken Cinsini Seçiniz"),
                               qs(lvsc::kConductors));
    phaseSection_ =
        addSectionList(grid, QStringLiteral("Combo2"), QStringLiteral("Faz Kesitini Seçiniz"));
    neutralSection_ =
        addSectionList(grid, QStringLiteral("Combo3"), QStringLiteral("Nötr Kesitini Seçiniz"));
    length_ = grid->addInput(QStringLiteral("Text10"),
                             QStringLiteral("Kablonun Uzunluğunu Giriniz"), QStringLiteral("m"));
    endCase_ =
        grid->addList(QStringLiteral("Combo5"),
                      QStringLiteral("Hat Sonunda Oluşabilecek Kısa Devre Hesaplama Seçeneği"),
                      cases, static_cast<int>(lvsc::kDefaultEndCase));
    endCurrent_ = grid->addResult(QStringLiteral("Text9"),
                                  QStringLiteral("Hat Sonunda Oluşacak Kısa Devre Akımı Değeri"),
                                  QStringLiteral("kA"));
    layout->addLayout(grid);

    auto* checkStart = makeButton(QStringLiteral("Command3"), QStringLiteral("Uygunluk Kontrolü"));
    auto* checkEnd = makeButton(QStringLiteral("Command4"), QStringLiteral("Uygunluk Kontrolü"));
    lineStart_ = buildCheck(1, QStringLiteral("Hat Başı Kısa Devre Kontrolü"), checkStart);
    lineEnd_ = buildCheck(2, QStringLiteral("Hat Sonu Kısa Devre Kontrolü"), checkEnd);
    auto* checks = new QHBoxLayout;
    checks->addWidget(lineStart_.frame, 1);
    checks->addWidget(lineEnd_.frame, 1);
    layout->addLayout(checks);

    auto* compute = makeComputeButton(QStringLiteral("Command1"));
    auto* clearButton = makeClearButton(QStringLiteral("Command5"));
    layout->addStretch(1);
    layout->addLayout(
        makeButtonRow({compute, clearButton}, {makeReturnButton(QStringLiteral("Command2"))}));

    connect(compute, &QPushButton::clicked, this, &LowVoltageShortCircuitWindow::compute);
    connect(checkStart, &QPushButton::clicked, this, [this] {
        runCheck(lineStart_, [this](const std::string& time) {
            return lvsc::CheckLineStart(kept_.startCurrent, utf8(phaseSection_->currentText()),
                                        time);
        });
    });
    connect(checkEnd, &QPushButton::clicked, this, [this] {
        runCheck(lineEnd_, [this](const std::string& time) {
            return std::optional(
                lvsc::CheckLineEnd(kept_.endCurrent, utf8(neutralSection_->currentText()), time));
        });
    });
    connect(clearButton, &QPushButton::clicked, this, &LowVoltageShortCircuitWindow::clear);
    power_->setFocus();
}

// The conversion, auxiliary and power conversion items open their windows through the openings
// table; the section from a diameter is this window's own.
void LowVoltageShortCircuitWindow::buildMenus(QMenuBar* menuBar) {
    addConversionMenu(menuBar, {{QStringLiteral("mn_guc"), QStringLiteral("Güç")},
                                {QStringLiteral("mn_gerilim"), QStringLiteral("Gerilim")},
                                {QStringLiteral("mn_akım"), QStringLiteral("Akım")}});
    addMenuItems(menuBar->addMenu(QStringLiteral("Birimler Arası Çevirimi Aç")),
                 {{"mn_uzunluk", "Uzunluk Ölçümleri Çevirisini Aç"},
                  {"mn_alan", "Alan Ölçümleri Çevirisini Aç"}});
    QMenu* extras = menuBar->addMenu(QStringLiteral("Ek Hesaplamalar"));
    QMenu* sections = extras->addMenu(QStringLiteral("İletkenin Kesitini Hesaplama"));
    connect(addMenuItem(sections, QStringLiteral("mn_iletkenkesit"),
                        QStringLiteral("İletkenlinin Kesitini Hesaplama")),
            &QAction::triggered, this, &LowVoltageShortCircuitWindow::sectionFromDiameter);
    addMenuItem(sections, QStringLiteral("mn_cokkesıt"),
                QStringLiteral("Çok İletkenlilerde Kesit Hesaplama"));
    addMenuItem(extras, QStringLiteral("mn_gucc"),
                QStringLiteral("Güçlerin Bir Birine Çevirilmesi Bölümünü Aç"));
}

LowVoltageShortCircuitWindow::Check
LowVoltageShortCircuitWindow::buildCheck(int number, const QString& title, QPushButton* command) {
    const int first = number * 3 - 2; // Image1 to Image3, Image4 to Image6
    const auto picture = [first](int offset, CheckPicture::Meaning meaning) {
        return new CheckPicture(QStringLiteral("Image%1").arg(first + offset), meaning);
    };
    Check check{
        new QGroupBox(title),
        makeInput(number == 1 ? QStringLiteral("Text8") : QStringLiteral("Text11"), kClearingTime),
        picture(0, CheckPicture::Meaning::Unchecked), picture(1, CheckPicture::Meaning::Suitable),
        picture(2, CheckPicture::Meaning::Unsuitable)};
    check.frame->setObjectName(QStringLiteral("Frame%1").arg(number));
    check.frame->setAccessibleName(title);
    auto* caption = new QLabel(kClearingTime);
    caption->setWordWrap(true);
    caption->setBuddy(check.time);
    auto* row = new QHBoxLayout;
    row->addWidget(check.time, 1);
    row->addWidget(command);
    for (CheckPicture* picture : {check.unchecked, check.suitable, check.unsuitable})
        row->addWidget(picture);
    auto* content = new QVBoxLayout(check.frame);
    content->addWidget(caption);
    content->addLayout(row);
    showVerdict(check, std::nullopt);
    check.frame->hide();
    return check;
}

low_voltage_short_circuit::Inputs LowVoltageShortCircuitWindow::inputs() const {
    return {utf8(power_->text()),
            utf8(shortCircuitVolt_->text()),
            utf8(copperLoss_->text()),
            static_cast<lvsc::Case>(startCase_->currentIndex()),
            static_cast<lvsc::Conductor>(conductor_->currentIndex()),
            utf8(phaseSection_->currentText()),
            utf8(neutralSection_->currentText()),
            utf8(length_->text()),
            static_cast<lvsc::Case>(endCase_->currentIndex())};
}

void LowVoltageShortCircuitWindow::compute() {
    const auto outcome =
        lvsc::Compute(inputs(), {utf8(startCurrent_->text()), utf8(endCurrent_->text()), kept_});
    startCurrent_->setText(qs(outcome.texts.startCurrent));
    endCurrent_->setText(qs(outcome.texts.endCurrent));
    kept_ = outcome.texts.kept;
    if (!MissingInputWarning(this, {power_, shortCircuitVolt_, copperLoss_, length_}, outcome))
        return;
    for (const Check* check : {&lineStart_, &lineEnd_}) {
        showVerdict(*check, std::nullopt);
        check->frame->show();
    }
}

void LowVoltageShortCircuitWindow::sectionFromDiameter() {
    PromptWarning(this, [this] {
        ShowMessage(this, cable_voltage_drop::SectionMessage(
                              PromptNumber(this, qs(conductor_section::kDiameterPrompt))));
    });
}

void LowVoltageShortCircuitWindow::runCheck(
    const Check& check,
    const std::function<std::optional<Verdict>(const std::string& time)>& verdictOf) {
    std::optional<Verdict> verdict;
    const bool checked = MissingInputWarning(
        this, {check.time}, [&] { verdict = verdictOf(utf8(check.time->text())); },
        qs(warnings::kEnterSeconds));
    // Equal stresses give no verdict: the pictures stay as they were.
    if (checked && verdict)
        showVerdict(check, verdict);
}

// Shows the picture of `verdict`, or the unchecked picture for none.
void LowVoltageShortCircuitWindow::showVerdict(const Check& check, std::optional<Verdict> verdict) {
    check.unchecked->setVisible(!verdict);
    check.suitable->setVisible(verdict == Verdict::Suitable);
    check.unsuitable->setVisible(verdict == Verdict::Unsuitable);
}

void LowVoltageShortCircuitWindow::clear() {
    for (QLineEdit* field : {power_, voltage_, shortCircuitVolt_, copperLoss_, startCurrent_,
                             length_, endCurrent_, lineStart_.time, lineEnd_.time})
        field->clear();
    lineStart_.frame->hide();
    lineEnd_.frame->hide();
}

} // namespace voltaris::gui
