// The colours that carry meaning: a field's warning or verdict background, a verdict label's
// text, a swatch's fill. Each is set through here, so it can be read back (by tests and the
// scenario runner) and returned to the control's ordinary colour.
#pragma once

#include <QColor>
#include <optional>

class QWidget;

namespace voltaris::gui {

inline const QColor kRed(255, 0, 0);
inline const QColor kGreen(0, 128, 0);

// Sets the meaning colour of `control`: a text field's background, a label's text colour, or
// a swatch's fill. Nothing returns the control to its ordinary colour.
void setMeaningColour(QWidget* control, std::optional<QColor> colour);
// The meaning colour set last, or nothing when the control shows its ordinary colour.
std::optional<QColor> meaningColour(const QWidget* control);

} // namespace voltaris::gui
