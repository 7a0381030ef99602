#include "gui/lowvoltage/check_picture.h"

#include "gui/colours.h"

#include <QPainter>
#include <QPainterPath>

namespace voltaris::gui {

namespace {

QString meaningText(CheckPicture::Meaning meaning) {
    switch (meaning) {
    case CheckPicture::Meaning::Suitable:
        return QStringLiteral("Uygun");
    case CheckPicture::Meaning::Unsuitable:
        return QStringLiteral("Uygun Değil");
    case CheckPicture::Meaning::Unchecked:
        break;
    }
    return QStringLiteral("Uygunluk Kontrolü Yapılmadı");
}

} // namespace

CheckPicture::CheckPicture(const QString& name, Meaning meaning, QWidget* parent)
    : QWidget(parent), meaning_(meaning) {
    setObjectName(name);
    setAccessibleName(meaningText(meaning));
    setToolTip(meaningText(meaning));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize CheckPicture::sizeHint() const {
    const int side = fontMetrics().height() * 3;
    return {side, side};
}

void CheckPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(width(), height());
    const double stroke = std::max(2.0, side / 11);
    const QRectF disc(QPointF((width() - side) / 2, (height() - side) / 2), QSizeF(side, side));
    const QRectF ring = disc.adjusted(stroke / 2, stroke / 2, -stroke / 2, -stroke / 2);

    const QColor ink = meaning_ == Meaning::Suitable     ? kGreen
                       : meaning_ == Meaning::Unsuitable ? kRed
                                                         : palette().color(QPalette::Mid);
    painter.setPen(QPen(ink, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(ring);

    // Coordinates on the disc, from 0 to 1.
    const auto at = [&](double x, double y) {
        return QPointF(disc.left() + x * side, disc.top() + y * side);
    };
    QPainterPath mark;
    switch (meaning_) {
    case Meaning::Suitable:
        mark.moveTo(at(0.28, 0.52));
        mark.lineTo(at(0.44, 0.68));
        mark.lineTo(at(0.73, 0.35));
        break;
    case Meaning::Unsuitable:
        mark.moveTo(at(0.33, 0.33));
        mark.lineTo(at(0.67, 0.67));
        mark.moveTo(at(0.67, 0.33));
        mark.lineTo(at(0.33, 0.67));
        break;
    case Meaning::Unchecked:
        mark.moveTo(at(0.37, 0.38));
        mark.cubicTo(at(0.37, 0.2), at(0.64, 0.2), at(0.63, 0.38));
        mark.cubicTo(at(0.62, 0.5), at(0.5, 0.5), at(0.5, 0.6));
        painter.drawPath(mark);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawEllipse(at(0.5, 0.74), stroke * 0.6, stroke * 0.6);
        return;
    }
    painter.drawPath(mark);
}

} // namespace voltaris::gui
