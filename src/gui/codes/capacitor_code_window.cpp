#include "gui/codes/capacitor_code_window.h"

#include "core/codes/capacitor_code.h"
#include "gui/codes/code_widgets.h"
#include "gui/fields.h"
#include "gui/live.h"
#include "gui/pictures.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

const QColor kPrint(20, 20, 20);

} // namespace

CapacitorCodeWindow::CapacitorCodeWindow()
    : ToolWindow(kForm, qs(codes::kCapacitorCodeWindowTitle)) {
    auto* layout = new QVBoxLayout(this);

    auto* inputs = new FieldGrid;
    code_ = makeCodeInput(QStringLiteral("Text1"), QStringLiteral("Kondansatör Kodunu Giriniz"));
    QPushButton* digitsNote =
        makeButton(QStringLiteral("Command2"), QStringLiteral("Not"), QStringLiteral("Açıklama"));
    digitsNote->setAccessibleName(QStringLiteral("Not: Rakamlar"));
    QPushButton* lettersNote = makeButton(QStringLiteral("Command11"), QStringLiteral("Not"));
    lettersNote->setAccessibleName(QStringLiteral("Not: Harfler"));
    auto* notes = new QWidget;
    auto* notesRow = new QHBoxLayout(notes);
    notesRow->setContentsMargins(0, 0, 0, 0);
    notesRow->addWidget(digitsNote);
    notesRow->addWidget(lettersNote);
    inputs->addRow(QStringLiteral("Kondansatör Kodunu Giriniz"), code_, notes);
    toleranceList_ = inputs->addList(
        QStringLiteral("Combo1"), QStringLiteral("Kondansatörün Toleransını Seçiniz"),
        toEntries(codes::CapacitorToleranceEntries()), codes::kCapacitorDefaultTolerance);
    voltageList_ = inputs->addList(
        QStringLiteral("Combo2"),
        QStringLiteral("Kondansatörün Maksimum Çalışma Gerilimini Seçiniz"),
        toEntries(codes::CapacitorVoltageEntries()), codes::kCapacitorDefaultVoltage);
    layout->addLayout(inputs);

    // The code, the tolerance letter and the voltage code printed on the capacitor's body.
    ComponentPicture* picture =
        makePicture(Component::FilmCapacitor, 0, QStringLiteral("Kondansatör"), 9);
    codeLabel_ =
        makePrintedLabel(QStringLiteral("Label11"), QStringLiteral("Kondansatör Kodu"), kPrint);
    toleranceLabel_ =
        makePrintedLabel(QStringLiteral("Label12"), QStringLiteral("Tolerans Harfi"), kPrint);
    voltageLabel_ =
        makePrintedLabel(QStringLiteral("Label17"), QStringLiteral("Gerilim Kodu"), kPrint);
    // The voltage code above, the value code followed by the tolerance letter below.
    auto* print = new QWidget;
    auto* printLines = new QGridLayout(print);
    printLines->setContentsMargins(0, 0, 0, 0);
    printLines->setSpacing(0);
    printLines->setRowStretch(0, 1);
    printLines->setRowStretch(3, 1);
    printLines->addWidget(voltageLabel_, 1, 0, 1, 2);
    printLines->addWidget(codeLabel_, 2, 0, Qt::AlignRight);
    printLines->addWidget(toleranceLabel_, 2, 1, Qt::AlignLeft);
    picture->placeOnBody(print);
    layout->addWidget(picture, 1);

    auto* results = new FieldGrid;
    values_ = addValueRows(results, 2, QStringLiteral("Kondansatörün Değeri"),
                           {{QStringLiteral("pF"), QStringLiteral("PikoFarad")},
                            {QStringLiteral("nF"), QStringLiteral("NanoFarad")},
                            {QStringLiteral("µF"), QStringLiteral("MikroFarad")},
                            {QStringLiteral("F"), QStringLiteral("Farad")}});
    tolerance_ = results->addResult(QStringLiteral("Text6"), QStringLiteral("Tolerans Değeri"));
    voltage_ = results->addResult(QStringLiteral("Text7"),
                                  QStringLiteral("Maksimum Çalışma Gerilimi"), QStringLiteral("V"));
    layout->addLayout(results);

    toleranceCommand_ = addToleranceCommand(
        this, layout, QStringLiteral("Command5"),
        QStringLiteral("Tolerans'lı Değerleri Görmek İstiyorum"), [this] {
            return codes::CapacitorCodeToleranceMessage(
                utf8(values_[0]->text()), toleranceList_->currentIndex(), utf8(tolerance_->text()));
        });
    addCommandButtons(
        this, layout, QStringLiteral("Command3"), QStringLiteral("Command4"), [this] { compute(); },
        [this] { clear(); });
    connect(digitsNote, &QPushButton::clicked, this,
            [this] { ShowMessage(this, codes::CapacitorDigitsNote()); });
    connect(lettersNote, &QPushButton::clicked, this,
            [this] { ShowMessage(this, codes::CapacitorLettersNote()); });
    // The displays follow the lists at once, and on the window's periodic timer (a text written
    // over them, or emptied by "Temizle", comes back).
    for (QComboBox* list : {toleranceList_, voltageList_})
        connect(list, &QComboBox::currentIndexChanged, this, &CapacitorCodeWindow::showChoices);
    new WindowTimer(this, QStringLiteral("Timer1"), [this] { showChoices(); });
    showChoices();
    code_->setFocus();
}

void CapacitorCodeWindow::showChoices() {
    const codes::ListDisplay tolerance =
        codes::CapacitorToleranceDisplay(toleranceList_->currentIndex());
    writeResult(tolerance_, qs(tolerance.fieldText));
    writeResult(toleranceLabel_, qs(tolerance.labelText));
    const codes::ListDisplay voltage = codes::CapacitorVoltageDisplay(voltageList_->currentIndex());
    writeResult(voltage_, qs(voltage.fieldText));
    writeResult(voltageLabel_, qs(voltage.labelText));
}

void CapacitorCodeWindow::compute() {
    const codes::CapacitorCodeResult result = codes::ReadCapacitorCode(code_->text().toStdString());
    if (result.warning) {
        ShowMessage(this, *result.warning);
        return;
    }
    const std::string* texts[] = {&result.picoFarad, &result.nanoFarad, &result.microFarad,
                                  &result.farad};
    for (int i = 0; i < 4; ++i)
        values_[i]->setText(qs(*texts[i]));
    codeLabel_->setText(qs(result.codeLabel));
    toleranceCommand_->setEnabled(result.toleranceCommandEnabled);
}

void CapacitorCodeWindow::clear() {
    code_->clear();
    for (QLineEdit* field : values_)
        field->clear();
    tolerance_->clear();
    codeLabel_->clear();
    toleranceLabel_->clear();
    toleranceCommand_->setEnabled(false);
    // The lists stay as they are: the next timer tick shows their tolerance text and letter again.
}

} // namespace voltaris::gui
