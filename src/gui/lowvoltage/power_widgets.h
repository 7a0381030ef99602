// What the power windows share on screen: the power-factor list, the cosine information box of
// the chosen power factor, and the horsepower command.
#pragma once

#include "core/lowvoltage/power_common.h"

#include <QString>
#include <functional>
#include <initializer_list>

class QComboBox;
class QLineEdit;
class QWidget;

namespace voltaris::gui {

class FieldGrid;

// A row of `grid` with the power-factor list ("1.00" down to "0.00"), entry `initial` chosen.
QComboBox* addPowerFactorList(FieldGrid* grid, const QString& name, const QString& label,
                              int initial = power::kDefaultPowerFactorIndex);

// Makes result fields wide enough for a value written with all its digits.
void widenForValues(std::initializer_list<QLineEdit*> fields);

// "Seçilen Cosinüs Değeri İle İlgili Bilgiler": the "SONUÇ" box for the list's text `cosPhi`; a
// text that is not a power factor ends the command without a box.
void ShowCosineInfo(QWidget* parent, const QString& cosPhi);

// "Beygirgücü (HP) Değerini Watt Değerine Çevirme": asks "Beygirgücü(HP) Değerini Giriniz"; an
// answer that is not a number shows "DEĞERİ GİRİNİZ..." and changes nothing. Otherwise
// `transfer` gets 736 × the answer as full-precision text (the window puts it into its power
// field, and computes where it does), then the "SONUÇ" box tells the watts.
void ConvertHorsepower(QWidget* parent, const std::function<void(const QString& watts)>& transfer);

} // namespace voltaris::gui
