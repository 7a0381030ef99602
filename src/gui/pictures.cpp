#include "gui/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>

namespace voltaris::gui {

namespace {

// Width over height of each drawing.
double aspect(Component kind, int bands) {
    switch (kind) {
    case Component::Resistor:
        return 3.2;
    case Component::Coil:
        return bands > 0 ? 3.2 : 2.6;
    case Component::CeramicCapacitor:
        return 0.8;
    case Component::ElectrolyticCapacitor:
    case Component::FilmCapacitor:
        return 0.6;
    case Component::TantalumCapacitor:
        return 0.7;
    case Component::SmdResistor:
        return 2.0;
    }
    return 1.0;
}

const QColor kLead(150, 150, 155);
const QColor kOutline(70, 60, 50);
const QColor kResistorBody(222, 196, 150);
const QColor kCoilBody(160, 205, 170);
const QColor kCeramicBody(214, 134, 54);
const QColor kCanBody(40, 70, 140);
const QColor kFilmBody(230, 200, 60);
const QColor kTantalumBody(235, 180, 40);
const QColor kCopper(184, 115, 51);

} // namespace

QIcon programIcon() {
    // Drawn once as data/icons/voltaris.svg; its renderings are built in as resources and read
    // only when a size is first drawn.
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/voltaris-%1.png").arg(size), QSize(size, size));
    return icon;
}

ComponentPicture::ComponentPicture(const QString& name, Component kind, int bands, QWidget* parent)
    : QWidget(parent), kind_(kind), bands_(bands) {
    setObjectName(name);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ComponentPicture::setKind(Component kind) {
    kind_ = kind;
    updateGeometry();
    placeOverlays();
    update();
}

void ComponentPicture::setBandCount(int bands) {
    bands_ = bands;
    placeOverlays();
    update();
}

void ComponentPicture::setBandColours(const QList<QColor>& colours) {
    colours_ = colours;
    update();
}

void ComponentPicture::setCode(const QString& code) {
    code_ = code;
    update();
}

QSize ComponentPicture::sizeHint() const {
    const int height = 80;
    return {static_cast<int>(height * aspect(kind_, bands_)), height};
}

QSize ComponentPicture::minimumSizeHint() const {
    const int height = 40;
    return {static_cast<int>(height * aspect(kind_, bands_)), height};
}

QRectF ComponentPicture::drawingArea() const {
    const QRectF area = QRectF(rect()).adjusted(2, 2, -2, -2);
    const double ratio = aspect(kind_, bands_);
    QSizeF size(area.width(), area.width() / ratio);
    if (size.height() > area.height())
        size = QSizeF(area.height() * ratio, area.height());
    QRectF drawing(QPointF(), size);
    drawing.moveCenter(area.center());
    return drawing;
}

QRectF ComponentPicture::bodyRect() const {
    const QRectF area = drawingArea();
    const double w = area.width();
    const double h = area.height();
    switch (kind_) {
    case Component::Resistor:
    case Component::Coil:
        if (kind_ == Component::Coil && bands_ == 0)
            return {area.left() + w * 0.18, area.top() + h * 0.2, w * 0.64, h * 0.6};
        return {area.left() + w * 0.16, area.top() + h * 0.22, w * 0.68, h * 0.56};
    case Component::CeramicCapacitor:
        return {area.left() + w * 0.08, area.top() + h * 0.04, w * 0.84, h * 0.58};
    case Component::ElectrolyticCapacitor:
    case Component::FilmCapacitor:
        return {area.left() + w * 0.1, area.top() + h * 0.04, w * 0.8, h * 0.66};
    case Component::TantalumCapacitor:
        return {area.left() + w * 0.1, area.top() + h * 0.04, w * 0.8, h * 0.6};
    case Component::SmdResistor:
        return {area.left() + w * 0.05, area.top() + h * 0.1, w * 0.9, h * 0.8};
    }
    return area;
}

QRectF ComponentPicture::bandRectF(int index) const {
    if (index < 0 || index >= bands_)
        return {};
    const QRectF body = bodyRect();
    if (kind_ == Component::Resistor || kind_ == Component::Coil) {
        // The value bands sit together from the left; the last band stands apart on the right.
        const double width = body.width() * 0.065;
        double centre = body.left() + body.width() * 0.78;
        if (index < bands_ - 1 || bands_ == 1) {
            const int grouped = bands_ == 1 ? 1 : bands_ - 1;
            const double first = 0.26;
            const double last = 0.64;
            const double step = grouped > 1 ? (last - first) / (grouped - 1) : 0.0;
            centre = body.left() + body.width() * (first + step * index);
        }
        return {centre - width / 2, body.top() + body.height() * 0.04, width, body.height() * 0.92};
    }
    // Capacitors: stripes across the body, evenly spread from the top.
    const double height = body.height() * 0.7 / (bands_ * 1.5);
    const double top = body.top() + body.height() * 0.12 + index * height * 1.5;
    return {body.left() + body.width() * 0.12, top, body.width() * 0.76, height};
}

QRectF ComponentPicture::chipRect() const {
    const QRectF body = bodyRect();
    const double end = body.width() * 0.12;
    return body.adjusted(end, 0, -end, 0);
}

QRect ComponentPicture::bandRect(int index) const {
    return bandRectF(index).toAlignedRect();
}

void ComponentPicture::placeOnBand(int index, QWidget* overlay) {
    overlay->setParent(this);
    overlays_.append({index, overlay});
    overlay->setGeometry(bandRect(index));
}

void ComponentPicture::moveOverlay(QWidget* overlay, int index) {
    for (auto& [band, placed] : overlays_)
        if (placed == overlay)
            band = index;
    overlay->setGeometry(bandRect(index));
}

void ComponentPicture::placeOnBody(QWidget* overlay) {
    overlay->setParent(this);
    bodyOverlays_.append(overlay);
    overlay->setGeometry(bodyRect().toAlignedRect());
}

void ComponentPicture::placeOverlays() {
    for (const auto& [index, overlay] : overlays_)
        overlay->setGeometry(bandRect(index));
    for (QWidget* overlay : bodyOverlays_)
        overlay->setGeometry(bodyRect().toAlignedRect());
}

void ComponentPicture::resizeEvent(QResizeEvent*) {
    placeOverlays();
}

void ComponentPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = drawingArea();
    const QRectF body = bodyRect();
    const double line = std::max(1.0, area.height() / 40.0);
    const QPen leadPen(kLead, std::max(1.5, area.height() / 18.0), Qt::SolidLine, Qt::RoundCap);
    const QPen outline(kOutline, line);

    const bool horizontal = kind_ == Component::Resistor || kind_ == Component::Coil;
    painter.setPen(leadPen);
    if (horizontal) {
        const double y = body.center().y();
        painter.drawLine(QPointF(area.left(), y), QPointF(body.left(), y));
        painter.drawLine(QPointF(body.right(), y), QPointF(area.right(), y));
    } else if (kind_ != Component::SmdResistor) { // a chip has metal ends, no leads
        const double x1 = body.left() + body.width() * 0.32;
        const double x2 = body.left() + body.width() * 0.68;
        painter.drawLine(QPointF(x1, body.bottom() - line), QPointF(x1, area.bottom()));
        painter.drawLine(QPointF(x2, body.bottom() - line), QPointF(x2, area.bottom()));
    }

    painter.setPen(outline);
    switch (kind_) {
    case Component::Resistor:
    case Component::Coil: {
        if (kind_ == Component::Coil && bands_ == 0) {
            // An air-core winding: copper turns seen from the side.
            const int turns = 7;
            const double pitch = body.width() / turns;
            painter.setPen(QPen(kCopper, std::max(2.0, body.height() / 9.0)));
            for (int turn = 0; turn < turns; ++turn) {
                const QRectF loop(body.left() + turn * pitch, body.top(), pitch * 1.3,
                                  body.height());
                painter.drawArc(loop, 0, 360 * 16);
            }
            break;
        }
        // A dog-bone body: rounded caps at both ends, a slimmer middle.
        const double cap = body.width() * 0.16;
        QPainterPath path;
        path.addRoundedRect(QRectF(body.left(), body.top(), cap, body.height()), cap / 3, cap / 3);
        path.addRoundedRect(QRectF(body.right() - cap, body.top(), cap, body.height()), cap / 3,
                            cap / 3);
        path.addRect(QRectF(body.left() + cap / 2, body.top() + body.height() * 0.12,
                            body.width() - cap, body.height() * 0.76));
        path.setFillRule(Qt::WindingFill); // the overlaps are body, not holes
        painter.setBrush(kind_ == Component::Coil ? kCoilBody : kResistorBody);
        painter.drawPath(path.simplified());
        break;
    }
    case Component::CeramicCapacitor:
        painter.setBrush(kCeramicBody);
        painter.drawEllipse(body);
        break;
    case Component::ElectrolyticCapacitor: {
        painter.setBrush(kCanBody);
        painter.drawRoundedRect(body, body.width() * 0.12, body.width() * 0.12);
        // The minus stripe with its signs.
        const QRectF stripe(body.right() - body.width() * 0.3, body.top() + line,
                            body.width() * 0.2, body.height() - 2 * line);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(200, 210, 230));
        painter.drawRect(stripe);
        painter.setPen(QPen(kCanBody, line * 1.5));
        for (int sign = 1; sign <= 3; ++sign) {
            const double y = body.top() + body.height() * sign / 4.0;
            painter.drawLine(QPointF(stripe.left() + stripe.width() * 0.25, y),
                             QPointF(stripe.right() - stripe.width() * 0.25, y));
        }
        break;
    }
    case Component::FilmCapacitor:
        painter.setBrush(kFilmBody);
        painter.drawRoundedRect(body, body.width() * 0.08, body.width() * 0.08);
        break;
    case Component::TantalumCapacitor: {
        // A drop: round at the bottom, narrowing to a rounded top.
        QPainterPath drop;
        const double r = body.width() / 2;
        drop.moveTo(body.center().x(), body.top());
        drop.cubicTo(body.right(), body.top() + body.height() * 0.2, body.right(),
                     body.bottom() - r * 0.6, body.center().x(), body.bottom());
        drop.cubicTo(body.left(), body.bottom() - r * 0.6, body.left(),
                     body.top() + body.height() * 0.2, body.center().x(), body.top());
        painter.setBrush(kTantalumBody);
        painter.drawPath(drop);
        break;
    }
    case Component::SmdResistor: {
        const double end = body.width() * 0.12;
        painter.setBrush(QColor(200, 200, 205));
        painter.drawRect(QRectF(body.left(), body.top(), end, body.height()));
        painter.drawRect(QRectF(body.right() - end, body.top(), end, body.height()));
        painter.setBrush(QColor(30, 30, 30));
        const QRectF chip = chipRect();
        painter.drawRect(chip);
        QFont font = painter.font();
        font.setPixelSize(std::max(6, static_cast<int>(chip.height() * 0.38)));
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(chip, Qt::AlignCenter, code_);
        break;
    }
    }

    // Painted bands only: where a swatch lies over a band, the bare body shows while it is hidden.
    painter.setPen(QPen(kOutline, line / 2));
    for (int index = 0; index < std::min<int>(bands_, colours_.size()); ++index) {
        painter.setBrush(colours_[index]);
        painter.drawRect(bandRectF(index));
    }
}

} // namespace voltaris::gui
