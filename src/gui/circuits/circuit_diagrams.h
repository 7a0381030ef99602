// Schematic drawings of the circuits the resistance windows compute, crisp at any scale: the
// star and delta networks with their arms named, the Wheatstone bridge and the voltage divider.
// The names on the drawings are the labels of the windows' fields.
#pragma once

#include <QString>
#include <QWidget>

#include <array>

namespace voltaris::gui {

enum class Circuit {
    StarToDelta,         // the star R1, R2, R3, then the delta R12, R23, R31 it becomes
    DeltaToStar,         // the delta, then the star
    BalancedBridge,      // R1 to R4 with a galvanometer across the middle points
    BridgeVoltagePoints, // R1 to R4 with the "Gerilim" points across the middle
    VoltageDivider,      // V1 across R1 and R2, V2 across R2
};

// The terminals of both networks are 1, 2 and 3; star arm Rn goes to terminal n, delta arm Rmn
// lies between terminals m and n.
inline const std::array<QString, 3> kStarArms = {QStringLiteral("R1"), QStringLiteral("R2"),
                                                 QStringLiteral("R3")};
inline const std::array<QString, 3> kDeltaArms = {QStringLiteral("R12"), QStringLiteral("R23"),
                                                  QStringLiteral("R31")};

class CircuitDiagram : public QWidget {
public:
    CircuitDiagram(const QString& name, Circuit circuit, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Circuit circuit_;
};

} // namespace voltaris::gui
