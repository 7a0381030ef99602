// The angle command of the main menu and the low-voltage menu: asks an angle in degrees and
// shows its trigonometric values.
#pragma once

class QWidget;

namespace voltaris::app {

// Asks "Açı Değerini Derece Cinsinden Giriniz" and shows the angle message in a box with the
// application's title; an answer that is not a number ends in "DEĞERİ GİRİNİZ...".
void askAngle(QWidget* parent);

} // namespace voltaris::app
