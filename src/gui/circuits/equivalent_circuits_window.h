// "Eş Değer Direnç , Bobin ve Kondansatör  Hesaplama ve Üçgen-Yıldız,Yıldız-Üçgen Dönüşümleri":
// a running equivalent value of resistors, coils or capacitors, and the star-delta transforms.
#pragma once

#include "core/circuits/equivalent_circuits.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace voltaris::gui {

class OptionGroup;

class EquivalentCircuitsWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kEquivalentCircuits;
    EquivalentCircuitsWindow();

private:
    // One page of the transforms: its picture, the three given arms, the three computed ones,
    // its compute and clear buttons.
    struct TransformPage {
        QWidget* page;
        std::array<QLineEdit*, 3> given;
        std::array<QLineEdit*, 3> computed;
        QPushButton* compute;
        QPushButton* clear;
    };
    QWidget* buildSumPage();
    TransformPage buildTransformPage(int firstField, bool starToDelta);
    void showKind(int kind);
    void add();
    void transform(const TransformPage& page, bool starToDelta);

    OptionGroup* kinds_;
    OptionGroup* connections_;
    QLabel* valueLabel_;
    QLabel* equivalentLabel_;
    QLineEdit* value_;
    QLineEdit* equivalent_;
    QPushButton* add_;
    QPushButton* clearSum_;
    double sum_ = 0; // the running sum, of values or of reciprocals, until "Hesabı Sil"
};

} // namespace voltaris::gui
