// The form name of every window of the program, written once: windows are created, registered,
// opened and found by these names ("Form9"), which are also their object names.
#pragma once

#include <QString>

namespace voltaris::gui::forms {

// The shell and the section menus.
inline const QString kMainMenu = QStringLiteral("Form1");
inline const QString kCodeMenu = QStringLiteral("Form2");
inline const QString kAbout = QStringLiteral("Form19");
inline const QString kLowVoltageMenu = QStringLiteral("Form23");
inline const QString kToolGroupMenu = QStringLiteral("Form40");
inline const QString kDatasheetSearch = QStringLiteral("Form20");

// Component codes.
inline const QString kResistorColour4 = QStringLiteral("Form5");
inline const QString kResistorColourFinder = QStringLiteral("Form6");
inline const QString kResistorColour5 = QStringLiteral("Form7");
inline const QString kCoilColour = QStringLiteral("Form16");
inline const QString kCapacitorCode = QStringLiteral("Form17");
inline const QString kCapacitorColour = QStringLiteral("Form18");
inline const QString kResistorColour6 = QStringLiteral("Form26");
inline const QString kSmdResistor = QStringLiteral("Form55");

// Circuits.
inline const QString kResistanceCalculations = QStringLiteral("Form8");
inline const QString kOhmsLaw = QStringLiteral("Form9");
inline const QString kConductorResistance = QStringLiteral("Form11");
inline const QString kHeater = QStringLiteral("Form13");
inline const QString kEquivalentCircuits = QStringLiteral("Form14");
inline const QString kLedResistor = QStringLiteral("Form15");
inline const QString kAuxiliaryCalculations = QStringLiteral("Form25");
inline const QString kTemperatureResistance = QStringLiteral("Form28");
inline const QString kAirCoreCoil = QStringLiteral("Form43");

// Conversions.
inline const QString kQuantityConversion = QStringLiteral("Form10");
inline const QString kUnitConversion = QStringLiteral("Form12");
inline const QString kAwg = QStringLiteral("Form54");

// Low voltage.
inline const QString kAcPower = QStringLiteral("Form21");
inline const QString kLoadCompensation = QStringLiteral("Form22");
inline const QString kCableVoltageDrop = QStringLiteral("Form24");
inline const QString kInstallationCompensation = QStringLiteral("Form27");
inline const QString kPowerConversion = QStringLiteral("Form30");
inline const QString kCableSection = QStringLiteral("Form31");
inline const QString kOverheadLineDrop = QStringLiteral("Form32");
inline const QString kGenerator = QStringLiteral("Form34");
inline const QString kTableDisplay = QStringLiteral("Form35");
inline const QString kEarthing = QStringLiteral("Form36");
inline const QString kCableWithstand = QStringLiteral("Form37");
inline const QString kFuseRating = QStringLiteral("Form38");
inline const QString kLowVoltageShortCircuit = QStringLiteral("Form39");
inline const QString kInstalledPower = QStringLiteral("Form44");
inline const QString kFlatInstalledPower = QStringLiteral("Form45");
inline const QString kMotorStarting = QStringLiteral("Form46");
inline const QString kGeneration = QStringLiteral("Form47");
inline const QString kConduit = QStringLiteral("Form48");
inline const QString kLighting = QStringLiteral("Form49");
inline const QString kConsumption = QStringLiteral("Form51");
inline const QString kRatingCorrection = QStringLiteral("Form52");
inline const QString kBusbar = QStringLiteral("Form53");

// Medium voltage and distribution.
inline const QString kTransformer = QStringLiteral("Form3");
inline const QString kTransformerResults = QStringLiteral("Form4");
inline const QString kAluminiumWeights = QStringLiteral("Form29");
inline const QString kMediumVoltageDrop = QStringLiteral("Form33");
inline const QString kMediumVoltageShortCircuit = QStringLiteral("Form41");
inline const QString kMediumVoltageLines = QStringLiteral("Form42");
inline const QString kTransmissionLine = QStringLiteral("Form50");
inline const QString kPoleCalculation = QStringLiteral("Form56");
inline const QString kCableChannel = QStringLiteral("Form57");
inline const QString kPoleCharts = QStringLiteral("Form58");

} // namespace voltaris::gui::forms
