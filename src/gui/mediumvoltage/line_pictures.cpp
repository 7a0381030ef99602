#include "gui/mediumvoltage/line_pictures.h"

#include <QPainter>
#include <algorithm>

namespace voltaris::gui {

namespace {

using line_voltage_drop::Line;

// The drawing's own units: a 200 × 150 area scaled into the widget.
constexpr qreal kWidth = 200;
constexpr qreal kHeight = 150;

const QColor kWood(120, 90, 60);
const QColor kPorcelain(150, 90, 60);
const QColor kConductor(40, 40, 40);
const QColor kSoil(185, 155, 110);
const QColor kCopper(200, 120, 50);
const QColor kSheath(60, 60, 60);

void drawPin(QPainter& p, QPointF base) {
    // A pin insulator standing on the cross-arm, its conductor on top.
    p.setPen(QPen(kPorcelain.darker(), 1));
    p.setBrush(kPorcelain);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QRectF(base.x() - 7 + i, base.y() - 6 - 6 * i, 14 - 2 * i, 5));
    p.setBrush(kConductor);
    p.drawEllipse(QPointF(base.x(), base.y() - 24), 3, 3);
}

void drawChain(QPainter& p, QPointF top) {
    // A suspension chain of four discs hanging from the cross-arm, its conductor below.
    p.setPen(QPen(kPorcelain.darker(), 1));
    p.setBrush(kPorcelain);
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QRectF(top.x() - 6, top.y() + 2 + 6 * i, 12, 4));
    p.setBrush(kConductor);
    p.drawEllipse(QPointF(top.x(), top.y() + 30), 3, 3);
}

void drawPole(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kWood);
    p.drawRect(QRectF(95, 30, 10, 120));
}

void drawCrossArm(QPainter& p, qreal left, qreal right, qreal y) {
    p.setPen(Qt::NoPen);
    p.setBrush(kWood.darker(120));
    p.drawRect(QRectF(left, y, right - left, 5));
}

void drawOverhead(QPainter& p, int arrangement) {
    drawPole(p);
    if (arrangement == 0) {
        // Pin insulators on one cross-arm, the middle one on the pole top.
        drawCrossArm(p, 40, 160, 60);
        for (qreal x : {50.0, 150.0})
            drawPin(p, {x, 60});
        drawPin(p, {100, 30});
    } else if (arrangement == 1) {
        // Three chains side by side under one cross-arm.
        drawCrossArm(p, 30, 170, 40);
        for (qreal x : {40.0, 100.0, 160.0})
            drawChain(p, {x, 45});
    } else {
        // The flag console: three chains one above the other on one side of the pole.
        for (qreal y : {20.0, 60.0, 100.0}) {
            drawCrossArm(p, 100, 150, y);
            drawChain(p, {145, y + 5});
        }
    }
}

void drawCable(QPainter& p, QPointF centre, qreal radius) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(kSheath);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(QColor(230, 230, 230));
    p.drawEllipse(centre, radius * 0.75, radius * 0.75);
    p.setBrush(kCopper);
    p.drawEllipse(centre, radius * 0.45, radius * 0.45);
}

void drawUnderground(QPainter& p, int arrangement) {
    // The trench in the soil, its sand bed, the cables on it.
    p.setPen(Qt::NoPen);
    p.setBrush(kSoil);
    p.drawRect(QRectF(0, 20, kWidth, kHeight - 20));
    p.setBrush(QColor(235, 215, 160));
    p.drawRect(QRectF(50, 20, 100, 125));
    p.setPen(QPen(Qt::darkGreen, 3));
    p.drawLine(QPointF(0, 20), QPointF(50, 20));
    p.drawLine(QPointF(150, 20), QPointF(kWidth, 20));
    if (arrangement == line_voltage_drop::kThreeCore) {
        // One three-core cable: three cores in a common sheath.
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(kSheath);
        p.drawEllipse(QPointF(100, 110), 26, 26);
        for (QPointF c : {QPointF(100, 99), QPointF(90, 117), QPointF(110, 117)})
            drawCable(p, c, 10);
    } else if (arrangement == line_voltage_drop::kTrefoil) {
        for (QPointF c : {QPointF(100, 98), QPointF(88, 119), QPointF(112, 119)})
            drawCable(p, c, 12);
    } else {
        for (qreal x : {72.0, 100.0, 128.0})
            drawCable(p, {x, 119}, 12);
    }
}

} // namespace

LinePicture::LinePicture(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
}

void LinePicture::setDrawing(Line line, int arrangement) {
    if (line == line_ && arrangement == arrangement_)
        return;
    line_ = line;
    arrangement_ = arrangement;
    update();
}

QSize LinePicture::sizeHint() const {
    return {200, 150};
}

QSize LinePicture::minimumSizeHint() const {
    return {160, 120};
}

void LinePicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal scale = std::min(width() / kWidth, height() / kHeight);
    p.translate((width() - kWidth * scale) / 2, (height() - kHeight * scale) / 2);
    p.scale(scale, scale);
    if (line_ == Line::Overhead)
        drawOverhead(p, arrangement_);
    else
        drawUnderground(p, arrangement_);
}

} // namespace voltaris::gui
