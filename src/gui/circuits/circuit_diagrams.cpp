#include "gui/circuits/circuit_diagrams.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>

namespace voltaris::gui {

namespace {

// The drawings are made on a canvas of fixed units, scaled to the widget keeping proportions.
QSizeF canvas(Circuit circuit) {
    switch (circuit) {
    case Circuit::StarToDelta:
    case Circuit::DeltaToStar:
        return {250, 128};
    case Circuit::BalancedBridge:
    case Circuit::BridgeVoltagePoints:
        return {210, 150};
    case Circuit::VoltageDivider:
        return {170, 150};
    }
    return {200, 150};
}

constexpr double kTextHeight = 9;

// Draws schematic symbols in canvas units.
class Schematic {
public:
    explicit Schematic(QPainter& painter) : p_(painter) {}

    void wire(QPointF a, QPointF b) { p_.drawLine(a, b); }
    void wires(std::initializer_list<QPointF> points) {
        const QPointF* previous = nullptr;
        for (const QPointF& point : points) {
            if (previous)
                p_.drawLine(*previous, point);
            previous = &point;
        }
    }

    void text(QPointF centre, const QString& label) {
        p_.drawText(QRectF(centre - QPointF(30, 7), QSizeF(60, 14)), Qt::AlignCenter, label);
    }

    // A resistor (a rectangle, as drawn in Turkish schematics) between a and b, its name beside
    // it on the side away from `away`.
    void resistor(QPointF a, QPointF b, const QString& label, QPointF away, double body = 24) {
        const QPointF d = b - a;
        const double length = std::hypot(d.x(), d.y());
        const QPointF unit = d / length;
        QPointF normal(-unit.y(), unit.x());
        const QPointF middle = (a + b) / 2;
        if (QPointF::dotProduct(normal, middle - away) < 0)
            normal = -normal;
        wire(a, middle - unit * (body / 2));
        wire(middle + unit * (body / 2), b);
        p_.save();
        p_.translate(middle);
        p_.rotate(std::atan2(d.y(), d.x()) * 180 / M_PI);
        p_.setBrush(p_.background());
        p_.drawRect(QRectF(-body / 2, -4, body, 8));
        p_.restore();
        text(middle + normal * 13, label);
    }

    void node(QPointF at) {
        p_.save();
        p_.setBrush(p_.pen().color());
        p_.drawEllipse(at, 1.8, 1.8);
        p_.restore();
    }

    // An open terminal with its name at `labelAt`.
    void terminal(QPointF at, const QString& label = {}, QPointF labelAt = {}) {
        p_.save();
        p_.setBrush(p_.background());
        p_.drawEllipse(at, 2.6, 2.6);
        p_.restore();
        if (!label.isEmpty())
            text(labelAt, label);
    }

    // A source between `top` (+) and `bottom` on a vertical wire, named on its left.
    void battery(QPointF top, QPointF bottom, const QString& label) {
        const QPointF middle = (top + bottom) / 2;
        wire(top, middle - QPointF(0, 3));
        wire(middle + QPointF(0, 3), bottom);
        wire(middle + QPointF(-9, -3), middle + QPointF(9, -3));
        p_.save();
        QPen thick = p_.pen();
        thick.setWidthF(thick.widthF() * 2.5);
        p_.setPen(thick);
        wire(middle + QPointF(-4.5, 3), middle + QPointF(4.5, 3));
        p_.restore();
        text(middle + QPointF(12, -9), QStringLiteral("+"));
        if (!label.isEmpty())
            text(middle + QPointF(-18, 0), label);
    }

    void galvanometer(QPointF centre) {
        p_.save();
        p_.setBrush(p_.background());
        p_.drawEllipse(centre, 9, 9);
        p_.restore();
        text(centre, QStringLiteral("G"));
    }

    void arrow(QPointF from, QPointF to) {
        wire(from, to);
        QPainterPath head;
        head.moveTo(to);
        head.lineTo(to + QPointF(-6, -3.5));
        head.lineTo(to + QPointF(-6, 3.5));
        head.closeSubpath();
        p_.save();
        p_.setBrush(p_.pen().color());
        p_.drawPath(head);
        p_.restore();
    }

private:
    QPainter& p_;
};

// Terminals 1 (top), 2 (bottom left) and 3 (bottom right) of a network centred on x.
std::array<QPointF, 3> terminals(double x) {
    return {QPointF(x, 34), QPointF(x - 48, 112), QPointF(x + 48, 112)};
}

QPointF centroid(const std::array<QPointF, 3>& t) {
    return (t[0] + t[1] + t[2]) / 3;
}

void drawTerminals(Schematic& s, const std::array<QPointF, 3>& t) {
    const QPointF offsets[3] = {QPointF(0, -10), QPointF(-9, 7), QPointF(9, 7)};
    for (int n = 0; n < 3; ++n)
        s.terminal(t[n], QString::number(n + 1), t[n] + offsets[n]);
}

void drawStar(Schematic& s, double x) {
    const auto t = terminals(x);
    const QPointF centre = centroid(t);
    // Each name sits in its own open sector between the arms: R1 left of its arm, R2 below,
    // R3 above.
    const QPointF side[3] = {QPointF(-1, 0), QPointF(1, 1), QPointF(1, -1)};
    for (int n = 0; n < 3; ++n)
        s.resistor(centre, t[n], kStarArms[n], (centre + t[n]) / 2 - side[n], 20);
    s.node(centre);
    drawTerminals(s, t);
    s.text(QPointF(x, 8), QStringLiteral("Yıldız"));
}

void drawDelta(Schematic& s, double x) {
    const auto t = terminals(x);
    const QPointF centre = centroid(t);
    for (int n = 0; n < 3; ++n)
        s.resistor(t[n], t[(n + 1) % 3], kDeltaArms[n], centre);
    drawTerminals(s, t);
    s.text(QPointF(x, 8), QStringLiteral("Üçgen"));
}

void drawBridge(Schematic& s, bool voltagePoints) {
    const QPointF top(120, 20), bottom(120, 130), left(70, 75), right(170, 75);
    const QPointF centre(120, 75);
    s.resistor(top, left, QStringLiteral("R1"), centre);
    s.resistor(left, bottom, QStringLiteral("R2"), centre);
    s.resistor(top, right, QStringLiteral("R3"), centre);
    s.resistor(right, bottom, QStringLiteral("R4"), centre);
    s.wires({top, QPointF(32, 20), QPointF(32, 60)});
    s.battery(QPointF(32, 60), QPointF(32, 90), voltagePoints ? QStringLiteral("V") : QString());
    s.wires({QPointF(32, 90), QPointF(32, 130), bottom});
    if (voltagePoints) {
        // The difference is taken at the R3-R4 point against the R1-R2 point.
        s.wire(left, QPointF(94, 75));
        s.wire(QPointF(146, 75), right);
        s.terminal(QPointF(94, 75), QStringLiteral("−"), QPointF(94, 65));
        s.terminal(QPointF(146, 75), QStringLiteral("+"), QPointF(146, 65));
        s.text(centre, QStringLiteral("Gerilim"));
    } else {
        s.wire(left, centre - QPointF(9, 0));
        s.wire(centre + QPointF(9, 0), right);
        s.galvanometer(centre);
    }
    for (const QPointF& point : {top, bottom, left, right})
        s.node(point);
}

void drawDivider(Schematic& s) {
    const QPointF top(100, 20), middle(100, 75), bottom(100, 130);
    const QPointF away(170, 75);
    s.wires({QPointF(30, 60), QPointF(30, 20), top});
    s.battery(QPointF(30, 60), QPointF(30, 90), QStringLiteral("V1"));
    s.wires({QPointF(30, 90), QPointF(30, 130), bottom});
    s.resistor(top, middle, QStringLiteral("R1"), away);
    s.resistor(middle, bottom, QStringLiteral("R2"), away);
    s.wire(middle, QPointF(148, 75));
    s.wire(bottom, QPointF(148, 130));
    s.terminal(QPointF(148, 75), QStringLiteral("+"), QPointF(158, 75));
    s.terminal(QPointF(148, 130));
    s.text(QPointF(148, 102), QStringLiteral("V2"));
    s.node(middle);
    s.node(bottom);
}

} // namespace

CircuitDiagram::CircuitDiagram(const QString& name, Circuit circuit, QWidget* parent)
    : QWidget(parent), circuit_(circuit) {
    setObjectName(name);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize CircuitDiagram::sizeHint() const {
    return (canvas(circuit_) * 1.5).toSize();
}

QSize CircuitDiagram::minimumSizeHint() const {
    return canvas(circuit_).toSize();
}

void CircuitDiagram::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QSizeF units = canvas(circuit_);
    const double scale = std::min(width() / units.width(), height() / units.height());
    painter.translate((width() - units.width() * scale) / 2,
                      (height() - units.height() * scale) / 2);
    painter.scale(scale, scale);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1.3));
    painter.setBackground(palette().color(QPalette::Base));
    QFont font = this->font();
    font.setPixelSize(static_cast<int>(kTextHeight));
    painter.setFont(font);

    Schematic s(painter);
    switch (circuit_) {
    case Circuit::StarToDelta:
        drawStar(s, 62);
        s.arrow(QPointF(113, 78), QPointF(137, 78));
        drawDelta(s, 188);
        break;
    case Circuit::DeltaToStar:
        drawDelta(s, 62);
        s.arrow(QPointF(113, 78), QPointF(137, 78));
        drawStar(s, 188);
        break;
    case Circuit::BalancedBridge:
        drawBridge(s, false);
        break;
    case Circuit::BridgeVoltagePoints:
        drawBridge(s, true);
        break;
    case Circuit::VoltageDivider:
        drawDivider(s);
        break;
    }
}

} // namespace voltaris::gui
