// The power triangle drawn beside the power windows' inputs: the active power P along the base,
// the reactive power Q upright, the apparent power S as the hypotenuse and φ between P and S.
#pragma once

#include <QWidget>

namespace voltaris::gui {

class PowerTriangle : public QWidget {
public:
    explicit PowerTriangle(const QString& name, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace voltaris::gui
