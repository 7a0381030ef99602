#include "gui/openings.h"

#include "gui/forms.h"
#include "gui/window_registry.h"

#include <QAbstractButton>
#include <QAction>
#include <QDebug>
#include <vector>

namespace voltaris::gui {

namespace {

using namespace forms;

constexpr OpenAs kCompanion = OpenAs::Companion;
constexpr OpenAs kTool = OpenAs::Tool;

// A section menu's configuration: its caption and the controls shown (the others hide).
Adjustments configuration(const char* caption, QStringList shown) {
    return {QString::fromUtf8(caption), std::move(shown)};
}
// The colour finder with its band count and tolerance options chosen.
Adjustments chosen(QStringList options) {
    return {{}, {}, {}, std::move(options)};
}
// A companion on tab page `page`.
Adjustments onPage(int page) {
    return {{}, {}, {}, {}, page};
}

const QStringList kFourBands = {"Option7", "Option3"};
const QStringList kFiveBands = {"Option6", "Option3"};
const QStringList kSixBands = {"Option8", "Option3", "Option9"};

// clang-format off
const std::vector<Opening>& table() {
    static const std::vector<Opening> openings = {
        // The main menu's buttons.
        {kMainMenu, "Command1", kCodeMenu, kTool, configuration("Direnç Ana Menü",
            {"Command1", "Command2", "Command10", "Command13", "Image1", "Image2", "Image6", "Image7"})},
        {kMainMenu, "Command2", kOhmsLaw},
        {kMainMenu, "Command3", kQuantityConversion},
        {kMainMenu, "Command4", kConductorResistance},
        {kMainMenu, "Command5", kCableSection},
        {kMainMenu, "Command7", kEquivalentCircuits},
        {kMainMenu, "Command8", kBusbar},
        {kMainMenu, "Command9", kCodeMenu, kTool, configuration("Kondansatör Kodları Okuma Ana Menü",
            {"Command8", "Command9", "Image4", "Image5"})},
        {kMainMenu, "Command10", kToolGroupMenu, kTool, configuration("Orta Gerilim Hesaplamaları",
            {"Command1", "Command2"})},
        {kMainMenu, "Command11", kLowVoltageMenu},
        {kMainMenu, "Command12", kGenerator, kTool, {{}, {"Command2"}, {"Command11"}}},
        {kMainMenu, "Command13", kLedResistor},
        {kMainMenu, "Command14", kToolGroupMenu, kTool, configuration("Bobin Hesaplamaları",
            {"Command4", "Command5"})},
        {kMainMenu, "Command15", kEarthing},
        {kMainMenu, "Command16", kDatasheetSearch},
        {kMainMenu, "Command17", kToolGroupMenu, kTool, configuration(
            "Şebeke Dağıtım Elemanları Hesaplamaları",
            {"Command6", "Command7", "Command8", "Command12", "Command13"})},
        {kMainMenu, "Command18", kToolGroupMenu, kTool, configuration(
            "Kablolar İle İlgili Diğer Hesaplamalar", {"Command9", "Command10", "Command11"})},
        {kMainMenu, "Command19", kTemperatureResistance},
        {kMainMenu, "Command20", kInstalledPower},
        {kMainMenu, "Command21", kLighting},
        {kMainMenu, "Command22", kConsumption},

        // The main menu's menu bar and its notification-area menu.
        {kMainMenu, "mn_SMDdirenc", kSmdResistor},
        {kMainMenu, "mn_DörtBO", kResistorColour4},
        {kMainMenu, "mn_DörtDB", kResistorColourFinder, kTool, chosen(kFourBands)},
        {kMainMenu, "mn_BesDO", kResistorColour5},
        {kMainMenu, "mn_BesDB", kResistorColourFinder, kTool, chosen(kFiveBands)},
        {kMainMenu, "mn_AltıDO", kResistorColour6},
        {kMainMenu, "mn_AltıDB", kResistorColourFinder, kTool, chosen(kSixBands)},
        {kMainMenu, "mn_KonRHO", kCapacitorCode},
        {kMainMenu, "mn_KonRO", kCapacitorColour},
        {kMainMenu, "mn_BOBINRENK", kCoilColour},
        {kMainMenu, "mn_HAVALIBOBIN", kAirCoreCoil},
        {kMainMenu, "Mn_GUCAC", kPowerConversion},
        {kMainMenu, "mn_AltGüc", kAcPower},
        {kMainMenu, "mn_GücKat", kLoadCompensation},
        {kMainMenu, "mn_TesKom", kInstallationCompensation},
        {kMainMenu, "mn_gerDüş", kCableVoltageDrop},
        {kMainMenu, "mn_havai", kOverheadLineDrop},
        {kMainMenu, "mn_AGKISADEVRE", kLowVoltageShortCircuit},
        {kMainMenu, "mn_ElkURET", kGeneration},
        {kMainMenu, "mn_OGGERD", kMediumVoltageDrop},
        {kMainMenu, "mn_OGKISAD", kMediumVoltageShortCircuit},
        {kMainMenu, "mn_sigorta", kFuseRating},
        {kMainMenu, "mn_elekYard", kAuxiliaryCalculations},
        {kMainMenu, "mn_ENHSABIT", kTransmissionLine},
        {kMainMenu, "mn_AWGtoMetrik", kAwg},
        {kMainMenu, "mn_motor", kMotorStarting},
        {kMainMenu, "mn_trafo", kTransformer},
        {kMainMenu, "mn_DirHesp", kResistanceCalculations},
        {kMainMenu, "Mn_REZ", kHeater},
        {kMainMenu, "mn_Çeviri", kUnitConversion},
        {kMainMenu, "mn_Hakkında", kAbout},
        {kMainMenu, "ssim", kAbout},

        // The component-code menu: its band sub-menus, then the tools.
        {kCodeMenu, "Command1", kCodeMenu, kTool, configuration("4 Band Direnç Seçenek Menüsü",
            {"Image3", "Label1", "Command4", "Command6"})},
        {kCodeMenu, "Command2", kCodeMenu, kTool, configuration("5 Band Direnç Seçenek Menüsü",
            {"Image3", "Label1", "Command5", "Command7"})},
        {kCodeMenu, "Command10", kCodeMenu, kTool, configuration("6 Band Direnç Seçenek Menüsü",
            {"Image3", "Label1", "Command11", "Command12"})},
        {kCodeMenu, "Command13", kSmdResistor},
        {kCodeMenu, "Command4", kResistorColour4},
        {kCodeMenu, "Command6", kResistorColourFinder, kTool, chosen(kFourBands)},
        {kCodeMenu, "Command5", kResistorColour5},
        {kCodeMenu, "Command7", kResistorColourFinder, kTool, chosen(kFiveBands)},
        {kCodeMenu, "Command11", kResistorColour6},
        {kCodeMenu, "Command12", kResistorColourFinder, kTool, chosen(kSixBands)},
        {kCodeMenu, "Command8", kCapacitorColour},
        {kCodeMenu, "Command9", kCapacitorCode},

        // The menu of further tool groups.
        {kToolGroupMenu, "Command1", kMediumVoltageDrop},
        {kToolGroupMenu, "Command2", kMediumVoltageShortCircuit},
        {kToolGroupMenu, "Command4", kCoilColour},
        {kToolGroupMenu, "Command5", kAirCoreCoil},
        {kToolGroupMenu, "Command6", kPoleCalculation},
        {kToolGroupMenu, "Command7", kCableChannel},
        {kToolGroupMenu, "Command8", kAluminiumWeights},
        {kToolGroupMenu, "Command12", kPoleCharts, kTool, {"Beton Direk Bilgi Cetveli",
            {"Command1", "Frame1"}, {"Command2", "Frame2"}}},
        {kToolGroupMenu, "Command13", kPoleCharts, kTool, {"Demir Direk Bilgi Cetveli",
            {"Command1", "Frame2"}, {"Command2", "Frame1"}}},
        {kToolGroupMenu, "Command9", kRatingCorrection},
        {kToolGroupMenu, "Command10", kCableWithstand},
        {kToolGroupMenu, "Command11", kConduit},

        // The low-voltage menu.
        {kLowVoltageMenu, "Command1", kAcPower},
        {kLowVoltageMenu, "Command2", kLoadCompensation},
        {kLowVoltageMenu, "Command7", kCableVoltageDrop},
        {kLowVoltageMenu, "Command8", kInstallationCompensation},
        {kLowVoltageMenu, "Command9", kPowerConversion},
        {kLowVoltageMenu, "Command11", kOverheadLineDrop, kTool, {{}, {"Command2"}, {"Command5"}}},
        {kLowVoltageMenu, "Command12", kLowVoltageShortCircuit},
        {kLowVoltageMenu, "Command14", kGeneration},

        // The tools' own menus and buttons.
        {kResistorColourFinder, "mn_direnç", kQuantityConversion, kCompanion, onPage(0)},
        {kOhmsLaw, "mn_gerilim", kQuantityConversion, kCompanion, onPage(4)},
        {kOhmsLaw, "mn_akım", kQuantityConversion, kCompanion, onPage(3)},
        {kOhmsLaw, "mn_direnç", kQuantityConversion, kCompanion, onPage(0)},
        {kOhmsLaw, "mn_güç", kQuantityConversion, kCompanion, onPage(5)},
        {kResistanceCalculations, "mn_direnc", kQuantityConversion, kCompanion, onPage(0)},
        {kResistanceCalculations, "mn_gerilim", kQuantityConversion, kCompanion, onPage(4)},
        {kEquivalentCircuits, "mn_direnç", kQuantityConversion, kCompanion, onPage(0)},
        {kEquivalentCircuits, "mn_kondansatör", kQuantityConversion, kCompanion, onPage(1)},
        {kEquivalentCircuits, "mn_bobin", kQuantityConversion, kCompanion, onPage(2)},
        {kAcPower, "mn_gerilim", kQuantityConversion, kCompanion, onPage(4)},
        {kAcPower, "mn_akım", kQuantityConversion, kCompanion, onPage(3)},
        {kAcPower, "mn_güç", kQuantityConversion, kCompanion, onPage(5)},
        {kPowerConversion, "Mn_Guc", kQuantityConversion, kCompanion, onPage(5)},
        {kQuantityConversion, "Command3", kUnitConversion},
        {kUnitConversion, "Command3", kQuantityConversion},
        {kConductorResistance, "mn_direnç", kQuantityConversion, kCompanion, onPage(0)},
        {kConductorResistance, "mn_uzunluk", kUnitConversion, kCompanion, onPage(0)},
        {kConductorResistance, "mn_alan", kUnitConversion, kCompanion, onPage(1)},
        {kConductorResistance, "mn_DirSıcak", kTemperatureResistance, kCompanion},
        {kConductorResistance, "mn_cokkesit", kAuxiliaryCalculations, kCompanion, onPage(12)},
        {kTemperatureResistance, "Mn_Dir", kQuantityConversion, kCompanion, onPage(0)},
        {kAwg, "mn_uzunluk", kUnitConversion, kCompanion, onPage(0)},
        {kAwg, "mn_alan", kUnitConversion, kCompanion, onPage(1)},
        {kAwg, "mn_cokkesit", kAuxiliaryCalculations, kCompanion, onPage(12)},
        {kLedResistor, "mn_direnç", kQuantityConversion, kCompanion, onPage(0)},
        {kLedResistor, "mn_akım", kQuantityConversion, kCompanion, onPage(3)},
        {kLedResistor, "mn_gerilim", kQuantityConversion, kCompanion, onPage(4)},
        {kLedResistor, "mn_guc", kQuantityConversion, kCompanion, onPage(5)},
        {kCableChannel, "mn_uzunluk", kUnitConversion, kCompanion, onPage(0)},
        {kCableChannel, "mn_hacim", kUnitConversion, kCompanion, onPage(2)},
        {kTransformer, "mn_gerilim", kQuantityConversion, kCompanion, onPage(4)},
        {kTransformer, "mn_güc", kQuantityConversion, kCompanion, onPage(5)},
        {kTransformer, "mn_uzunluk", kUnitConversion, kCompanion, onPage(0)},
        {kTransformer, "mn_Akı", kUnitConversion, kCompanion, onPage(6)},
        {kTransformer, "Command3", kAuxiliaryCalculations, kCompanion, onPage(0)},
        {kHeater, "mn_direnç", kQuantityConversion, kCompanion, onPage(0)},
        {kHeater, "mn_Akım", kQuantityConversion, kCompanion, onPage(3)},
        {kHeater, "mn_Gerilim", kQuantityConversion, kCompanion, onPage(4)},
        {kHeater, "mn_güç", kQuantityConversion, kCompanion, onPage(5)},
        {kHeater, "mn_Uzunluk", kUnitConversion, kCompanion, onPage(0)},
        {kHeater, "mn_alan", kUnitConversion, kCompanion, onPage(1)},
        {kHeater, "mn_Enerji", kUnitConversion, kCompanion, onPage(4)},
        {kHeater, "mn_AkımY", kAuxiliaryCalculations, kCompanion, onPage(0)},
        {kHeater, "mn_DirS", kTemperatureResistance, kCompanion},
        {kLoadCompensation, "mn_akım", kQuantityConversion, kCompanion, onPage(3)},
        {kLoadCompensation, "mn_güç", kQuantityConversion, kCompanion, onPage(5)},
        {kLoadCompensation, "mn_kondansatör", kQuantityConversion, kCompanion, onPage(1)},
        {kLoadCompensation, "mn_Kapasitif", kAuxiliaryCalculations, kCompanion, onPage(2)},
        {kLoadCompensation, "Mn_GUCC", kPowerConversion, kCompanion},
        {kInstallationCompensation, "Mn_GUC", kQuantityConversion, kCompanion, onPage(5)},
        {kInstallationCompensation, "Mn_AKIM", kQuantityConversion, kCompanion, onPage(3)},
        {kInstallationCompensation, "Mn_Farad", kQuantityConversion, kCompanion, onPage(1)},
        {kInstallationCompensation, "Mn_GUCC", kPowerConversion, kCompanion},
        {kLighting, "mn_uzunluk", kUnitConversion, kCompanion, onPage(0)},
        {kLighting, "Command5", kTableDisplay, kCompanion, {"Yansıtma Geçirme Katsayı Tablosu",
            {"Picture1"}, {"Picture2", "Picture3"}}},
        {kEarthing, "mn_direnç", kQuantityConversion, kCompanion, onPage(0)},
        {kEarthing, "mn_akım", kQuantityConversion, kCompanion, onPage(3)},
        {kEarthing, "mn_uzunluk", kUnitConversion, kCompanion, onPage(0)},
        {kEarthing, "mn_alan", kUnitConversion, kCompanion, onPage(1)},
        {kEarthing, "mn_cokkesıt", kAuxiliaryCalculations, kCompanion, onPage(12)},
        {kEarthing, "Command12", kTableDisplay, kCompanion, {"Toprak Özgül Direnç Tablosu",
            {"Picture2"}, {"Picture1", "Picture3"}}},
        {kCableVoltageDrop, "mn_güç", kQuantityConversion, kCompanion, onPage(5)},
        {kCableVoltageDrop, "mn_gerilim", kQuantityConversion, kCompanion, onPage(4)},
        {kCableVoltageDrop, "mn_akım", kQuantityConversion, kCompanion, onPage(3)},
        {kCableVoltageDrop, "mn_uzunluk", kUnitConversion, kCompanion, onPage(0)},
        {kCableVoltageDrop, "mn_alan", kUnitConversion, kCompanion, onPage(1)},
        {kCableVoltageDrop, "mn_cokkesit", kAuxiliaryCalculations, kCompanion, onPage(12)},
        {kCableVoltageDrop, "Mn_GUCC", kPowerConversion, kCompanion},
        {kCableVoltageDrop, "mn_kesH", kCableSection, kCompanion},
        {kCableVoltageDrop, "mn_kabloakımduzelt", kRatingCorrection, kCompanion},
        {kCableSection, "mn_güç", kQuantityConversion, kCompanion, onPage(5)},
        {kCableSection, "mn_gerilim", kQuantityConversion, kCompanion, onPage(4)},
        {kCableSection, "mn_akım", kQuantityConversion, kCompanion, onPage(3)},
        {kCableSection, "mn_uzunluk", kUnitConversion, kCompanion, onPage(0)},
        {kCableSection, "mn_alan", kUnitConversion, kCompanion, onPage(1)},
        {kCableSection, "Mn_GUCC", kPowerConversion, kCompanion},
        {kCableSection, "mn_gerd", kCableVoltageDrop, kCompanion},
        {kCableSection, "mn_kabloakımduzelt", kRatingCorrection, kCompanion},
        {kCableSection, "mn_havai", kOverheadLineDrop, kCompanion},
        {kFuseRating, "mn_akım", kQuantityConversion, kCompanion, onPage(3)},
        {kConduit, "mn_uzunluk", kUnitConversion, kCompanion, onPage(0)},
        {kConduit, "mn_alan", kUnitConversion, kCompanion, onPage(1)},
        {kConduit, "mn_cokkesıt", kAuxiliaryCalculations, kCompanion, onPage(12)},
        {kLowVoltageShortCircuit, "mn_guc", kQuantityConversion, kCompanion, onPage(5)},
        {kLowVoltageShortCircuit, "mn_gerilim", kQuantityConversion, kCompanion, onPage(4)},
        {kLowVoltageShortCircuit, "mn_akım", kQuantityConversion, kCompanion, onPage(3)},
        {kLowVoltageShortCircuit, "mn_uzunluk", kUnitConversion, kCompanion, onPage(0)},
        {kLowVoltageShortCircuit, "mn_alan", kUnitConversion, kCompanion, onPage(1)},
        {kLowVoltageShortCircuit, "mn_cokkesıt", kAuxiliaryCalculations, kCompanion, onPage(12)},
        {kLowVoltageShortCircuit, "mn_gucc", kPowerConversion, kCompanion},
        {kCableWithstand, "mn_akım", kQuantityConversion, kCompanion, onPage(3)},
        {kCableWithstand, "mn_gerilim", kQuantityConversion, kCompanion, onPage(4)},
        {kCableWithstand, "mn_uzunluk", kUnitConversion, kCompanion, onPage(0)},
        {kCableWithstand, "mn_alan", kUnitConversion, kCompanion, onPage(1)},
        {kCableWithstand, "mn_cokkesit", kAuxiliaryCalculations, kCompanion, onPage(12)},
        {kBusbar, "mn_akım", kQuantityConversion, kCompanion, onPage(3)},
        {kBusbar, "mn_uzunluk", kUnitConversion, kCompanion, onPage(0)},
        {kBusbar, "mn_alan", kUnitConversion, kCompanion, onPage(1)},
        {kBusbar, "mn_agırlık", kUnitConversion, kCompanion, onPage(3)},
        {kBusbar, "mn_DirSıcak", kTemperatureResistance, kCompanion},
        {kGeneration, "mn_guc", kQuantityConversion, kCompanion, onPage(5)},
        {kGeneration, "mn_uzunluk", kUnitConversion, kCompanion, onPage(0)},
        {kMediumVoltageShortCircuit, "Command1", kMediumVoltageLines, kCompanion, {}, true},
        {kPoleCalculation, "Command3", kPoleCharts, kCompanion, {"Beton Direk Bilgi Cetveli",
            {"Frame1"}, {"Frame2"}}},
        {kMediumVoltageDrop, "mn_guc", kQuantityConversion, kCompanion, onPage(5)},
        {kMediumVoltageDrop, "mn_akım", kQuantityConversion, kCompanion, onPage(3)},
        {kMediumVoltageDrop, "mn_uzunluk", kUnitConversion, kCompanion, onPage(0)},
        {kMediumVoltageDrop, "mn_gucc", kPowerConversion, kCompanion},
        {kMediumVoltageDrop, "mn_akımtasımaduzeltme", kRatingCorrection, kCompanion},
        {kConsumption, "mn_guc", kQuantityConversion, kCompanion, onPage(5)},
        {kInstalledPower, "Command2", kFlatInstalledPower, kCompanion},
        {kGenerator, "Command3", kTableDisplay, kCompanion, {
            "Jeneratör Güç Düşürme ve Seçim Tabloları", {"Picture3"}, {"Picture1", "Picture2"}}},
    };
    return openings;
}
// clang-format on

// The opener's control: a button or a menu item.
QObject* controlOf(QWidget* window, const QString& name) {
    if (auto* button = window->findChild<QAbstractButton*>(name))
        return button;
    return window->findChild<QAction*>(name);
}

} // namespace

std::span<const Opening> Openings() {
    return table();
}

void connectOpenings(QWidget* window) {
    const WindowRegistry& registry = WindowRegistry::instance();
    for (const Opening& opening : table()) {
        if (opening.opener != window->objectName())
            continue;
        QObject* control = controlOf(window, opening.control);
        if (!control) {
            qWarning() << window->objectName() << "has no opener control" << opening.control;
            continue;
        }
        const bool available = registry.has(opening.form);
        if (opening.checkedByOpener) {
            if (auto* button = qobject_cast<QAbstractButton*>(control))
                button->setEnabled(available);
            continue;
        }
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            button->setEnabled(available);
            QObject::connect(button, &QAbstractButton::clicked, window,
                             [&opening, window] { open(opening, window); });
        } else if (auto* item = qobject_cast<QAction*>(control)) {
            item->setEnabled(available);
            QObject::connect(item, &QAction::triggered, window,
                             [&opening, window] { open(opening, window); });
        }
    }
}

const Opening* openingOf(const QString& opener, const QString& control) {
    for (const Opening& opening : table())
        if (opening.opener == opener && opening.control == control)
            return &opening;
    return nullptr;
}

QWidget* open(const Opening& opening, QWidget* opener) {
    QWidget* target = window(opening.form);
    if (!target)
        return nullptr;
    auto* tool = qobject_cast<ToolWindow*>(target);
    if (opening.as == OpenAs::Companion) {
        target->show();
        target->raise();
        target->activateWindow();
        if (tool)
            tool->openAsCompanion(qobject_cast<ToolWindow*>(opener));
    } else {
        openAsTool(opening.form, opener);
    }
    if (tool)
        tool->adjust(opening.adjustments);
    return target;
}

QWidget* openAsTool(const QString& form, QWidget* opener) {
    QWidget* target = window(form);
    if (!target)
        return nullptr;
    target->show();
    target->raise();
    target->activateWindow();
    if (opener && opener != target) {
        if (auto* openerTool = qobject_cast<ToolWindow*>(opener))
            openerTool->leave();
        else
            opener->hide();
    }
    if (auto* tool = qobject_cast<ToolWindow*>(target))
        tool->openAsTool();
    return target;
}

} // namespace voltaris::gui
