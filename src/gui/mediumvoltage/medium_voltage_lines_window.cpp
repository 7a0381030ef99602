#include "gui/mediumvoltage/medium_voltage_lines_window.h"

#include "gui/fields.h"
#include "gui/mediumvoltage/medium_voltage_short_circuit_window.h"
#include "gui/messages.h"
#include "gui/options.h"
#include "gui/text.h"
#include "gui/window_registry.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

namespace mvsc = medium_voltage_short_circuit;

// The captions and units of one laying; the unit labels name the quantity they hold.
struct LayingTexts {
    const char* conductor;
    const char* resistance;
    const char* reactance;
    const char* resistanceUnit;
    const char* reactanceUnit;
};
const LayingTexts kOverheadTexts = {"Çelik Özlü Alüminyum İletken Kesitini Seçiniz",
                                    "İletkenin Direncini Giriniz", "İletkenin Reaktansını Giriniz",
                                    "RL  Ω/km", "XL  Ω/km"};
const LayingTexts kCableTexts = {"Bakır İletkenli XLPE Kablo Kesitini Seçiniz",
                                 "Kablonun Direncini Giriniz", "Kablonun Reaktansını Giriniz",
                                 "RC  Ω/km", "LC  mH/km"};

} // namespace

MediumVoltageLinesWindow::MediumVoltageLinesWindow()
    : ToolWindow(kForm, QStringLiteral("Enerji Nakil Hattı Ekleme Bölümü")) {
    auto* layout = new QVBoxLayout(this);
    laying_ = new OptionGroup(QStringLiteral("Hat Şekli"),
                              {{QStringLiteral("Option1"), QStringLiteral("Havai")},
                               {QStringLiteral("Option2"), QStringLiteral("Yeraltı")}},
                              0, 2);
    laying_->setObjectName(QStringLiteral("Frame1"));
    layout->addWidget(laying_);

    auto* grid = new FieldGrid;
    conductorCaption_ = makeLabel(QStringLiteral("Label1"), {});
    conductor_ = new QComboBox;
    conductor_->setObjectName(QStringLiteral("Combo1"));
    grid->addRow(conductorCaption_, conductor_);
    resistanceCaption_ = makeLabel(QStringLiteral("Label2"), {});
    resistance_ = makeInput(QStringLiteral("Text1"), {});
    resistanceUnit_ = makeLabel(QStringLiteral("Label4"), {});
    grid->addRow(resistanceCaption_, resistance_, resistanceUnit_);
    reactanceCaption_ = makeLabel(QStringLiteral("Label3"), {});
    reactance_ = makeInput(QStringLiteral("Text3"), {});
    reactanceUnit_ = makeLabel(QStringLiteral("Label5"), {});
    grid->addRow(reactanceCaption_, reactance_, reactanceUnit_);
    length_ = grid->addInput(QStringLiteral("Text2"),
                             QStringLiteral("Eneji Nakil Hattı Uzunluğunu Giriniz"),
                             QStringLiteral("km"));
    QStringList counts;
    for (int n = 1; n <= mvsc::kMostCircuits; ++n)
        counts << QString::number(n);
    circuits_ = grid->addList(QStringLiteral("Combo2"), QStringLiteral("Enerji Nakil Hattı Sayısı"),
                              counts);
    layout->addLayout(grid);

    auto* add = makeButton(QStringLiteral("Command1"), QStringLiteral("Hattı Listeye Ekle"));
    layout->addWidget(add, 0, Qt::AlignLeft);
    lines_ = new QListWidget;
    lines_->setObjectName(QStringLiteral("List1"));
    lines_->setMinimumWidth(560);
    layout->addWidget(lines_, 1);

    auto* handBack = makeButton(QStringLiteral("Command3"),
                                QStringLiteral("Hat Listesi Tamam Ana Listeye Aktar"));
    auto* clearList =
        makeButton(QStringLiteral("Command4"), QStringLiteral("Listeyi Komple Temizle"));
    layout->addLayout(makeButtonRow({handBack, clearList}, {}));

    connect(laying_, &OptionGroup::chosenChanged, this, &MediumVoltageLinesWindow::showLaying);
    connect(add, &QPushButton::clicked, this, &MediumVoltageLinesWindow::addLine);
    connect(handBack, &QPushButton::clicked, this, &MediumVoltageLinesWindow::handBack);
    connect(clearList, &QPushButton::clicked, this, &MediumVoltageLinesWindow::clearList);
    showLaying(0);
}

void MediumVoltageLinesWindow::setNetwork(double voltage, double networkPower) {
    voltage_ = voltage;
    networkPower_ = networkPower;
}

void MediumVoltageLinesWindow::showLaying(int laying) {
    const bool overhead = laying == 0;
    const LayingTexts& texts = overhead ? kOverheadTexts : kCableTexts;
    conductorCaption_->setText(QString::fromUtf8(texts.conductor));
    resistanceCaption_->setText(QString::fromUtf8(texts.resistance));
    reactanceCaption_->setText(QString::fromUtf8(texts.reactance));
    resistanceUnit_->setText(QString::fromUtf8(texts.resistanceUnit));
    reactanceUnit_->setText(QString::fromUtf8(texts.reactanceUnit));
    resistance_->setAccessibleName(resistanceCaption_->text());
    reactance_->setAccessibleName(reactanceCaption_->text());
    conductor_->clear();
    conductor_->addItems(overhead ? qs(mvsc::kOverheadConductors) : qs(mvsc::kCableSections));
}

void MediumVoltageLinesWindow::addLine() {
    const mvsc::LineInputs line{laying_->chosen() == 0 ? mvsc::Laying::Overhead
                                                       : mvsc::Laying::Underground,
                                utf8(conductor_->currentText()),
                                utf8(length_->text()),
                                utf8(resistance_->text()),
                                utf8(reactance_->text()),
                                circuits_->currentIndex() + 1};
    MissingInputWarning(
        this, {length_, resistance_, reactance_},
        [&] {
            const std::optional<mvsc::AddedLine> added =
                mvsc::AddLine(line, voltage_, networkPower_);
            if (!added)
                throw ComputeFailure("a line value is missing");
            lines_->addItem(qs(added->entry));
            lines_->setCurrentRow(lines_->count() - 1);
            sums_ += added->sums;
        },
        QStringLiteral("Değerleri Giriniz"));
}

void MediumVoltageLinesWindow::handBack() {
    if (lines_->count() == 0) {
        ShowWarning(this, QStringLiteral("Listeye Hat Eklenmedi..."));
        return;
    }
    QStringList entries;
    for (int row = 0; row < lines_->count(); ++row)
        entries << lines_->item(row)->text();
    if (auto* opener = qobject_cast<MediumVoltageShortCircuitWindow*>(
            WindowRegistry::instance().window(forms::kMediumVoltageShortCircuit)))
        opener->takeLines(entries, sums_);
    closeCompanion();
}

void MediumVoltageLinesWindow::clearList() {
    lines_->clear();
    sums_ = {};
}

} // namespace voltaris::gui
