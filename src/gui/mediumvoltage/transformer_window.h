// "TRANSFORMATÖR HESABI-DEĞERLERİ GİRİNİZ": the design of a small shell-type mains transformer,
// and its results window "TRANSFORMATÖR HESABI-SONUÇLAR", which the compute fills and shows.
#pragma once

#include "core/mediumvoltage/transformer.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

#include <array>

class QLineEdit;

namespace voltaris::gui {

class OptionGroup;

class TransformerResultsWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kTransformerResults;
    TransformerResultsWindow();

    transformer::Results texts() const;
    void write(const transformer::Results& results);

private:
    std::array<QLineEdit*, 24> fields_{};
};

class TransformerWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kTransformer;
    TransformerWindow();

private:
    void compute();
    void clear();
    void chooseDefaults();

    QLineEdit* power_;
    QLineEdit* primaryVoltage_;
    QLineEdit* secondaryVoltage_;
    QLineEdit* fluxDensity_;
    QLineEdit* frequency_;
    QLineEdit* efficiency_;
    QLineEdit* quality_;
    QLineEdit* currentDensity_;
    QLineEdit* centreLimb_;
    OptionGroup* fluxChoice_;
    OptionGroup* qualityChoice_;
};

} // namespace voltaris::gui
