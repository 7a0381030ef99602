#include "gui/conversions/unit_conversion_window.h"

#include "core/conversions/unit_conversion.h"
#include "gui/fields.h"
#include "gui/messages.h"

#include <QMenu>
#include <array>

namespace voltaris::gui {

namespace {

namespace uc = unit_conversion;

const QString kChooseUnit = QStringLiteral("Girdiğiniz Değerin Birimini Seçiniz");

// The pages in tab order, with their control names. The tab captions are the window's own.
struct PageData {
    uc::Tab tab;
    const char* caption;
    QString unitsTitle;
    PageNames names;
    const char* inputToolTip;
    int unitColumns;
};

const std::array<PageData, 7>& pageData() {
    static const std::array<PageData, 7> data = {{
        {uc::Tab::Length,
         "Uzunluk",
         kChooseUnit,
         {"Text1",
          {"Option1", "Option2", "Option3", "Option4", "Option5", "Option6", "Option7", "Option8",
           "Option9", "Option10", "Option11", "Option12"},
          {"Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text10",
           "Text11", "Text12", "Text13"}},
         "",
         3},
        {uc::Tab::Area,
         "Alan",
         QStringLiteral("Girdiğiniz Birimin Değerini Seçiniz"),
         {"Text14",
          {"Option13", "Option14", "Option15", "Option16", "Option17", "Option18", "Option19",
           "Option20", "Option21", "Option22"},
          {"Text15", "Text16", "Text17", "Text18", "Text19", "Text20", "Text21", "Text22", "Text23",
           "Text24"}},
         "",
         2},
        {uc::Tab::Volume,
         "Hacim",
         kChooseUnit,
         {"Text25",
          {"Option23", "Option24", "Option25", "Option26", "Option27", "Option28", "Option29",
           "Option30", "Option31", "Option32"},
          {"Text26", "Text27", "Text28", "Text29", "Text30", "Text31", "Text32", "Text33", "Text34",
           "Text35"}},
         "",
         2},
        {uc::Tab::Mass,
         "Ağırlık",
         kChooseUnit,
         {"Text36",
          {"Option33", "Option34", "Option35", "Option36", "Option37"},
          {"Text37", "Text38", "Text39", "Text40", "Text41"}},
         "",
         1},
        {uc::Tab::Energy,
         "Enerji",
         kChooseUnit,
         {"Text44",
          {"Option38", "Option39", "Option40", "Option41", "Option42", "Option75", "Option76",
           "Option77"},
          {"Text45", "Text46", "Text47", "Text48", "Text49", "Text50", "Text51", "Text52"}},
         "",
         2},
        {uc::Tab::MagneticFlux,
         "Manyetik Akı",
         QStringLiteral("Manyetik Akının Cinsini Seçiniz"),
         {"Text54", {"Option78", "Option79"}, {"Text53"}},
         "Bir Mıknatısın Kuvvet Çizgileri Sayısına denir...",
         1},
        {uc::Tab::MagneticFluxDensity,
         "Manyetik Akı Yoğunluğu",
         QStringLiteral("Manyetik Akı Yoğunluğunun Cinsini Seçiniz "),
         {"Text56", {"Option80", "Option81"}, {"Text55"}},
         "Birim Yüzeyden Dik Olarak Geçen Manyetik Kuvvet Çizgisi Sayısına denir...",
         1},
    }};
    return data;
}

PageDescription describe(const PageData& data) {
    const std::span<const uc::Unit> units = uc::Units(data.tab);
    PageDescription description;
    description.caption = QString::fromUtf8(data.caption);
    description.unitsTitle = data.unitsTitle;
    description.unitColumns = data.unitColumns;
    nameControls(description, data.names, units);
    description.inputToolTip = QString::fromUtf8(data.inputToolTip);
    for (const uc::Unit& unit : units)
        if (!unit.inputLabel.empty())
            description.unitLabels << PageDescription::UnitLabels{
                QString::fromUtf8(unit.inputLabel), QString::fromUtf8(unit.resultLabel)};
    description.convert = [tab = data.tab](int unit, const QString& input) {
        return liveTexts(uc::Convert(tab, static_cast<std::size_t>(unit), input.toStdString()));
    };
    return description;
}

} // namespace

UnitConversionWindow::UnitConversionWindow()
    : ConversionWindow(kForm, QStringLiteral("Birim'ler Arası Çeviri"),
                       QStringLiteral("Elektrik ve Elektronikte Kullanılan Kavramlar Arası "
                                      "Dönüşüm Bölümünü Aç"),
                       QStringLiteral("Direnç,Kondansatör,Bobin,Akım,Gerilim,Güç Dönüşümleri")) {
    QMenu* extras = addMenu(QStringLiteral("Ek Hesaplamalar"));
    connect(addMenuItem(extras, QStringLiteral("mn_KoordinatMesafe"),
                        QStringLiteral("İki Koordinat Arası Mesafe Hesaplama")),
            &QAction::triggered, this, &UnitConversionWindow::coordinateDistance);
    for (const PageData& data : pageData())
        addPage(describe(data));
}

void UnitConversionWindow::coordinateDistance() {
    PromptWarning(
        this,
        [this] {
            // The first answer that is not a number ends the command.
            std::array<double, 4> values{};
            for (std::size_t index = 0; index < values.size(); ++index)
                values[index] =
                    PromptNumber(this, QString::fromUtf8(uc::kCoordinatePrompts[index]));
            ShowResultBox(this, qs(uc::CoordinateDistanceMessage(values[0], values[1], values[2],
                                                                 values[3])));
        },
        QString::fromUtf8(uc::kCoordinateWarning));
}

} // namespace voltaris::gui
