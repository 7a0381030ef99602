#include "gui/conversions/quantity_conversion_window.h"

#include "core/conversions/quantity_conversion.h"

#include <array>

namespace voltaris::gui {

namespace {

namespace qc = quantity_conversion;

// The pages in tab order, with the input's tool tip. The tab captions are the window's own.
struct PageData {
    qc::Tab tab;
    const char* caption;
    const char* inputToolTip;
};

constexpr std::array<PageData, 6> kPages = {{
    {qc::Tab::Resistance, "Direnç",
     "Elektrik Akımına Gösterilen Zorluktur. 106,3 cm Uzunluğundaki 1mm2 Kesitinde 0 C Derecedeki "
     "Civanın Direnci 1 Ohmdur..."},
    {qc::Tab::Capacitance, "Kondansatör",
     "Potansiyeli 1 Volt Olan İletkenin Yükü 1 Kulon ise , Bu İletkenin Kapasitesi 1 Farad "
     "olur..."},
    {qc::Tab::Inductance, "Bobin",
     "Saniyede 1 Amperlik Değişiklik 1 Voltluk EMK Endüklüyorsa , Bobinin Endüktansı 1 "
     "Henridir..."},
    {qc::Tab::Current, "Akım",
     "Bir İletkenin HerHangi Bir Yerinde Alınan Kesitinden 1 Saniyede Geçen Elektrik Yüküne "
     "Denir..."},
    {qc::Tab::Voltage, "Gerilim",
     "İki Nokta Arasındaki Potansiyel Farkına Gerilim Denir.Gerilim ,Elektrik Akımını Meydana "
     "Getiren Kuvvet olarak tanımlanır..."},
    {qc::Tab::Power, "Güç",
     "Birim Zamanda Yapılan işe Güç denir.MKS(Kg-Kütle)Sisteminde Güç'ün Birimi J/s'dir. J/s "
     "Değerine Kısaca Watt Denir..."},
}};

// The power page's kind, chosen in `kinds` (nothing on the other pages).
qc::PowerKind kindOf(const OptionGroup* kinds) {
    return kinds ? static_cast<qc::PowerKind>(kinds->chosen()) : qc::PowerKind::Active;
}

PageDescription describe(const PageData& data, const OptionGroup* kinds) {
    const qc::TabFields fields = qc::Layout(data.tab, kindOf(kinds));
    PageDescription description;
    description.caption = QString::fromUtf8(data.caption);
    description.unitsTitle = QStringLiteral("Girdiğiniz Değerin Birimini Seçiniz");
    description.initialUnit = static_cast<int>(fields.initialUnit);
    description.input = QString::fromUtf8(fields.inputField);
    description.inputToolTip = QString::fromUtf8(data.inputToolTip);
    for (const qc::Unit& unit : fields.units) {
        description.units << OptionGroup::Option{QString::fromUtf8(unit.option),
                                                 QString::fromUtf8(unit.caption)};
        description.results << QString::fromUtf8(unit.resultField);
    }
    description.convert = [tab = data.tab, kinds](int unit, const QString& input) {
        return liveTexts(
            qc::Convert(tab, static_cast<std::size_t>(unit), input.toStdString(), kindOf(kinds)));
    };
    return description;
}

OptionGroup* makePowerKinds() {
    QList<OptionGroup::Option> options;
    for (const qc::PowerKindOption& kind : qc::PowerKindOptions())
        options << OptionGroup::Option{QString::fromUtf8(kind.option),
                                       QString::fromUtf8(kind.caption),
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
    for (const PageData& data : kPages) {
        if (data.tab != qc::Tab::Power) {
            addPage(describe(data, nullptr));
            continue;
        }
        OptionGroup* kinds = makePowerKinds();
        ConversionPage* page = addPage(describe(data, kinds), kinds);
        // The kind only renames the power units; the numbers stay.
        connect(kinds, &OptionGroup::chosenChanged, page, [page](int kind) {
            const qc::TabFields fields =
                qc::Layout(qc::Tab::Power, static_cast<qc::PowerKind>(kind));
            for (std::size_t unit = 0; unit < fields.units.size(); ++unit)
                page->renameUnit(static_cast<int>(unit),
                                 QString::fromUtf8(fields.units[unit].caption));
        });
    }
}

} // namespace voltaris::gui
