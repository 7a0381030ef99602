// The drawings of the medium-voltage line drop window: a pole top with its insulators and
// conductors for each overhead arrangement, and the cables of each underground laying in their
// trench. Drawn, so crisp at any scale.
#pragma once

#include "core/mediumvoltage/line_voltage_drop.h"

#include <QWidget>

namespace voltaris::gui {

class LinePicture : public QWidget {
public:
    explicit LinePicture(const QString& name, QWidget* parent = nullptr);

    // Draws `arrangement` (0-2 in the order of the arrangement or laying options) of `line`.
    void setDrawing(line_voltage_drop::Line line, int arrangement);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    line_voltage_drop::Line line_ = line_voltage_drop::Line::Overhead;
    int arrangement_ = 0;
};

} // namespace voltaris::gui
