#include "gui/lowvoltage/generator_window.h"

#include "gui/fields.h"
#include "gui/lowvoltage/power_widgets.h"
#include "gui/messages.h"
#include "gui/text.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

namespace gen = generator;

QStringList Texts(const std::vector<gen::Entry>& entries) {
    QStringList texts;
    for (const gen::Entry& entry : entries)
        texts << qs(entry.text);
    return texts;
}

QStringList Texts(const std::vector<std::string>& entries) {
    QStringList texts;
    for (const std::string& entry : entries)
        texts << qs(entry);
    return texts;
}

QLabel* Note(const QString& name, std::string_view text) {
    QLabel* label = makeLabel(name, qs(text));
    label->setWordWrap(true);
    return label;
}

// A page: its rows, room to spare, then its own commands.
QWidget* Page(FieldGrid* grid, const QList<QWidget*>& notes, const QList<QPushButton*>& commands) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    for (QWidget* note : notes)
        layout->addWidget(note);
    layout->addStretch(1);
    layout->addLayout(makeButtonRow(commands, {}));
    return page;
}

void Clear(std::initializer_list<QLineEdit*> fields) {
    for (QLineEdit* field : fields)
        field->clear();
}

} // namespace

GeneratorWindow::GeneratorWindow()
    : ToolWindow(kForm, QStringLiteral("Trifaze Jeneratör Hesaplama")) {
    auto* layout = new QVBoxLayout(this);
    auto* menuBar = new QMenuBar(this);
    buildMenus(menuBar);
    layout->setMenuBar(menuBar);

    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    tabs_->addTab(sizingPage(), QStringLiteral("Jeneratör Gücü"));
    tabs_->addTab(currentPage(), QStringLiteral("Anma Akımı"));
    tabs_->addTab(fuelPage(), QStringLiteral("Aktif Güç ve Yakıt Tüketimi"));
    layout->addWidget(tabs_, 1);
    layout->addWidget(Note(QStringLiteral("Label3"), gen::kSources));
    layout->addLayout(makeButtonRow({}, {makeCompanionCloseButton(QStringLiteral("Command11")),
                                         makeReturnButton(QStringLiteral("Command2"))}));
    load_->setFocus();
}

void GeneratorWindow::buildMenus(QMenuBar* menuBar) {
    QMenu* extras = menuBar->addMenu(QStringLiteral("Ek Hesaplamalar"));
    connect(addMenuItem(extras, QStringLiteral("mn_cos"),
                        QStringLiteral("Seçilen Cosinüs Değeri İle İlgili Bilgiler")),
            &QAction::triggered, this, [this] {
                ShowCosineInfo(this, tabs_->currentIndex() == 2 ? fuelCosPhi_->currentText()
                                                                : cosPhi_->currentText());
            });
    // The motor's horsepower reaches its field in kW.
    connect(addMenuItem(extras, QStringLiteral("mn_HP"),
                        QStringLiteral("Beygirgücü (HP) Değerini Watt Değerine Çevirme")),
            &QAction::triggered, this, [this] {
                ConvertHorsepower(this, [this](const QString& watts) {
                    tabs_->setCurrentIndex(0);
                    motor_->setText(qs(gen::KilowattsText(utf8(watts))));
                });
            });
}

QWidget* GeneratorWindow::sizingPage() {
    auto* grid = new FieldGrid;
    load_ = grid->addInput(QStringLiteral("Text1"),
                           QStringLiteral("Aynı Anda Çalışacak Toplam Yük"), QStringLiteral("kW"));
    cosPhi_ = addPowerFactorList(grid, QStringLiteral("Combo1"),
                                 QStringLiteral("Yükün Güç Katsayısı (Cos φ)"));
    motor_ = grid->addInput(QStringLiteral("Text2"),
                            QStringLiteral("Yolverilecek En Büyük Motorun Gücü"),
                            QStringLiteral("kW"), QStringLiteral("Motor Yoksa Boş Bırakınız"));
    method_ = grid->addList(QStringLiteral("Combo2"), QStringLiteral("Motorun Yolverme Şekli"),
                            Texts(gen::StartingMethods()));
    startingCurrent_ =
        grid->addList(QStringLiteral("Combo3"), QStringLiteral("Motorun Kalkış Akımı (Ia / In)"),
                      Texts(gen::StartingCurrentRatios()), gen::kDefaultStartingCurrentRatio);
    altitude_ = grid->addList(QStringLiteral("Combo4"),
                              QStringLiteral("Rakım (Deniz Seviyesinden Yükseklik)"),
                              Texts(gen::AltitudeEntries()));
    temperature_ = grid->addList(QStringLiteral("Combo5"), QStringLiteral("Ortam Sıcaklığı"),
                                 Texts(gen::TemperatureEntries()));
    grid->setRowMinimumHeight(grid->rowCount(), fontMetrics().height() / 2);
    apparent_ = grid->addResult(QStringLiteral("Text3"), QStringLiteral("Yükün Görünür Gücü"),
                                QStringLiteral("kVA"));
    starting_ = grid->addResult(QStringLiteral("Text4"), QStringLiteral("Motorun Kalkış Gücü"),
                                QStringLiteral("kVA"));
    onSite_ = grid->addResult(QStringLiteral("Text5"), QStringLiteral("Gereken Görünür Güç"),
                              QStringLiteral("kVA"));
    factor_ =
        grid->addResult(QStringLiteral("Text12"), QStringLiteral("Toplam Güç Düşürme Katsayısı"));
    rating_ =
        grid->addResult(QStringLiteral("Text13"), QStringLiteral("Jeneratörün Olması Gereken Gücü"),
                        QStringLiteral("kVA"));
    setSize_ =
        grid->addResult(QStringLiteral("Text14"),
                        QStringLiteral("Seçilecek Standart Jeneratör Gücü"), QStringLiteral("kVA"));
    setActive_ = grid->addResult(QStringLiteral("Text15"),
                                 QStringLiteral("Standart Jeneratörün Aktif Gücü (Cos φ 0.8)"),
                                 QStringLiteral("kW"));

    QPushButton* compute = makeComputeButton(QStringLiteral("Command1"));
    QPushButton* tables =
        makeButton(QStringLiteral("Command3"), QStringLiteral("Faktör Tablolarını Göster"),
                   QStringLiteral("Güç Düşürme Katsayı Tablolarını Gösterir"));
    QPushButton* clearButton = makeClearButton(QStringLiteral("Command4"));
    connect(compute, &QPushButton::clicked, this, &GeneratorWindow::computeSize);
    connect(clearButton, &QPushButton::clicked, this, &GeneratorWindow::clearSizing);
    return Page(grid, {Note(QStringLiteral("Label1"), gen::kSizingNote)},
                {compute, tables, clearButton});
}

QWidget* GeneratorWindow::currentPage() {
    auto* grid = new FieldGrid;
    currentRating_ =
        grid->addInput(QStringLiteral("Text10"), QStringLiteral("Jeneratörün Görünür Gücü"),
                       QStringLiteral("kVA"));
    voltage_ =
        grid->addList(QStringLiteral("Combo6"), QStringLiteral("Fazlar Arası Gerilim"),
                      Texts(gen::VoltageEntries()), gen::kDefaultVoltage, QStringLiteral("V"));
    current_ = grid->addResult(QStringLiteral("Text11"), QStringLiteral("Jeneratörün Anma Akımı"),
                               QStringLiteral("A"));
    QPushButton* compute = makeComputeButton(QStringLiteral("Command5"));
    QPushButton* clearButton = makeClearButton(QStringLiteral("Command6"));
    connect(compute, &QPushButton::clicked, this, &GeneratorWindow::computeCurrent);
    connect(clearButton, &QPushButton::clicked, this, [this] {
        Clear({currentRating_, current_});
        voltage_->setCurrentIndex(gen::kDefaultVoltage);
    });
    return Page(grid, {Note(QStringLiteral("Label2"), gen::kCurrentFormula)},
                {compute, clearButton});
}

QWidget* GeneratorWindow::fuelPage() {
    auto* grid = new FieldGrid;
    fuelRating_ = grid->addInput(QStringLiteral("Text6"),
                                 QStringLiteral("Jeneratörün Görünür Gücü"), QStringLiteral("kVA"));
    fuelCosPhi_ =
        addPowerFactorList(grid, QStringLiteral("Combo7"), QStringLiteral("Güç Katsayısı (Cos φ)"));
    loadLevel_ =
        grid->addList(QStringLiteral("Combo8"), QStringLiteral("Jeneratörün Yüklenme Oranı"),
                      Texts(gen::LoadLevels()), gen::kDefaultLoadLevel);
    consumption_ =
        grid->addList(QStringLiteral("Combo9"), QStringLiteral("Bu Yükteki Özgül Yakıt Tüketimi"),
                      Texts(gen::FuelConsumptionEntries()), gen::kDefaultFuelConsumption,
                      QStringLiteral("g/kWh"));
    consumption_->setToolTip(QStringLiteral("Jeneratörün Kataloğundaki Değeri Seçiniz"));
    grid->setRowMinimumHeight(grid->rowCount(), fontMetrics().height() / 2);
    active_ = grid->addResult(QStringLiteral("Text7"), QStringLiteral("Jeneratörün Aktif Gücü"),
                              QStringLiteral("kW"));
    drawn_ = grid->addResult(QStringLiteral("Text8"), QStringLiteral("Çekilen Aktif Güç"),
                             QStringLiteral("kW"));
    hourly_ = grid->addResult(QStringLiteral("Text9"), QStringLiteral("Saatlik Yakıt Tüketimi"),
                              QStringLiteral("lt/saat"));
    daily_ =
        grid->addResult(QStringLiteral("Text16"), QStringLiteral("Günlük Yakıt Tüketimi (24 Saat)"),
                        QStringLiteral("lt"));
    QPushButton* compute = makeComputeButton(QStringLiteral("Command8"));
    QPushButton* clearButton = makeClearButton(QStringLiteral("Command7"));
    connect(compute, &QPushButton::clicked, this, &GeneratorWindow::computeFuel);
    connect(clearButton, &QPushButton::clicked, this, [this] {
        Clear({fuelRating_, active_, drawn_, hourly_, daily_});
        fuelCosPhi_->setCurrentIndex(power::kDefaultPowerFactorIndex);
        loadLevel_->setCurrentIndex(gen::kDefaultLoadLevel);
        consumption_->setCurrentIndex(gen::kDefaultFuelConsumption);
    });
    return Page(grid, {Note(QStringLiteral("Label4"), gen::kFuelNote)}, {compute, clearButton});
}

void GeneratorWindow::computeSize() {
    gen::SizingChoice choice;
    choice.cosPhi = utf8(cosPhi_->currentText());
    choice.method = method_->currentIndex();
    choice.startingCurrent = startingCurrent_->currentIndex();
    choice.altitude = altitude_->currentIndex();
    choice.temperature = temperature_->currentIndex();
    const Outcome<gen::Sizing> outcome = gen::Size(
        choice, {utf8(load_->text()), utf8(motor_->text()), utf8(apparent_->text()),
                 utf8(starting_->text()), utf8(onSite_->text()), utf8(factor_->text()),
                 utf8(rating_->text()), utf8(setSize_->text()), utf8(setActive_->text())});
    const gen::SizingFields& f = outcome.texts.fields;
    apparent_->setText(qs(f.apparent));
    starting_->setText(qs(f.starting));
    onSite_->setText(qs(f.onSite));
    factor_->setText(qs(f.factor));
    rating_->setText(qs(f.rating));
    setSize_->setText(qs(f.setSize));
    setActive_->setText(qs(f.setActive));
    if (MissingInputWarning(this, {load_}, outcome, qs(warnings::kEnterValuesAndTableFactors)) &&
        outcome.texts.notice)
        ShowMessage(this, *outcome.texts.notice);
}

void GeneratorWindow::computeCurrent() {
    const Outcome<std::string> outcome = gen::RatedCurrent(
        utf8(currentRating_->text()), utf8(voltage_->currentText()), utf8(current_->text()));
    current_->setText(qs(outcome.texts));
    MissingInputWarning(this, {currentRating_}, outcome, kEnterValue);
}

void GeneratorWindow::computeFuel() {
    gen::FuelChoice choice;
    choice.cosPhi = utf8(fuelCosPhi_->currentText());
    choice.loadLevel = loadLevel_->currentIndex();
    choice.consumption = utf8(consumption_->currentText());
    const Outcome<gen::FuelFields> outcome =
        gen::Fuel(choice, {utf8(fuelRating_->text()), utf8(active_->text()), utf8(drawn_->text()),
                           utf8(hourly_->text()), utf8(daily_->text())});
    active_->setText(qs(outcome.texts.active));
    drawn_->setText(qs(outcome.texts.drawn));
    hourly_->setText(qs(outcome.texts.hourly));
    daily_->setText(qs(outcome.texts.daily));
    MissingInputWarning(this, {fuelRating_}, outcome, kEnterValue);
}

void GeneratorWindow::clearSizing() {
    Clear({load_, motor_, apparent_, starting_, onSite_, factor_, rating_, setSize_, setActive_});
    cosPhi_->setCurrentIndex(power::kDefaultPowerFactorIndex);
    for (QComboBox* list : {method_, altitude_, temperature_})
        list->setCurrentIndex(0);
    startingCurrent_->setCurrentIndex(gen::kDefaultStartingCurrentRatio);
}

} // namespace voltaris::gui
