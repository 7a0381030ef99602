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

// The pages in tab order. The tab captions are the window's own.
struct PageData {
    uc::Tab tab;
    const char* caption;
    QString unitsTitle;
    const char* inputToolTip;
    int unitColumns;
};

const std::array<PageData, 7>& pageData() {
    static const std::array<PageData, 7> data = {{
        {uc::Tab::Length, "Uzunluk", kChooseUnit, "", 3},
        {uc::Tab::Area, "Alan", QStringLiteral("Girdiğiniz Birimin Değerini Seçiniz"), "", 2},
        {uc::Tab::Volume, "Hacim", kChooseUnit, "", 2},
        {uc::Tab::Mass, "Ağırlık", kChooseUnit, "", 1},
        {uc::Tab::Energy, "Enerji", kChooseUnit, "", 2},
        {uc::Tab::MagneticFlux, "Manyetik Akı", QStringLiteral("Manyetik Akının Cinsini Seçiniz"),
         "Bir Mıknatısın Kuvvet Çizgileri Sayısına denir...", 1},
        {uc::Tab::MagneticFluxDensity, "Manyetik Akı Yoğunluğu",
         QStringLiteral("Manyetik Akı Yoğunluğunun Cinsini Seçiniz "),
         "Birim Yüzeyden Dik Olarak Geçen Manyetik Kuvvet Çizgisi Sayısına denir...", 1},
    }};
    return data;
}

PageDescription describe(const PageData& data) {
    const uc::TabFields fields = uc::Layout(data.tab);
    PageDescription description;
    description.caption = QString::fromUtf8(data.caption);
    description.unitsTitle = data.unitsTitle;
    description.unitColumns = data.unitColumns;
    description.input = QString::fromUtf8(fields.inputField);
    description.inputToolTip = QString::fromUtf8(data.inputToolTip);
    for (const uc::UnitOption& option : fields.options) {
        description.units << OptionGroup::Option{QString::fromUtf8(option.option),
                                                 QString::fromUtf8(option.caption)};
        if (!option.inputLabel.empty())
            description.unitLabels << PageDescription::UnitLabels{
                QString::fromUtf8(option.inputLabel), QString::fromUtf8(option.resultLabel)};
    }
    for (std::string_view result : fields.resultFields)
        description.results << QString::fromUtf8(result);
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
