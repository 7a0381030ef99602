#include "gui/lowvoltage/power_triangle.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace voltaris::gui {

namespace {

// A line from `from` to `to` with an arrowhead at `to`.
void drawArrow(QPainter& painter, QPointF from, QPointF to, double head) {
    painter.drawLine(from, to);
    const QPointF along = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF across(-along.y(), along.x());
    QPainterPath tip;
    tip.moveTo(to);
    tip.lineTo(to - along * head + across * head * 0.45);
    tip.lineTo(to - along * head - across * head * 0.45);
    tip.closeSubpath();
    painter.fillPath(tip, painter.pen().color());
}

} // namespace

PowerTriangle::PowerTriangle(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setAccessibleName(QStringLiteral("Güç Üçgeni"));
    setToolTip(QStringLiteral("Güç Üçgeni: S² = P² + Q², P = S x Cosinüs, Q = S x Sinüs"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QSize PowerTriangle::sizeHint() const {
    const int em = fontMetrics().height();
    return {em * 11, em * 8};
}

QSize PowerTriangle::minimumSizeHint() const {
    const int em = fontMetrics().height();
    return {em * 7, em * 5};
}

void PowerTriangle::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(font());
    const double em = metrics.height();

    // P : Q = 4 : 3 (cos φ 0.80), as large as the widget allows with room for the labels.
    const QRectF room = QRectF(rect()).adjusted(em * 1.4, em * 0.6, -em * 1.6, -em * 1.6);
    const double unit = std::min(room.width() / 4, room.height() / 3);
    const QPointF origin(room.center().x() - unit * 2, room.center().y() + unit * 1.5);
    const QPointF base = origin + QPointF(unit * 4, 0);
    const QPointF top = base - QPointF(0, unit * 3);

    const QColor ink = palette().color(QPalette::WindowText);
    const QColor accent = palette().color(QPalette::Highlight).darker(120);
    const double width = std::max(1.5, em / 8);
    const double head = em * 0.55;
    painter.setPen(QPen(ink, width, Qt::SolidLine, Qt::RoundCap));
    drawArrow(painter, origin, base, head);
    drawArrow(painter, base, top, head);
    painter.setPen(QPen(accent, width * 1.4, Qt::SolidLine, Qt::RoundCap));
    drawArrow(painter, origin, top, head);

    // The arc of φ at the origin.
    painter.setPen(QPen(ink, width / 1.5));
    const double radius = unit * 1.3;
    const double phi = qRadiansToDegrees(std::atan2(3.0, 4.0));
    painter.drawArc(QRectF(origin - QPointF(radius, radius), QSizeF(radius * 2, radius * 2)), 0,
                    static_cast<int>(phi * 16));

    painter.setPen(ink);
    const auto label = [&](const QString& text, QPointF centre) {
        const QRectF box(centre - QPointF(em, em / 2), QSizeF(em * 2, em));
        painter.drawText(box, Qt::AlignCenter, text);
    };
    label(QStringLiteral("P"), (origin + base) / 2 + QPointF(0, em * 0.9));
    label(QStringLiteral("Q"), (base + top) / 2 + QPointF(em * 0.9, 0));
    const double angle = qDegreesToRadians(phi / 2);
    label(QStringLiteral("φ"),
          origin + QPointF(std::cos(angle), -std::sin(angle)) * (radius + em * 0.7));
    painter.setPen(accent);
    label(QStringLiteral("S"), (origin + top) / 2 + QPointF(-em * 0.6, -em * 0.7));
}

} // namespace voltaris::gui
