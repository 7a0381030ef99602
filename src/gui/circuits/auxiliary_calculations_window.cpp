#include "gui/circuits/auxiliary_calculations_window.h"

#include "core/circuits/auxiliary_calculations.h"
#include "core/messages.h"
#include "gui/default_buttons.h"
#include "gui/fields.h"
#include "gui/messages.h"
#include "gui/text.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace aux = auxiliary;

namespace {

QStringList dielectricEntries() {
    QStringList entries;
    for (const aux::Dielectric& dielectric : aux::kDielectrics)
        entries << QStringLiteral("%1 (εr = %2)")
                       .arg(qs(dielectric.name), qs(NumberText(dielectric.permittivity)));
    return entries;
}

} // namespace

AuxiliaryCalculationsWindow::AuxiliaryCalculationsWindow()
    : ToolWindow(kForm, qs(aux::kWindowTitle)) {
    auto* layout = new QVBoxLayout(this);
    auto* body = new QHBoxLayout;
    // Thirteen tab captions do not fit side by side: the subjects are listed beside the pages
    // and the list turns the pages.
    auto* subjects = new QListWidget;
    subjects->setObjectName(QStringLiteral("List1"));
    subjects->setAccessibleName(QStringLiteral("Konular"));
    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    tabs_->setAccessibleName(windowTitle());
    tabs_->tabBar()->hide();
    body->addWidget(subjects);
    body->addWidget(tabs_, 1);
    layout->addLayout(body, 1);

    QList<DefaultButtons::Page> pages;
    const auto add = [&](PageButtons buttons) {
        pages.append(DefaultButtons::Page{buttons.compute, buttons.clear});
    };

    const QString hz = QStringLiteral("Hz"), volt = QStringLiteral("V"), amp = QStringLiteral("A"),
                  second = QStringLiteral("s"), ohm = QStringLiteral("Ω"),
                  joule = QStringLiteral("J");
    const QString frequency = QStringLiteral("Frekans"), voltage = QStringLiteral("Gerilim"),
                  current = QStringLiteral("Akım"), capacitance = QStringLiteral("Kapasite"),
                  inductance = QStringLiteral("Endüktans"), resistance = QStringLiteral("Direnç"),
                  time = QStringLiteral("Zaman (t)"),
                  timeConstant = QStringLiteral("Zaman Sabitesi (τ)");

    auto* grid = new FieldGrid;
    input(grid, 1, current, amp);
    input(grid, 2, QStringLiteral("İletken Kesiti"), QStringLiteral("mm²"));
    result(grid, 3, QStringLiteral("Akım Yoğunluğu (J)"), QStringLiteral("A/mm²"));
    add(addPage(QStringLiteral("Akım Yoğunluğu"), grid, QStringLiteral("J = I / S"), 1, 2,
                singleResult(3, {1, 2},
                             [this] { return aux::CurrentDensity(text(1), text(2), text(3)); })));

    grid = new FieldGrid;
    input(grid, 4, frequency, hz);
    inputWithUnits(grid, 5, inductance, 1, false);
    result(grid, 6, QStringLiteral("Endüktif Reaktans (XL)"), ohm);
    add(addPage(QStringLiteral("Endüktif Reaktans"), grid, QStringLiteral("XL = 2π·f·L"), 6, 5,
                singleResult(6, {4, 5}, [this] {
                    return aux::InductiveReactance(text(4), text(5), unit(1), text(6));
                })));

    grid = new FieldGrid;
    input(grid, 7, frequency, hz);
    inputWithUnits(grid, 8, capacitance, 2, true);
    result(grid, 9, QStringLiteral("Kapasitif Reaktans (XC)"), ohm);
    add(addPage(QStringLiteral("Kapasitif Reaktans"), grid, QStringLiteral("XC = 1 / (2π·f·C)"), 9,
                7, singleResult(9, {7, 8}, [this] {
                    return aux::CapacitiveReactance(text(7), text(8), unit(2), text(9));
                })));

    grid = new FieldGrid;
    inputWithUnits(grid, 10, capacitance, 3, true);
    input(grid, 11, voltage, volt);
    result(grid, 12, QStringLiteral("Yük (Q)"), QStringLiteral("µC"));
    add(addPage(QStringLiteral("Kapasite ve Yük"), grid, QStringLiteral("Q = C·U"), 12, 10,
                singleResult(12, {10, 11}, [this] {
                    return aux::CapacitorCharge(text(10), unit(3), text(11), text(12));
                })));

    grid = new FieldGrid;
    inputWithUnits(grid, 13, capacitance, 4, true);
    input(grid, 14, voltage, volt);
    result(grid, 15, QStringLiteral("Depolanan Enerji (W)"), joule);
    add(addPage(QStringLiteral("Kondansatörde Depolanan Enerji"), grid,
                QStringLiteral("W = ½·C·U²"), 15, 11, singleResult(15, {13, 14}, [this] {
                    return aux::CapacitorEnergy(text(13), unit(4), text(14), text(15));
                })));

    grid = new FieldGrid;
    input(grid, 16, current, amp);
    input(grid, 17, QStringLiteral("Zaman"), second);
    result(grid, 18, QStringLiteral("Elektrik Yükü (Q)"), QStringLiteral("C (Coulomb)"));
    add(addPage(
        QStringLiteral("Yük, Akım ve Zaman"), grid, QStringLiteral("Q = I·t"), 23, 13,
        singleResult(18, {16, 17}, [this] { return aux::Charge(text(16), text(17), text(18)); })));

    grid = new FieldGrid;
    inputWithUnits(grid, 19, inductance, 5, false);
    inputWithUnits(grid, 20, capacitance, 6, true);
    result(grid, 21, QStringLiteral("Rezonans Frekansı (f)"), hz);
    add(addPage(QStringLiteral("Rezonans Frekansı"), grid, QStringLiteral("f = 1 / (2π·√(L·C))"),
                27, 16, singleResult(21, {19, 20}, [this] {
                    return aux::ResonanceFrequency(text(19), unit(5), text(20), unit(6), text(21));
                })));

    grid = new FieldGrid;
    inputWithUnits(grid, 22, inductance, 7, false);
    input(grid, 23, current, amp);
    result(grid, 24, QStringLiteral("Depolanan Enerji (W)"), joule);
    add(addPage(QStringLiteral("Bobinde Depolanan Enerji"), grid, QStringLiteral("W = ½·L·I²"), 3,
                17, singleResult(24, {22, 23}, [this] {
                    return aux::CoilEnergy(text(22), unit(7), text(23), text(24));
                })));

    grid = new FieldGrid;
    input(grid, 25, frequency, QStringLiteral("MHz"));
    result(grid, 26, QStringLiteral("Yarım Dalga Anten Boyu (λ/2)"), QStringLiteral("m"));
    result(grid, 49, QStringLiteral("Çeyrek Dalga Anten Boyu (λ/4)"), QStringLiteral("m"));
    add(addPage(QStringLiteral("Anten Boyu"), grid,
                QStringLiteral("λ = c / f,  c = 299 792 458 m/s;\nboy = k·λ/2 ve k·λ/4, "
                               "kısaltma katsayısı k = %1")
                    .arg(qs(NumberText(aux::kAntennaShortening))),
                8, 19, [this] {
                    const auto outcome = aux::AntennaLength(text(25), {text(26), text(49)});
                    write(26, outcome.texts.halfWave);
                    write(49, outcome.texts.quarterWave);
                    MissingInputWarning(this, {text_[25]}, outcome, kEnterValue);
                }));

    grid = new FieldGrid;
    input(grid, 27, QStringLiteral("Plaka Alanı (A)"), QStringLiteral("cm²"));
    input(grid, 28, QStringLiteral("Plakalar Arası Uzaklık (d)"), QStringLiteral("mm"));
    combo_[8] = grid->addList(QStringLiteral("Combo8"), QStringLiteral("Dielektrik Madde"),
                              dielectricEntries(), -1);
    result(grid, 29, capacitance, QStringLiteral("pF"));
    add(addPage(
        QStringLiteral("Düzlem Kondansatör Tasarımı"), grid, QStringLiteral("C = ε₀·εr·A / d"), 14,
        21,
        singleResult(
            29, {27, 28},
            [this] {
                return aux::PlateCapacitor(text(27), text(28), combo_[8]->currentIndex(), text(29));
            },
            qs(warnings::kEnterValuesAndDielectric)),
        QStringLiteral("ε₀ = 8.8541878128E-12 F/m (CODATA 2018); εr: Serway & Jewett, Physics "
                       "for Scientists and Engineers, Tablo 26.1")));

    grid = new FieldGrid;
    input(grid, 30, voltage, volt);
    input(grid, 31, resistance, ohm);
    inputWithUnits(grid, 32, inductance, 9, false);
    input(grid, 33, time, second);
    result(grid, 34, timeConstant, second);
    result(grid, 35, QStringLiteral("t Anındaki Akım (i)"), amp);
    result(grid, 36, QStringLiteral("t Anında Bobin Gerilimi (UL)"), volt);
    result(grid, 50, QStringLiteral("t Anında Direnç Gerilimi (UR)"), volt);
    add(addPage(
        QStringLiteral("Doğru Akımda Bobin"), grid,
        QStringLiteral("τ = L / R,  i = U/R·(1 − e^(−t/τ)),\nUL = U·e^(−t/τ),  UR = i·R"), 18, 24,
        [this] {
            const auto outcome =
                aux::CoilOnDirectCurrent(text(30), text(31), text(32), unit(9), text(33),
                                         {text(34), text(35), text(36), text(50)});
            write(34, outcome.texts.timeConstant);
            write(35, outcome.texts.current);
            write(36, outcome.texts.coilVoltage);
            write(50, outcome.texts.resistorVoltage);
            MissingInputWarning(this, {text_[30], text_[31], text_[32], text_[33]}, outcome);
        }));

    grid = new FieldGrid;
    input(grid, 37, voltage, volt);
    input(grid, 38, resistance, ohm);
    inputWithUnits(grid, 39, capacitance, 10, true);
    input(grid, 40, time, second);
    result(grid, 41, timeConstant, second);
    result(grid, 42, QStringLiteral("t Anında Kondansatör Gerilimi (UC)"), volt);
    result(grid, 43, QStringLiteral("t Anındaki Dolma Akımı (i)"), QStringLiteral("mA"));
    result(grid, 44, QStringLiteral("t Anında Direnç Gerilimi (UR)"), volt);
    result(grid, 45, QStringLiteral("Tam Dolma Süresi (5τ)"), second);
    add(addPage(
        QStringLiteral("Doğru Akımda Kondansatör"), grid,
        QStringLiteral("τ = R·C,  UC = U·(1 − e^(−t/τ)),\ni = U/R·e^(−t/τ),  UR = i·R"), 20, 25,
        [this] {
            const auto outcome =
                aux::CapacitorOnDirectCurrent(text(37), text(38), text(39), unit(10), text(40),
                                              {text(41), text(42), text(43), text(44), text(45)});
            write(41, outcome.texts.timeConstant);
            write(42, outcome.texts.capacitorVoltage);
            write(43, outcome.texts.current);
            write(44, outcome.texts.resistorVoltage);
            write(45, outcome.texts.chargedAfter);
            MissingInputWarning(this, {text_[37], text_[38], text_[39], text_[40]}, outcome);
        }));

    grid = new FieldGrid;
    input(grid, 46, QStringLiteral("Tel Sayısı (n)"), QStringLiteral("adet"));
    input(grid, 47, QStringLiteral("Bir Telin Çapı (d)"), QStringLiteral("mm"));
    result(grid, 48, QStringLiteral("İletkenin Kesiti (S)"), QStringLiteral("mm²"));
    add(addPage(QStringLiteral("Çok Telli İletkenin Kesiti"), grid,
                QStringLiteral("S = n·π·d² / 4"), 22, 26, singleResult(48, {46, 47}, [this] {
                    return aux::StrandedSection(text(46), text(47), text(48));
                })));

    for (int page = 0; page < tabs_->count(); ++page)
        subjects->addItem(tabs_->tabText(page));
    subjects->setCurrentRow(0);
    subjects->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    subjects->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    subjects->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    connect(subjects, &QListWidget::currentRowChanged, tabs_, &QTabWidget::setCurrentIndex);
    connect(tabs_, &QTabWidget::currentChanged, this, [this, subjects](int page) {
        subjects->setCurrentRow(page);
        if (auto* first = tabs_->widget(page)->findChild<QLineEdit*>())
            first->setFocus();
    });
    new DefaultButtons(this, tabs_, pages);

    layout->addLayout(makeButtonRow({}, {makeCompanionCloseButton(QStringLiteral("Command31")),
                                         makeReturnButton(QStringLiteral("Command4"))}));
    text_[1]->setFocus();
}

AuxiliaryCalculationsWindow::PageButtons
AuxiliaryCalculationsWindow::addPage(const QString& caption, FieldGrid* grid,
                                     const QString& formula, int computeNumber, int clearNumber,
                                     std::function<void()> compute, const QString& source) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    auto* formulaLine = new QLabel(QStringLiteral("Formül: ") + formula);
    formulaLine->setWordWrap(true);
    layout->addWidget(formulaLine);
    if (!source.isEmpty()) {
        auto* sourceLine = new QLabel(QStringLiteral("Kaynak: ") + source);
        sourceLine->setWordWrap(true);
        layout->addWidget(sourceLine);
    }
    layout->addStretch(1);
    PageButtons buttons{makeComputeButton(QStringLiteral("Command%1").arg(computeNumber)),
                        makeClearButton(QStringLiteral("Command%1").arg(clearNumber))};
    layout->addLayout(makeButtonRow({buttons.compute, buttons.clear}, {}));
    connect(buttons.compute, &QPushButton::clicked, this, std::move(compute));
    connect(buttons.clear, &QPushButton::clicked, this, [fields = pageFields_] {
        for (QLineEdit* field : fields)
            field->clear();
    });
    pageFields_.clear();
    tabs_->addTab(page, caption);
    return buttons;
}

std::function<void()>
AuxiliaryCalculationsWindow::singleResult(int resultNumber, const QList<int>& tested,
                                          std::function<Outcome<std::string>()> compute,
                                          const QString& message) {
    return [this, resultNumber, tested, compute = std::move(compute), message] {
        const Outcome<std::string> outcome = compute();
        write(resultNumber, outcome.texts);
        QList<QLineEdit*> fields;
        for (const int number : tested)
            fields.append(text_[static_cast<std::size_t>(number)]);
        MissingInputWarning(this, fields, outcome, message);
    };
}

namespace {

QString fieldName(int number) {
    return QStringLiteral("Text%1").arg(number);
}

} // namespace

void AuxiliaryCalculationsWindow::keep(int number, QLineEdit* field) {
    text_[static_cast<std::size_t>(number)] = field;
    pageFields_.append(field);
}

void AuxiliaryCalculationsWindow::input(FieldGrid* grid, int number, const QString& label,
                                        const QString& unit) {
    keep(number, grid->addInput(fieldName(number), label, unit));
}

void AuxiliaryCalculationsWindow::result(FieldGrid* grid, int number, const QString& label,
                                         const QString& unit) {
    keep(number, grid->addResult(fieldName(number), label, unit));
}

void AuxiliaryCalculationsWindow::inputWithUnits(FieldGrid* grid, int number, const QString& label,
                                                 int comboNumber, bool capacitance) {
    QLineEdit* field = makeInput(fieldName(number), label);
    auto* units = new QComboBox;
    units->setObjectName(QStringLiteral("Combo%1").arg(comboNumber));
    units->setAccessibleName(label + QStringLiteral(" Birimi"));
    units->addItems(capacitance ? qs(aux::kCapacitanceUnits) : qs(aux::kInductanceUnits));
    units->setCurrentIndex(capacitance ? aux::kDefaultCapacitanceUnit
                                       : aux::kDefaultInductanceUnit);
    grid->addRow(label, field, units);
    combo_[static_cast<std::size_t>(comboNumber)] = units;
    keep(number, field);
}

std::string AuxiliaryCalculationsWindow::text(int number) const {
    return utf8(text_[static_cast<std::size_t>(number)]->text());
}

void AuxiliaryCalculationsWindow::write(int number, const std::string& value) {
    text_[static_cast<std::size_t>(number)]->setText(qs(value));
}

int AuxiliaryCalculationsWindow::unit(int comboNumber) const {
    return combo_[static_cast<std::size_t>(comboNumber)]->currentIndex();
}

} // namespace voltaris::gui
