// The drawings of the earthing window: each electrode arrangement in the soil with the letters of
// its formula, and the diameter to enter for a strip or a round conductor. Drawn, so crisp at any
// scale.
#pragma once

#include <QWidget>

namespace voltaris::gui {

enum class EarthingDrawing {
    Foundation, // a building's foundation earth with rods under it
    Rods,       // rods driven into the soil
    Joint,      // an earthing conductor and its joint
    Polygon,    // a polygonal earthing area, from above
    Buried,     // a conductor buried horizontally
    Mesh,       // an earthing mesh, from above
    Diameter,   // a strip's half thickness and a round conductor's diameter
};

class EarthingPicture : public QWidget {
public:
    explicit EarthingPicture(EarthingDrawing drawing, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    EarthingDrawing drawing_;
};

} // namespace voltaris::gui
