#include "gui/circuits/conductor_resistance_window.h"

#include "core/circuits/conductor_materials.h"
#include "gui/circuits/conductor_widgets.h"
#include "gui/fields.h"
#include "gui/messages.h"
#include "gui/text_report.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace voltaris::gui {

ConductorResistanceWindow::ConductorResistanceWindow()
    : ToolWindow(kForm, QStringLiteral("Bir İletkenin Direncini Hesaplama")) {
    auto* layout = new QVBoxLayout(this);
    buildMenus();

    auto* grid = new FieldGrid;
    material_ = addMaterialList(*grid, QStringLiteral("Combo1"), conductor_materials::kCopper);
    length_ =
        grid->addInput(QStringLiteral("Text1"), QStringLiteral("İletkenin Uzunluğunu Giriniz"),
                       QStringLiteral("m"), QStringLiteral("Uzunluğu Metre Cinsinden Giriniz..."));
    section_ = grid->addInput(QStringLiteral("Text2"), QStringLiteral("İletkenin Kesitini Giriniz"),
                              QStringLiteral("mm²"),
                              QStringLiteral("Kesiti MilimetreKare Cinsinden Giriniz..."));
    resistance_ = makeResult(QStringLiteral("Text4"), QStringLiteral("İletkenin Direnci"));
    resistance_->setToolTip(QStringLiteral("SONUÇ"));
    grid->addRow(QStringLiteral("İletkenin Direnci"), resistance_, makeOhmUnit());
    layout->addLayout(grid);

    auto* compute = makeComputeButton(QStringLiteral("Command1"));
    report_ = makeReportButton(QStringLiteral("Command2"));
    auto* clearButton = makeClearButton(QStringLiteral("Command5"));
    auto* note =
        makeButton(QStringLiteral("Command4"), QStringLiteral("Not"), QStringLiteral("Açıklama"));
    layout->addStretch(1);
    layout->addLayout(makeButtonRow({compute, report_, clearButton, note},
                                    {makeReturnButton(QStringLiteral("Command6"))}));

    connect(compute, &QPushButton::clicked, this, &ConductorResistanceWindow::compute);
    connect(report_, &QPushButton::clicked, this, [this] {
        TextReport(this, qs(conductor_resistance::kReportName),
                   conductor_resistance::ReportLines(state(), utf8(material_->currentText())));
    });
    connect(clearButton, &QPushButton::clicked, this, &ConductorResistanceWindow::clear);
    connect(note, &QPushButton::clicked, this,
            [this] { ShowMessage(this, conductor_resistance::NoteMessage()); });
    length_->setFocus();
}

void ConductorResistanceWindow::buildMenus() {
    // The companion items are connected by the openings table.
    auto* menuBar = new QMenuBar(this);
    layout()->setMenuBar(menuBar);
    addMenuItem(menuBar->addMenu(QStringLiteral("Elektrik ve Elektronik Kavramlar Arası Dönüşümü "
                                                "Aç")),
                QStringLiteral("mn_direnç"),
                QStringLiteral("Direnç As ve Üs Katları Arası "
                               "Dönüşümü Aç"));
    QMenu* units = menuBar->addMenu(QStringLiteral("Birimler Arası Çevirimi Aç"));
    addMenuItem(units, QStringLiteral("mn_uzunluk"),
                QStringLiteral("Uzunluk Ölçümleri Çevirisini Aç"));
    addMenuItem(units, QStringLiteral("mn_alan"), QStringLiteral("Alan Ölçümleri Çevirisini Aç"));
    QMenu* extras = menuBar->addMenu(QStringLiteral("Ek Hesaplamalar"));
    addMenuItem(extras, QStringLiteral("mn_DirSıcak"),
                QStringLiteral("İletkenlerin Direnç Değerlerinin Sıcaklıkla Değişimi Bölümünü "
                               "Aç"));
    QMenu* sections = extras->addMenu(QStringLiteral("İletkenin Kesitini Hesaplama"));
    connect(addMenuItem(sections, QStringLiteral("mn_kesit"),
                        QStringLiteral("İletkenlinin Kesitini Hesaplama  ")),
            &QAction::triggered, this, &ConductorResistanceWindow::sectionFromDiameter);
    addMenuItem(sections, QStringLiteral("mn_cokkesit"),
                QStringLiteral("Çok İletkenlilerde Kesit Hesaplama"));
}

conductor_resistance::State ConductorResistanceWindow::state() const {
    return {utf8(length_->text()), utf8(section_->text()), utf8(resistance_->text()), resistivity_};
}

void ConductorResistanceWindow::compute() {
    const Outcome<conductor_resistance::State> outcome =
        conductor_resistance::Compute(state(), material_->currentIndex());
    resistivity_ = outcome.texts.resistivity;
    resistance_->setText(qs(outcome.texts.resistance));
    if (MissingInputWarning(this, {length_, section_}, outcome,
                            qs(warnings::kEnterValuesAndMaterial)))
        report_->setEnabled(true);
}

void ConductorResistanceWindow::clear() {
    // The material stays chosen, and the resistivity kept.
    for (QLineEdit* field : {length_, section_, resistance_})
        field->clear();
    report_->setEnabled(false);
}

void ConductorResistanceWindow::sectionFromDiameter() {
    PromptWarning(
        this,
        [this] {
            const conductor_resistance::SectionAnswer answer =
                conductor_resistance::SectionFromDiameter(
                    PromptNumber(this, qs(conductor_resistance::kDiameterPrompt)));
            section_->setText(qs(answer.section));
            ShowMessage(this, answer.message);
        },
        qs(warnings::kEnterValueBare));
}

} // namespace voltaris::gui
