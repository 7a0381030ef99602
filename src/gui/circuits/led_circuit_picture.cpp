#include "gui/circuits/led_circuit_picture.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace voltaris::gui {

namespace {

// The drawing's own coordinates: 200 wide, 120 high.
constexpr double kWidth = 200;
constexpr double kHeight = 120;

const QColor kResistorBody(222, 196, 150);
const QColor kLedBody(235, 90, 80);
const QColor kLight(220, 40, 30);

// An arrow of emitted light from `from` to `to`.
void drawLightArrow(QPainter& painter, QPointF from, QPointF to) {
    painter.drawLine(from, to);
    const QPointF along = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF across(-along.y(), along.x());
    QPainterPath head;
    head.moveTo(to);
    head.lineTo(to - along * 5 + across * 2.5);
    head.lineTo(to - along * 5 - across * 2.5);
    head.closeSubpath();
    painter.fillPath(head, painter.pen().color());
}

} // namespace

LedCircuitPicture::LedCircuitPicture(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setToolTip(QStringLiteral("Örnek Devre Şeması"));
    setAccessibleName(QStringLiteral("Örnek Devre Şeması"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize LedCircuitPicture::sizeHint() const {
    const int unit = fontMetrics().height();
    return {unit * 14, unit * 8};
}

QSize LedCircuitPicture::minimumSizeHint() const {
    const int unit = fontMetrics().height();
    return {unit * 10, unit * 6};
}

void LedCircuitPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = std::min(width() / kWidth, height() / kHeight);
    painter.translate((width() - kWidth * scale) / 2, (height() - kHeight * scale) / 2);
    painter.scale(scale, scale);

    const QColor ink = palette().color(QPalette::WindowText);
    QPen wire(ink, 1.6);
    wire.setCapStyle(Qt::RoundCap);
    painter.setPen(wire);
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);

    // The loop: supply on the left, resistor on top, LED down the right side.
    const double left = 30, right = 170, top = 25, bottom = 100;
    painter.drawLine(QPointF(left, top), QPointF(70, top));
    painter.drawLine(QPointF(114, top), QPointF(right, top));
    painter.drawLine(QPointF(right, top), QPointF(right, 45));
    painter.drawLine(QPointF(right, 75), QPointF(right, bottom));
    painter.drawLine(QPointF(right, bottom), QPointF(left, bottom));
    painter.drawLine(QPointF(left, bottom), QPointF(left, 69));
    painter.drawLine(QPointF(left, 58), QPointF(left, top));

    // The supply: the long plate is the plus pole.
    painter.drawLine(QPointF(left - 14, 58), QPointF(left + 14, 58));
    painter.setPen(QPen(ink, 4));
    painter.drawLine(QPointF(left - 7, 66), QPointF(left + 7, 66));
    painter.setPen(wire);
    painter.drawText(QRectF(left + 16, 44, 12, 14), Qt::AlignCenter, QStringLiteral("+"));
    painter.drawText(QRectF(left + 16, 62, 12, 14), Qt::AlignCenter, QStringLiteral("−"));
    painter.drawText(QRectF(0, 54, left - 15, 16), Qt::AlignCenter, QStringLiteral("V"));

    // The series resistor.
    painter.setBrush(kResistorBody);
    painter.drawRect(QRectF(70, top - 7, 44, 14));
    painter.setBrush(Qt::NoBrush);
    painter.drawText(QRectF(70, top - 24, 44, 14), Qt::AlignCenter, QStringLiteral("R"));

    // The LED, its current flowing down: a triangle pointing down onto its bar.
    QPainterPath diode;
    diode.moveTo(right - 11, 48);
    diode.lineTo(right + 11, 48);
    diode.lineTo(right, 68);
    diode.closeSubpath();
    painter.setBrush(kLedBody);
    painter.drawPath(diode);
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(right - 11, 68), QPointF(right + 11, 68));
    painter.drawLine(QPointF(right, 68), QPointF(right, 75));
    painter.drawText(QRectF(right - 48, 50, 30, 14), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("LED"));
    painter.setPen(QPen(kLight, 1.4));
    drawLightArrow(painter, QPointF(right + 12, 54), QPointF(right + 24, 46));
    drawLightArrow(painter, QPointF(right + 12, 62), QPointF(right + 24, 54));
}

} // namespace voltaris::gui
