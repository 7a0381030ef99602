#include "gui/mediumvoltage/cable_channel_window.h"

#include "gui/fields.h"
#include "gui/live.h"
#include "gui/messages.h"
#include "gui/options.h"
#include "gui/text.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace voltaris::gui {

// The trench drawn in section: the general trapezoid with its dimension names, or a standard
// type to its proportions with its dimensions in cm.
class ChannelPicture : public QWidget {
public:
    ChannelPicture() {
        setObjectName(QStringLiteral("Picture1"));
        setMinimumSize(220, 170);
        showGeneral();
    }
    void showGeneral() {
        setDrawing({}, 50, 70, 80, QStringLiteral("Alt Genişlik"), QStringLiteral("Üst Genişlik"),
                   QStringLiteral("Yükseklik"));
    }
    void showType(const cable_channel::ChannelType& type, int depth) {
        setDrawing(qs(type.name), type.bottom, type.top, depth,
                   QStringLiteral("%1 cm").arg(type.bottom), QStringLiteral("%1 cm").arg(type.top),
                   QStringLiteral("%1 cm").arg(depth));
    }
    QSize sizeHint() const override { return {260, 200}; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QFontMetrics metrics(font());
        const int line = metrics.height();
        // Room for the caption above, the top width and the ground line, the bottom width below,
        // the depth at the right.
        const QRectF area = QRectF(rect()).adjusted(
            12, 2.5 * line + 8, -metrics.horizontalAdvance(depthText_) - 20, -line - 10);
        const double scale = std::min(area.width() / top_, area.height() / depth_);
        const double centre = area.center().x();
        const double topY = area.top();
        const double bottomY = topY + depth_ * scale;
        const QPointF topLeft(centre - top_ * scale / 2, topY);
        const QPointF topRight(centre + top_ * scale / 2, topY);
        const QPointF bottomRight(centre + bottom_ * scale / 2, bottomY);
        const QPointF bottomLeft(centre - bottom_ * scale / 2, bottomY);

        const QPen ink(palette().color(QPalette::WindowText), 1.5);
        painter.setPen(ink);
        painter.drawText(QRectF(0, 0, width(), line), Qt::AlignHCenter, caption_);
        // The ground on both sides of the trench, then the trench filled as earth.
        painter.drawLine(QPointF(2, topY), topLeft);
        painter.drawLine(topRight, QPointF(width() - 2, topY));
        QPainterPath trench;
        trench.moveTo(topLeft);
        trench.lineTo(bottomLeft);
        trench.lineTo(bottomRight);
        trench.lineTo(topRight);
        painter.fillPath(trench, QColor(222, 196, 150));
        painter.drawPath(trench);

        painter.drawText(QRectF(topLeft.x(), topY - line - 4, topRight.x() - topLeft.x(), line),
                         Qt::AlignHCenter, topText_);
        painter.drawText(
            QRectF(bottomLeft.x() - 40, bottomY + 4, bottomRight.x() - bottomLeft.x() + 80, line),
            Qt::AlignHCenter, bottomText_);
        const double depthX = topRight.x() + 8;
        painter.drawLine(QPointF(depthX, topY), QPointF(depthX, bottomY));
        painter.drawText(QPointF(depthX + 6, (topY + bottomY) / 2 + metrics.ascent() / 2.0),
                         depthText_);
    }

private:
    void setDrawing(const QString& caption, double bottom, double top, double depth,
                    const QString& bottomText, const QString& topText, const QString& depthText) {
        caption_ = caption;
        bottom_ = bottom;
        top_ = top;
        depth_ = depth;
        bottomText_ = bottomText;
        topText_ = topText;
        depthText_ = depthText;
        update();
    }

    QString caption_;
    double bottom_ = 0;
    double top_ = 1;
    double depth_ = 1;
    QString bottomText_;
    QString topText_;
    QString depthText_;
};

CableChannelWindow::CableChannelWindow() : ToolWindow(kForm, QStringLiteral("Kanal  Hesaplama")) {
    auto* layout = new QVBoxLayout(this);
    auto* menuBar = new QMenuBar(this); // items only: the openings table connects them
    addMenuItems(menuBar->addMenu(QStringLiteral("Birimler Arası Çevirimi Aç")),
                 {{"mn_uzunluk", "Uzunluk Ölçümleri Çevirisini Aç"},
                  {"mn_hacim", "Hacim Ölçümleri Çevirisini Aç"}});
    layout->setMenuBar(menuBar);

    kind_ = new OptionGroup(
        QStringLiteral("Hesaplama Türünü Seçiniz"),
        {{QStringLiteral("Option1"), QStringLiteral("Kanal Boyutlarını  Biliyorum")},
         {QStringLiteral("Option2"), QStringLiteral("Hazır Kablo Kanalı Seçmek İstiyorum")}});
    ground_ =
        new OptionGroup(QStringLiteral("Kanalın Açılacağı Ortam"),
                        {{QStringLiteral("Option3"), QStringLiteral("Kaldırım ve Diğer Ortamlar")},
                         {QStringLiteral("Option4"),
                          QStringLiteral("Normal Yol Geçisi ve Yola Parelel Kanallar")}});
    // The environment frame keeps its room while hidden, so the window does not jump.
    QSizePolicy keepRoom = ground_->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    ground_->setSizePolicy(keepRoom);
    auto* options = new QHBoxLayout;
    options->addWidget(kind_);
    options->addWidget(ground_);
    layout->addLayout(options);

    QStringList names;
    for (const cable_channel::ChannelType& type : cable_channel::Types())
        names << qs(type.name);
    typeGrid_ = new FieldGrid;
    type_ =
        typeGrid_->addList(QStringLiteral("Combo1"), QStringLiteral("Kanal Tipini Seçiniz"), names);
    layout->addLayout(typeGrid_);

    auto* body = new QHBoxLayout;
    auto* grid = new FieldGrid;
    bottom_ =
        grid->addInput(QStringLiteral("Text1"), QStringLiteral("Kanalın Alt Genişliğini Giriniz"),
                       QStringLiteral("cm"),
                       QStringLiteral("Kanalın Taban Genişliğini Santimetre Cinsinden Giriniz"));
    top_ = grid->addInput(QStringLiteral("Text2"),
                          QStringLiteral("Kanalın Üst Genişliğini Giriniz"), QStringLiteral("cm"),
                          QStringLiteral("Kanalın Tavan Genişliğini Santimetre Cinsinden Giriniz"));
    depth_ = grid->addInput(QStringLiteral("Text3"), QStringLiteral("Kanalın Yüksekliğini Giriniz"),
                            QStringLiteral("cm"),
                            QStringLiteral("Kanalın Yüksekliğini Santimetre Cinsinden Giriniz"));
    length_ = grid->addInput(QStringLiteral("Text4"), QStringLiteral("Kanalın Uzunluğunu Giriniz"),
                             QStringLiteral("m"),
                             QStringLiteral("Kanalın Uzunluğunu Metre Cinsinden Giriniz"));
    perMetre_ = grid->addResult(QStringLiteral("Text5"), QStringLiteral("1 Metre Kanalın Hacmi"),
                                QStringLiteral("m³"));
    perMetre_->setToolTip(
        QStringLiteral("Girilen Değerlere Göre 1 Metre Kanalın Metreküp Cinsinden Hacmi"));
    total_ = grid->addResult(QStringLiteral("Text6"), QStringLiteral("Toplam Kanalın Hacmi"),
                             QStringLiteral("m³"));
    total_->setToolTip(QStringLiteral(
        "Girilen Değerlere Göre Toplam Uzunluğa Göre Kanalın Metreküp Cinsinden Hacmi"));
    body->addLayout(grid);
    picture_ = new ChannelPicture;
    body->addWidget(picture_, 1);
    layout->addLayout(body);
    layout->addStretch(1);

    auto* compute = makeButton(QStringLiteral("Command1"), QStringLiteral("Hesapla"));
    auto* clearButton = makeClearButton(QStringLiteral("Command2"));
    layout->addLayout(
        makeButtonRow({compute, clearButton}, {makeReturnButton(QStringLiteral("Command3"))}));

    new WindowTimer(this, QStringLiteral("Timer1"), [this] { refreshType(); });
    connect(kind_, &OptionGroup::chosenChanged, this, &CableChannelWindow::chooseKind);
    connect(compute, &QPushButton::clicked, this, &CableChannelWindow::compute);
    connect(clearButton, &QPushButton::clicked, this, &CableChannelWindow::clear);
    clear();
    chooseKind(0);
}

void CableChannelWindow::chooseKind(int index) {
    const bool standard = index == 1;
    typeGrid_->setRowVisible(type_, standard);
    ground_->setVisible(standard);
    for (QLineEdit* field : {bottom_, top_, depth_})
        field->setReadOnly(standard);
    // A chosen type reaches the fields and the picture at the timer's next refresh.
    if (!standard)
        picture_->showGeneral();
}

void CableChannelWindow::refreshType() {
    // The timer runs while the window shows; only a chosen standard type is refreshed.
    if (kind_->chosen() != 1)
        return;
    const auto ground =
        ground_->chosen() == 1 ? cable_channel::Ground::Road : cable_channel::Ground::Pavement;
    const int index = type_->currentIndex();
    const cable_channel::Dimensions dimensions = cable_channel::TypeDimensions(index, ground);
    writeResult(bottom_, qs(dimensions.bottom));
    writeResult(top_, qs(dimensions.top));
    writeResult(depth_, qs(dimensions.depth));
    picture_->showType(cable_channel::Types()[static_cast<std::size_t>(index)],
                       std::stoi(dimensions.depth));
}

void CableChannelWindow::compute() {
    const Outcome<cable_channel::Fields> outcome = cable_channel::Compute(
        {utf8(bottom_->text()), utf8(top_->text()), utf8(depth_->text()), utf8(length_->text()),
         utf8(perMetre_->text()), utf8(total_->text())});
    perMetre_->setText(qs(outcome.texts.perMetre));
    total_->setText(qs(outcome.texts.total));
    MissingInputWarning(this, {bottom_, top_, depth_, length_}, outcome);
}

void CableChannelWindow::clear() {
    bottom_->setText(qs(cable_channel::kDefaultBottom));
    top_->setText(qs(cable_channel::kDefaultTop));
    depth_->setText(qs(cable_channel::kDefaultDepth));
    length_->setText(qs(cable_channel::kDefaultLength));
    perMetre_->clear();
    total_->clear();
}

} // namespace voltaris::gui
