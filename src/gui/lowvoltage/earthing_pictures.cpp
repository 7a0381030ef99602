#include "gui/lowvoltage/earthing_pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace voltaris::gui {

namespace {

// Every drawing is made on a 200 × 120 sheet, scaled to the widget keeping its proportions.
constexpr double kSheetWidth = 200;
constexpr double kSheetHeight = 120;

const QColor kSoil(226, 208, 170);
const QColor kSoilLine(150, 120, 80);
const QColor kCopper(184, 115, 51);
const QColor kConcrete(200, 200, 200);
const QColor kInk(60, 60, 60);

void drawSoil(QPainter& p, double surface) {
    const QRectF soil(0, surface, kSheetWidth, kSheetHeight - surface);
    p.fillRect(soil, kSoil);
    p.fillRect(soil, QBrush(kSoilLine, Qt::BDiagPattern));
    p.setPen(QPen(kSoilLine, 1.5));
    p.drawLine(QPointF(0, surface), QPointF(kSheetWidth, surface));
}

// A conductor: a thick copper stroke from `from` to `to`.
void drawConductor(QPainter& p, QPointF from, QPointF to, double width = 3.5) {
    p.setPen(QPen(kCopper, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from, to);
}

// A dimension line with arrows at both ends and its letter beside its middle.
void drawDimension(QPainter& p, QPointF from, QPointF to, const QString& letter,
                   QPointF letterOffset) {
    p.setPen(QPen(kInk, 0.8));
    p.drawLine(from, to);
    const QLineF line(from, to);
    for (const auto& [tip, direction] :
         {std::pair{from, line.angle() + 180}, std::pair{to, line.angle()}}) {
        QLineF wing1 = QLineF::fromPolar(5, direction + 180 - 25).translated(tip);
        QLineF wing2 = QLineF::fromPolar(5, direction + 180 + 25).translated(tip);
        p.drawLine(wing1);
        p.drawLine(wing2);
    }
    QFont font = p.font();
    font.setItalic(true);
    p.setFont(font);
    const QPointF middle = (from + to) / 2 + letterOffset;
    p.drawText(QRectF(middle.x() - 15, middle.y() - 7, 30, 14), Qt::AlignCenter, letter);
}

void drawRods(QPainter& p) {
    drawSoil(p, 28);
    for (double x : {50.0, 100.0, 150.0})
        drawConductor(p, QPointF(x, 18), QPointF(x, 102), 4);
    drawDimension(p, QPointF(172, 28), QPointF(172, 102), QStringLiteral("l"), QPointF(9, 0));
    drawDimension(p, QPointF(44, 12), QPointF(56, 12), QStringLiteral("d"), QPointF(0, -7));
    drawDimension(p, QPointF(50, 110), QPointF(150, 110), QStringLiteral("n"), QPointF(0, -7));
}

void drawBuried(QPainter& p) {
    drawSoil(p, 25);
    drawConductor(p, QPointF(35, 70), QPointF(170, 70), 4);
    drawDimension(p, QPointF(22, 25), QPointF(22, 70), QStringLiteral("t"), QPointF(8, 0));
    drawDimension(p, QPointF(35, 95), QPointF(170, 95), QStringLiteral("L"), QPointF(0, 8));
}

void drawMesh(QPainter& p) {
    p.fillRect(QRectF(0, 0, kSheetWidth, kSheetHeight), kSoil);
    const QRectF mesh(40, 12, 110, 80);
    for (int i = 0; i <= 4; ++i) {
        const double x = mesh.left() + mesh.width() * i / 4;
        drawConductor(p, QPointF(x, mesh.top()), QPointF(x, mesh.bottom()), 2.5);
    }
    for (int i = 0; i <= 3; ++i) {
        const double y = mesh.top() + mesh.height() * i / 3;
        drawConductor(p, QPointF(mesh.left(), y), QPointF(mesh.right(), y), 2.5);
    }
    drawDimension(p, QPointF(mesh.left(), 105), QPointF(mesh.right(), 105), QStringLiteral("a"),
                  QPointF(0, 8));
    drawDimension(p, QPointF(165, mesh.top()), QPointF(165, mesh.bottom()), QStringLiteral("b"),
                  QPointF(9, 0));
}

void drawPolygon(QPainter& p) {
    p.fillRect(QRectF(0, 0, kSheetWidth, kSheetHeight), kSoil);
    const QPolygonF outline({{45, 20}, {130, 12}, {170, 55}, {140, 105}, {60, 100}, {28, 62}});
    p.setPen(QPen(kCopper, 3, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(outline);
    drawConductor(p, QPointF(45, 20), QPointF(140, 105), 2);
    drawConductor(p, QPointF(130, 12), QPointF(60, 100), 2);
    p.setPen(kInk);
    QFont font = p.font();
    font.setItalic(true);
    p.setFont(font);
    p.drawText(QRectF(170, 70, 25, 14), Qt::AlignCenter, QStringLiteral("U"));
    p.drawText(QRectF(95, 42, 25, 14), Qt::AlignCenter, QStringLiteral("L"));
}

void drawFoundation(QPainter& p) {
    drawSoil(p, 42);
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(kConcrete);
    p.drawRect(QRectF(45, 8, 110, 34));  // the building
    p.drawRect(QRectF(35, 42, 130, 14)); // its foundation slab
    drawConductor(p, QPointF(40, 50), QPointF(160, 50), 2.5);
    for (double x : {55.0, 145.0})
        drawConductor(p, QPointF(x, 56), QPointF(x, 108), 4);
    drawDimension(p, QPointF(172, 56), QPointF(172, 108), QStringLiteral("l"), QPointF(9, 0));
    p.setPen(kInk);
    p.drawText(QRectF(85, 18, 30, 14), Qt::AlignCenter, QStringLiteral("A"));
    p.drawText(QRectF(85, 60, 30, 14), Qt::AlignCenter, QStringLiteral("Ls"));
}

void drawJoint(QPainter& p) {
    drawConductor(p, QPointF(20, 60), QPointF(95, 60), 10);
    drawConductor(p, QPointF(105, 60), QPointF(180, 60), 10);
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(QColor(150, 150, 150));
    p.drawRoundedRect(QRectF(85, 48, 30, 24), 6, 6); // the joint
    p.setPen(kInk);
    QFont font = p.font();
    font.setItalic(true);
    p.setFont(font);
    p.drawText(QRectF(30, 72, 50, 14), Qt::AlignCenter, QStringLiteral("S"));
    p.drawText(QRectF(120, 30, 60, 14), Qt::AlignCenter, QStringLiteral("I, t"));
}

void drawDiameter(QPainter& p) {
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(kCopper);
    const QRectF strip(15, 40, 80, 30);
    p.drawRect(strip);
    p.setPen(QPen(kInk, 0.5, Qt::DashLine));
    p.drawLine(QPointF(strip.left(), strip.center().y()),
               QPointF(strip.right() + 8, strip.center().y()));
    drawDimension(p, QPointF(105, strip.top()), QPointF(105, strip.center().y()),
                  QStringLiteral("d"), QPointF(8, 0));
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(kCopper);
    const QPointF centre(160, 55);
    p.drawEllipse(centre, 25, 25);
    drawDimension(p, centre - QPointF(25, 0), centre + QPointF(25, 0), QStringLiteral("d"),
                  QPointF(0, -33));
    p.setPen(kInk);
    QFont font = p.font();
    font.setItalic(false);
    p.setFont(font);
    p.drawText(QRectF(5, 92, 100, 16), Qt::AlignCenter, QStringLiteral("Şerit"));
    p.drawText(QRectF(115, 92, 90, 16), Qt::AlignCenter, QStringLiteral("Yuvarlak"));
}

} // namespace

EarthingPicture::EarthingPicture(EarthingDrawing drawing, QWidget* parent)
    : QWidget(parent), drawing_(drawing) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QSize EarthingPicture::sizeHint() const {
    const int line = fontMetrics().height();
    return {line * 16, line * 16 * 3 / 5};
}

QSize EarthingPicture::minimumSizeHint() const {
    const int line = fontMetrics().height();
    return {line * 12, line * 12 * 3 / 5};
}

void EarthingPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double scale = std::min(width() / kSheetWidth, height() / kSheetHeight);
    p.translate((width() - kSheetWidth * scale) / 2, (height() - kSheetHeight * scale) / 2);
    p.scale(scale, scale);
    QFont font = p.font();
    font.setPixelSize(12);
    p.setFont(font);
    p.setClipRect(QRectF(0, 0, kSheetWidth, kSheetHeight));
    switch (drawing_) {
    case EarthingDrawing::Foundation:
        drawFoundation(p);
        break;
    case EarthingDrawing::Rods:
        drawRods(p);
        break;
    case EarthingDrawing::Joint:
        drawJoint(p);
        break;
    case EarthingDrawing::Polygon:
        drawPolygon(p);
        break;
    case EarthingDrawing::Buried:
        drawBuried(p);
        break;
    case EarthingDrawing::Mesh:
        drawMesh(p);
        break;
    case EarthingDrawing::Diameter:
        drawDiameter(p);
        break;
    }
}

} // namespace voltaris::gui
