#include "gui/conversions/quantity_conversion_window.h"

#include "core/conversions/quantity_conversion.h"

#include <array>

namespace voltaris::gui {

namespace {

namespace qc = quantity_conversion;

// The pages in tab order, with their control names and the input's tool tip. The tab captions
// are the window's own.
struct PageData {
    qc::Tab tab;
    const char* caption;
    PageNames names;
    const char* inputToolTip;
};

const std::array<PageData, 6>& pageData() {
    static const std::array<PageData, 6> data = {{
        {qc::Tab::Resistance,
         "Direnç",
         {"Text1",
          {"Option26", "Option25", "Option1", "Option2", "Option3"},
          {"Text29", "Text28", "Text4", "Text3", "Text2"}},
         "Elektrik Akımına Gösterilen Zorluktur. 106,3 cm Uzunluğundaki 1mm2 Kesitinde 0 C "
         "Derecedeki Civanın Direnci 1 Ohmdur..."},
        {qc::Tab::Capacitance,
         "Kondansatör",
         {"Text5",
          {"Option4", "Option5", "Option6", "Option7"},
          {"Text6", "Text7", "Text8", "Text9"}},
         "Potansiyeli 1 Volt Olan İletkenin Yükü 1 Kulon ise , Bu İletkenin Kapasitesi 1 Farad "
         "olur..."},
        {qc::Tab::Inductance,
         "Bobin",
         {"Text10", {"Option8", "Option9", "Option10"}, {"Text11", "Text12", "Text13"}},
         "Saniyede 1 Amperlik Değişiklik 1 Voltluk EMK Endüklüyorsa , Bobinin Endüktansı 1 "
         "Henridir..."},
        {qc::Tab::Current,
         "Akım",
         {"Text14",
          {"Option11", "Option12", "Option13", "Option14"},
          {"Text15", "Text16", "Text17", "Text18"}},
         "Bir İletkenin HerHangi Bir Yerinde Alınan Kesitinden 1 Saniyede Geçen Elektrik Yüküne "
         "Denir..."},
        {qc::Tab::Voltage,
         "Gerilim",
         {"Text19", {"Option15", "Option16", "Option17"}, {"Text20", "Text21", "Text22"}},
         "İki Nokta Arasındaki Potansiyel Farkına Gerilim Denir.Gerilim ,Elektrik Akımını Meydana "
         "Getiren Kuvvet olarak tanımlanır..."},
        {qc::Tab::Power,
         "Güç",
         {"Text23",
          {"Option18", "Option19", "Option20", "Option21"},
          {"Text24", "Text25", "Text26", "Text27"}},
         "Birim Zamanda Yapılan işe Güç denir.MKS(Kg-Kütle)Sisteminde Güç'ün Birimi J/s'dir. J/s "
         "Değerine Kısaca Watt Denir..."},
    }};
    return data;
}

// The power page's "Güç Çeşitleri" options, in kind order.
constexpr std::array<const char*, 3> kPowerKindNames = {"Option22", "Option23", "Option24"};

// The power page's kind, chosen in `kinds` (nothing on the other pages).
qc::PowerKind kindOf(const OptionGroup* kinds) {
    return kinds ? static_cast<qc::PowerKind>(kinds->chosen()) : qc::PowerKind::Active;
}

PageDescription describe(const PageData& data, const OptionGroup* kinds) {
    const qc::TabUnits units = qc::Units(data.tab, kindOf(kinds));
    PageDescription description;
    description.caption = QString::fromUtf8(data.caption);
    description.unitsTitle = QStringLiteral("Girdiğiniz Değerin Birimini Seçiniz");
    description.initialUnit = static_cast<int>(units.initialUnit);
    nameControls(description, data.names, units.units);
    description.inputToolTip = QString::fromUtf8(data.inputToolTip);
    description.convert = [tab = data.tab, kinds](int unit, const QString& input) {
        return liveTexts(
            qc::Convert(tab, static_cast<std::size_t>(unit), input.toStdString(), kindOf(kinds)));
    };
    return description;
}

OptionGroup* makePowerKinds() {
    QList<OptionGroup::Option> options;
    auto name = kPowerKindNames.cbegin();
    for (const qc::PowerKindOption& kind : qc::PowerKindOptions())
        options << OptionGroup::Option{QString::fromUtf8(*name++), QString::fromUtf8(kind.caption),
                                       QString::fromUtf8(kind.toolTip)};
    return new OptionGroup(QStringLiteral("Güç Çeşitleri"), options, 0,
                           static_cast<int>(options.size()));
}

} // namespace

QuantityConversionWindow::QuantityConversionWindow()
    : ConversionWindow(
          kForm, QStringLiteral("Elektrik Ve Elektronikte Kullanılan Kavramlar Arası Dönüşüm"),
          QStringLiteral("Birimler Arası Çeviri Bölümünü Aç"),
          QStringLiteral("Uzunluk,Alan,Hacim,Ağırlık,Enerji Çevirimleri")) {
    for (const PageData& data : pageData()) {
        if (data.tab != qc::Tab::Power) {
            addPage(describe(data, nullptr));
            continue;
        }
        OptionGroup* kinds = makePowerKinds();
        ConversionPage* page = addPage(describe(data, kinds), kinds);
        // The kind only renames the power units; the numbers stay.
        connect(kinds, &OptionGroup::chosenChanged, page, [page](int kind) {
            const auto units = qc::Units(qc::Tab::Power, static_cast<qc::PowerKind>(kind)).units;
            for (std::size_t unit = 0; unit < units.size(); ++unit)
                page->renameUnit(static_cast<int>(unit), QString::fromUtf8(units[unit].caption));
        });
    }
}

} // namespace voltaris::gui
