#include "gui/colours.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>

namespace voltaris::gui {

namespace {

constexpr const char* kColourProperty = "voltarisMeaningColour";
constexpr const char* kOrdinaryProperty = "voltarisOrdinaryColour";

// The palette role that shows the meaning: a field's background, any other label's text.
QPalette::ColorRole roleOf(const QWidget* control) {
    return qobject_cast<const QLineEdit*>(control) ? QPalette::Base : QPalette::WindowText;
}

} // namespace

void setMeaningColour(QWidget* control, std::optional<QColor> colour) {
    if (qobject_cast<QLineEdit*>(control) || qobject_cast<QLabel*>(control)) {
        const QPalette::ColorRole role = roleOf(control);
        if (!control->property(kOrdinaryProperty).isValid())
            control->setProperty(kOrdinaryProperty, control->palette().color(role));
        QPalette palette = control->palette();
        palette.setColor(role,
                         colour.value_or(control->property(kOrdinaryProperty).value<QColor>()));
        control->setPalette(palette);
    }
    control->setProperty(kColourProperty, colour ? QVariant(*colour) : QVariant());
    control->update(); // swatches paint their fill from the property
}

std::optional<QColor> meaningColour(const QWidget* control) {
    const QVariant value = control->property(kColourProperty);
    if (!value.isValid())
        return std::nullopt;
    return value.value<QColor>();
}

} // namespace voltaris::gui
