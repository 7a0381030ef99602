#include "gui/lowvoltage/motor_starting_window.h"

#include "gui/fields.h"
#include "gui/live.h"
#include "gui/messages.h"
#include "gui/options.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace ms = motor_starting;

MotorStartingWindow::MotorStartingWindow()
    : ToolWindow(kForm, QStringLiteral("Motorlarda Yolverme Donanımları Seçim Bölümü")) {
    auto* layout = new QVBoxLayout(this);

    QList<OptionGroup::Option> makers;
    for (const ms::MakerOption& option : ms::kMakerOptions)
        makers.append({qs(option.name), qs(option.caption)});
    makers_ = new OptionGroup(QStringLiteral("Marka Seçimi"), makers, 0, 4);
    layout->addWidget(makers_);

    powers_ = new QComboBox;
    powers_->setObjectName(QStringLiteral("Combo1"));
    powers_->setAccessibleName(QStringLiteral("Motor Gücünü Seçiniz"));
    for (const std::string_view power : ms::Powers())
        powers_->addItem(qs(power));
    powers_->setCurrentIndex(0);
    auto* powerLabel = new QLabel(QStringLiteral("Motor Gücünü Seçiniz"));
    powerLabel->setBuddy(powers_);
    auto* choice = new QHBoxLayout;
    choice->addWidget(powerLabel);
    choice->addWidget(powers_);
    choice->addWidget(makeUnitLabel(QStringLiteral("kW")));
    choice->addStretch(1);
    layout->addLayout(choice);

    // A read-only result field Text(result + 1); `where` names its group for a screen reader.
    const auto makeText = [this](ms::Result result, const QString& label, const QString& where) {
        QLineEdit* field = makeResult(QStringLiteral("Text%1").arg(result + 1),
                                      where + QStringLiteral(" ") + label);
        field->setReadOnly(true);
        // As wide as the longest texts of the catalogue ("HİMC 500 W", "3(3x70+35)").
        const QFontMetrics metrics = field->fontMetrics();
        field->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("3(3x70+35)")) +
                               metrics.averageCharWidth() * 3);
        results_[result] = field;
        return field;
    };
    const auto addText = [&makeText](FieldGrid* grid, ms::Result result, const QString& label,
                                     const QString& where) {
        grid->addRow(label, makeText(result, label, where));
    };
    const QString type = QStringLiteral("Kontaktör Tipi");
    const QString ac3 = QStringLiteral("Kontaktör AC3");
    const QString fuse = QStringLiteral("Sigorta");
    const QString relay = QStringLiteral("Termik");
    const QString cable = QStringLiteral("Isınmaya Göre Kablo Kesiti (NYY):");

    const QString direct = QStringLiteral("Direk Yolverme");
    auto* directRows = new FieldGrid;
    addText(directRows, ms::DirectContactor, type, direct);
    addText(directRows, ms::DirectContactorAc3, ac3, direct);
    addText(directRows, ms::DirectFuse, fuse, direct);
    addText(directRows, ms::DirectRelay, relay, direct);
    addText(directRows, ms::DirectCable, cable, direct);
    auto* directColumn = new QVBoxLayout;
    directColumn->addLayout(directRows);
    directColumn->addStretch(1);

    // The three contactors of star-delta starting side by side, each a column under its caption,
    // the rows' captions once at the left.
    const QString starDelta = QStringLiteral("Yıldız / Üçgen Yolverme");
    auto* contactors = new QGridLayout;
    contactors->addWidget(new QLabel(type), 1, 0);
    contactors->addWidget(new QLabel(ac3), 2, 0);
    int column = 1;
    for (const auto& [title, result] :
         {std::pair{QStringLiteral("Ana Kontaktör"), ms::MainContactor},
          std::pair{QStringLiteral("Üçgen Kontaktör"), ms::DeltaContactor},
          std::pair{QStringLiteral("Yıldız Kontaktör"), ms::StarContactor}}) {
        contactors->addWidget(new QLabel(title), 0, column, Qt::AlignHCenter);
        contactors->addWidget(makeText(result, type, title), 1, column);
        contactors->addWidget(makeText(static_cast<ms::Result>(result + 1), ac3, title), 2, column);
        ++column;
    }
    auto* protection = new FieldGrid;
    addText(protection, ms::StarDeltaFuse, fuse, starDelta);
    addText(protection, ms::StarDeltaRelay, relay, starDelta);
    auto* cables = new FieldGrid;
    addText(cables, ms::StarDeltaSupplyCable, QStringLiteral("Giriş"), cable);
    addText(cables, ms::StarDeltaMotorCables, QStringLiteral("Yıldız / Üçgen"), cable);
    auto* protectionAndCables = new QHBoxLayout;
    protectionAndCables->addLayout(protection, 1);
    protectionAndCables->addWidget(makeFrame(cable, cables), 1);
    auto* starDeltaColumn = new QVBoxLayout;
    starDeltaColumn->addLayout(contactors);
    starDeltaColumn->addSpacing(fontMetrics().height() / 2);
    starDeltaColumn->addLayout(protectionAndCables);

    auto* methods = new QHBoxLayout;
    methods->addWidget(makeFrame(direct, directColumn), 2);
    methods->addWidget(makeFrame(starDelta, starDeltaColumn), 5);
    layout->addWidget(makeFrame(QStringLiteral("Sonuçlar"), methods));

    auto* source = makeLabel(QStringLiteral("Label1"), qs(ms::kSourceNote));
    QFont small = source->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    source->setFont(small);
    layout->addWidget(source);
    layout->addStretch(1);

    auto* note = makeButton(QStringLiteral("Command2"), QStringLiteral("Not"));
    layout->addLayout(makeButtonRow({note}, {makeReturnButton(QStringLiteral("Command1"))}));
    connect(note, &QPushButton::clicked, this, [this] { ShowInformation(this, qs(ms::kNote)); });

    // The results follow the choices at the timer's next tick, not at once.
    new WindowTimer(this, QStringLiteral("Timer1"), [this] { showEntry(); });
    powers_->setFocus();
}

void MotorStartingWindow::showEntry() {
    const ms::Maker maker = ms::kMakerOptions[static_cast<std::size_t>(makers_->chosen())].maker;
    const ms::Entry& entry = ms::Lookup(maker, powers_->currentIndex());
    for (std::size_t result = 0; result < entry.size(); ++result)
        writeResult(results_[result], qs(entry[result]));
}

} // namespace voltaris::gui
