// The angle command of the main menu and the low-voltage menu: asks an angle in degrees and
// shows its trigonometric values.
#pragma once

class QWidget;

namespace voltaris::app {

// Asks "Açı Değerini Derece Cinsinden Giriniz" and shows the angle's message in a box with the
// application's title; an answer that is not a number ends in "DEĞERİ GİRİNİZ...". The main menu
// shows the trigonometric values, the power-factor panel (`table`) its "Ek Hesaplamalar" table.
void askAngle(QWidget* parent, bool table = false);

} // namespace voltaris::app
