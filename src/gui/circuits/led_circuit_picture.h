// The LED window's example circuit (`Image1`): a supply, the series resistor and the LED in one
// loop, drawn to fit its widget at any scale.
#pragma once

#include <QWidget>

namespace voltaris::gui {

class LedCircuitPicture : public QWidget {
public:
    explicit LedCircuitPicture(const QString& name, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace voltaris::gui
