#include "gui/codes/resistor_colour_finder_window.h"

#include "core/numbers.h"
#include "gui/codes/code_widgets.h"
#include "gui/fields.h"
#include "gui/key_filters.h"
#include "gui/options.h"
#include "gui/pictures.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

using codes::FinderBandCount;
using codes::FinderCoefficient;
using codes::FinderTolerance;

// The picture's band under each swatch (`Shape1` ... `Shape6`) in a mode; a swatch the mode
// never shows sits on a band of its own kind, hidden.
std::array<int, 6> bandOfSwatch(FinderBandCount bands) {
    switch (bands) {
    case FinderBandCount::Four:
        return {0, 1, 2, 2, 3, 3};
    case FinderBandCount::Five:
        return {0, 1, 2, 3, 4, 4};
    case FinderBandCount::Six:
        break;
    }
    return {0, 1, 2, 3, 4, 5};
}

// What each swatch (`Shape1` ... `Shape6`) shows in a mode, for screen readers.
QStringList swatchRoles(FinderBandCount bands) {
    const QString digit1 = QStringLiteral("Birinci Rakam Bandı");
    const QString digit2 = QStringLiteral("İkinci Rakam Bandı");
    const QString digit3 = QStringLiteral("Üçüncü Rakam Bandı");
    const QString multiplier = QStringLiteral("Çarpan Bandı");
    const QString tolerance = QStringLiteral("Tolerans Bandı");
    const QString coefficient = QStringLiteral("Sıcaklık Katsayısı Bandı");
    if (bands == FinderBandCount::Four)
        return {digit1, digit2, multiplier, multiplier, tolerance, coefficient};
    return {digit1, digit2, digit3, multiplier, tolerance, coefficient};
}

int bandCount(FinderBandCount bands) {
    return bands == FinderBandCount::Four ? 4 : bands == FinderBandCount::Five ? 5 : 6;
}

// The picture that labels a temperature-coefficient option: the band's colour and its meaning.
// A click on it chooses its option.
class CoefficientPicture : public QWidget {
public:
    CoefficientPicture(const QString& name, FinderCoefficient coefficient, QRadioButton* option)
        : option_(option) {
        setObjectName(name);
        setCursor(Qt::PointingHandCursor);
        const codes::ColourBandRow& row =
            codes::ColourBandTable::Row(codes::FinderCoefficientColour(coefficient));
        colour_ = toColour(*row.display);
        text_ = qs(NumberText(*row.temperatureCoefficientPpm)) + QStringLiteral(" PPM");
    }

    QSize sizeHint() const override {
        const QFontMetrics metrics = fontMetrics();
        return {metrics.height() * 2 + metrics.horizontalAdvance(text_), metrics.height()};
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const int unit = fontMetrics().height();
        const QRectF chip(1.5, height() / 2.0 - unit * 0.35, unit * 1.4, unit * 0.7);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
        painter.setBrush(colour_);
        painter.drawRect(chip);
        painter.drawText(QRectF(chip.right() + unit * 0.4, 0, width(), height()),
                         Qt::AlignLeft | Qt::AlignVCenter, text_);
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            option_->setChecked(true);
    }

private:
    QRadioButton* option_;
    QColor colour_;
    QString text_;
};

} // namespace

ResistorColourFinderWindow::ResistorColourFinderWindow()
    : ToolWindow(kForm, qs(codes::kFinderOpeningTitle)) {
    auto* layout = new QVBoxLayout(this);

    auto* menuBar = new QMenuBar(this);
    QMenu* conversions = menuBar->addMenu(
        QStringLiteral("Elektrik ve Elektronikte Kullanılan Kavramlar Arası Dönüşümü Aç"));
    addMenuItem(conversions, QStringLiteral("mn_direnç"),
                QStringLiteral("Direnç As ve Üs Katları Arası Dönüşümü Aç"));
    layout->setMenuBar(menuBar);

    auto* groups = new QHBoxLayout;
    auto* bandGroup =
        new OptionGroup(QStringLiteral("Band Seçeneği"),
                        {{QStringLiteral("Option7"), QStringLiteral("4 Band Direnç")},
                         {QStringLiteral("Option6"), QStringLiteral("5 Band Direnç")},
                         {QStringLiteral("Option8"), QStringLiteral("6 Band Direnç")}});
    groups->addWidget(bandGroup, 0, Qt::AlignTop);
    tolerances_ = new OptionGroup(QStringLiteral("Toleransı Seçiniz"),
                                  {{QStringLiteral("Option1"), QStringLiteral("%1")},
                                   {QStringLiteral("Option2"), QStringLiteral("%2")},
                                   {QStringLiteral("Option3"), QStringLiteral("%5")},
                                   {QStringLiteral("Option4"), QStringLiteral("%10")},
                                   {QStringLiteral("Option5"), QStringLiteral("%20"),
                                    QStringLiteral("3 Band Direnç İçin %20 Seçiniz")}},
                                  static_cast<int>(FinderTolerance::Percent5));
    percent20_ = tolerances_->findChild<QRadioButton*>(QStringLiteral("Option5"));
    groups->addWidget(tolerances_, 0, Qt::AlignTop);

    // Options labelled by pictures of their colours: `Option9` ... beside `Image2` ...
    coefficients_ = new QGroupBox(QStringLiteral("Sıcaklık Katsayısı"));
    coefficients_->setAccessibleName(coefficients_->title());
    auto* coefficientGrid = new QGridLayout(coefficients_);
    for (int i = 0; i < 7; ++i) {
        const auto coefficient = static_cast<FinderCoefficient>(i);
        const QString meaning =
            qs(codes::ColourBandTable::Row(codes::FinderCoefficientColour(coefficient))
                   .temperatureCoefficientText);
        auto* option = new QRadioButton;
        option->setObjectName(QStringLiteral("Option%1").arg(i + 9));
        option->setAccessibleName(meaning);
        auto* picture =
            new CoefficientPicture(QStringLiteral("Image%1").arg(i + 2), coefficient, option);
        picture->setAccessibleName(meaning);
        picture->setToolTip(meaning);
        option->setChecked(i == 0); // its effect comes with the other opening choices
        coefficientGrid->addWidget(option, i, 0);
        coefficientGrid->addWidget(picture, i, 1);
        connect(option, &QRadioButton::toggled, this, [this, coefficient](bool chosen) {
            if (chosen)
                chooseCoefficient(coefficient);
        });
    }
    // Its room stays when it is hidden, so the window does not jump with the band count.
    QSizePolicy keepRoom = coefficients_->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    coefficients_->setSizePolicy(keepRoom);
    groups->addWidget(coefficients_, 0, Qt::AlignTop);
    groups->addStretch(1);
    layout->addLayout(groups);

    auto* inputs = new FieldGrid;
    value_ = makeCodeInput(QStringLiteral("Text1"), QStringLiteral("Direnç Değerini Giriniz"),
                           QStringLiteral("Direncin Değerini Ohm Cinsinden Giriniz..."));
    value_->setAlignment(Qt::AlignRight);
    attachDigitKeyFilter(value_);
    inputs->addRow(QStringLiteral("Direnç Değerini Giriniz"), value_, makeOhmUnit());
    layout->addLayout(inputs);

    picture_ = makePicture(Component::Resistor, 4, QStringLiteral("Direnç"), 4.5);
    for (int i = 0; i < 6; ++i) {
        auto* swatch = new Swatch(QStringLiteral("Shape%1").arg(i + 1));
        picture_->placeOnBand(bandOfSwatch(FinderBandCount::Four)[static_cast<std::size_t>(i)],
                              swatch);
        swatch->hide();
        swatches_[static_cast<std::size_t>(i)] = swatch;
    }
    layout->addWidget(picture_, 1);

    QPushButton* clearButton = makeClearButton(QStringLiteral("Command3"));
    layout->addLayout(makeButtonRow({clearButton}, {makeReturnButton(QStringLiteral("Command2"))}));

    connect(value_, &QLineEdit::textChanged, this, &ResistorColourFinderWindow::valueChanged);
    connect(bandGroup, &OptionGroup::chosenChanged, this,
            [this](int index) { chooseBands(static_cast<FinderBandCount>(index)); });
    connect(tolerances_, &OptionGroup::chosenChanged, this,
            [this](int index) { chooseTolerance(static_cast<FinderTolerance>(index)); });
    connect(clearButton, &QPushButton::clicked, this, [this] {
        value_->clear();
        for (Swatch* swatch : swatches_)
            swatch->hide();
    });

    // The opening choices (`Option9`, `Option3`, `Option7`), each with its effect, in order.
    chooseCoefficient(FinderCoefficient::Ppm100);
    chooseTolerance(FinderTolerance::Percent5);
    chooseBands(FinderBandCount::Four);
    value_->setFocus();
}

void ResistorColourFinderWindow::valueChanged(const QString& text) {
    if (restoring_)
        return;
    const codes::FinderResult result =
        codes::FindResistorBands(text.toStdString(), bands_, tolerance_);
    if (!result.accepted) {
        // Pasted text that is not a value of this mode: the field keeps its last value.
        const int caret = value_->cursorPosition() - static_cast<int>(text.size()) +
                          static_cast<int>(accepted_.size());
        restoring_ = true;
        value_->setText(accepted_);
        restoring_ = false;
        value_->setCursorPosition(std::max(0, caret));
        return;
    }
    accepted_ = text;
    setWindowTitle(qs(result.title));
    for (std::size_t i = 0; i < swatches_.size(); ++i)
        applySwatch(swatches_[i], result.swatches[i]);
}

void ResistorColourFinderWindow::chooseBands(FinderBandCount bands) {
    bands_ = bands;
    const codes::FinderBandCountEffect effect = codes::ChooseFinderBandCount(bands);
    percent20_->setEnabled(effect.percent20Enabled);
    if (effect.chooseTolerance)
        tolerances_->choose(static_cast<int>(*effect.chooseTolerance));
    picture_->setBandCount(bandCount(bands));
    const std::array<int, 6> bandOf = bandOfSwatch(bands);
    const QStringList roles = swatchRoles(bands);
    for (std::size_t i = 0; i < swatches_.size(); ++i) {
        picture_->moveOverlay(swatches_[i], bandOf[i]);
        swatches_[i]->setAccessibleName(roles[static_cast<qsizetype>(i)]);
    }
    // Emptying an empty field is no change of the value (the title stays as it is).
    if (effect.emptyValue && !value_->text().isEmpty())
        value_->clear();
    if (effect.hideAllSwatches)
        for (Swatch* swatch : swatches_)
            swatch->hide();
    coefficients_->setVisible(effect.coefficientGroupVisible);
}

void ResistorColourFinderWindow::chooseTolerance(FinderTolerance tolerance) {
    tolerance_ = tolerance;
    applySwatch(swatches_[4], codes::FinderToleranceSwatch(tolerance));
}

void ResistorColourFinderWindow::chooseCoefficient(FinderCoefficient coefficient) {
    applySwatch(swatches_[5], codes::FinderCoefficientSwatch(coefficient));
}

} // namespace voltaris::gui
