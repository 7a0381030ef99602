#include "gui/codes/resistor_colour_window.h"

#include "gui/dialogs.h"
#include "gui/fields.h"
#include "gui/forms.h"
#include "gui/options.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

using codes::ResistorBandCount;

QString formOf(ResistorBandCount bands) {
    switch (bands) {
    case ResistorBandCount::Four:
        return forms::kResistorColour4;
    case ResistorBandCount::Five:
        return forms::kResistorColour5;
    case ResistorBandCount::Six:
        break;
    }
    return forms::kResistorColour6;
}

BandReaderSetup setupOf(ResistorBandCount bands) {
    return {formOf(bands),
            qs(codes::ResistorWindowTitle(bands)),
            &codes::ResistorBandLists(bands),
            Component::Resistor,
            QStringLiteral("Direnç Değeri"),
            {Unit{QStringLiteral("Ω"), QStringLiteral("Ohm")},
             Unit{QStringLiteral("kΩ"), QStringLiteral("Kilo Ohm")},
             Unit{QStringLiteral("MΩ"), QStringLiteral("Mega Ohm")}},
            bands == ResistorBandCount::Six ? QStringLiteral("Text2") : QStringLiteral("Text1")};
}

} // namespace

ResistorColourWindow::ResistorColourWindow(ResistorBandCount bands)
    : BandReaderWindow(setupOf(bands)), bands_(bands) {
    if (bands != ResistorBandCount::Six)
        return;
    coefficient_ = detailRows()->addResult(QStringLiteral("Text1"),
                                           QStringLiteral("Direncin Sıcaklık Katsayısı Değeri"));
    bases_ = new OptionGroup(
        QStringLiteral("Hesaplayacağınız Direnç Değerini Seçiniz"),
        {{QStringLiteral("Option1"), QStringLiteral("Normal Direnç Değerine Göre")},
         {QStringLiteral("Option2"), QStringLiteral("Minimum Toleranslı Direnç Değerine Göre")},
         {QStringLiteral("Option3"), QStringLiteral("Maksimum Toleranslı Direnç Değerine Göre")}});
    extraSpace()->addWidget(bases_);
    temperature_ =
        makeButton(QStringLiteral("Command4"),
                   QStringLiteral("Sıcaklığa Bağlı Olarak Direncin Değerini Hesaplamak İstiyorum"));
    temperature_->setEnabled(false);
    extraSpace()->addLayout(makeButtonRow({temperature_}, {}));
    connect(temperature_, &QPushButton::clicked, this,
            &ResistorColourWindow::resistanceAtTemperature);

    // Tab follows reading order: these controls sit above the button row, which was made first.
    QList<QWidget*> order = {findChild<QWidget*>(QStringLiteral("Combo6"))};
    for (const char* name : {"Option1", "Option2", "Option3"})
        order << findChild<QWidget*>(QString::fromLatin1(name));
    order << temperature_;
    for (const char* name : {"Command1", "Command3", "Command2"})
        order << findChild<QWidget*>(QString::fromLatin1(name));
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void ResistorColourWindow::compute() {
    const std::vector<int> chosen = chosenEntries();
    codes::ResistorColourResult result = codes::ReadResistorColours(bands_, chosen);
    if (result.warning) {
        ShowMessage(this, *result.warning);
        return;
    }
    showReading(result.swatches, {&result.ohm, &result.kiloOhm, &result.megaOhm},
                result.toleranceText);
    if (coefficient_) {
        coefficient_->setText(qs(result.temperatureCoefficientText));
        temperature_->setEnabled(result.enableTemperatureCommand);
    }
    kept_ = std::move(result.reading);
}

void ResistorColourWindow::clear() {
    BandReaderWindow::clear();
    if (coefficient_) {
        coefficient_->clear();
        temperature_->setEnabled(false);
    }
}

void ResistorColourWindow::resistanceAtTemperature() {
    const std::optional<QString> answer =
        Dialogs::current().prompt(this, kApplicationTitle, qs(codes::kResistorTemperaturePrompt));
    // The options are in the order of the bases.
    const auto base = static_cast<codes::TemperatureBase>(bases_->chosen());
    const codes::ResistorTemperatureResult result = codes::ResistorAtTemperature(
        kept_, base, answer.value_or(QString()).toStdString(), coefficient_->text().toStdString());
    ShowMessage(this, result.message);
}

} // namespace voltaris::gui
