#include "gui/lowvoltage/cable_section_window.h"

#include "gui/fields.h"
#include "gui/live.h"
#include "gui/lowvoltage/cable_widgets.h"
#include "gui/lowvoltage/compensation_widgets.h"
#include "gui/messages.h"
#include "gui/options.h"
#include "gui/reference_table.h"
#include "gui/text_report.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <utility>

namespace voltaris::gui {

namespace {

using cable_line::Conductor;
using cable_tables::Metal;
using cable_tables::OverheadKind;

const QString kTitle = QStringLiteral("Kablo ve İletken Kesit Hesaplama");
constexpr int kCableKind = 0; // Option11; Option12 is the overhead line

QString numberText(double value) {
    return qs(NumberText(value));
}

// A page: the list to choose from above the table of its entries; choosing a row of the table
// chooses that entry of the list, and the other way round.
QWidget* tablePage(QComboBox* list, const QString& tableName, const QStringList& headers,
                   const QList<QStringList>& rows) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* choice = new QHBoxLayout;
    choice->addWidget(new QLabel(QStringLiteral("Seçiniz")));
    choice->addWidget(list);
    choice->addStretch(1);
    layout->addLayout(choice);
    auto* table = new ReferenceTable(tableName, headers, rows);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    layout->addWidget(table);
    layout->addStretch(1);
    QObject::connect(list, &QComboBox::currentIndexChanged, table,
                     [table](int index) { table->selectRow(index); });
    QObject::connect(table, &QTableWidget::cellClicked, list,
                     [list](int row) { list->setCurrentIndex(row); });
    return page;
}

QComboBox* entryList(const QString& name, const QString& accessibleName,
                     const QStringList& entries) {
    auto* list = new QComboBox;
    list->setObjectName(name);
    list->setAccessibleName(accessibleName);
    list->addItems(entries);
    return list;
}

} // namespace

CableSectionWindow::CableSectionWindow()
    : ToolWindow(kForm, kTitle), line_(new CableLineControls(this)) {
    auto* layout = new QVBoxLayout(this);
    buildMenus();

    lineKinds_ = new OptionGroup(
        QStringLiteral("Hat Cinsini Seçiniz"),
        {{QStringLiteral("Option11"), QStringLiteral("Kablo Kesiti Hesaplama")},
         {QStringLiteral("Option12"), QStringLiteral("Havai Hat Kesiti Hesaplama")}});
    auto* kindAndLoad = new QVBoxLayout;
    kindAndLoad->addWidget(lineKinds_);
    kindAndLoad->addWidget(line_->loads);
    auto* choices = new QHBoxLayout;
    choices->addLayout(kindAndLoad);
    choices->addWidget(line_->supplies);
    choices->addWidget(line_->conductors);

    auto* grid = new FieldGrid;
    line_->addLineRows(grid);
    limit_ =
        makeInput(QStringLiteral("Text3"), QStringLiteral("Gerilim Düşümü Limitinizi Giriniz"),
                  QStringLiteral("Gerilim Düşümü Limitinizi Yüzde(%1-3) Cinsinden Giriniz..."));
    limit_->setText(QStringLiteral("3"));
    auto* limitNote = makeButton(QStringLiteral("Command4"), QStringLiteral("Not"));
    grid->addRow(QStringLiteral("Gerilim Düşümü Limitinizi Giriniz"), limit_,
                 besideField(QStringLiteral("%"), limitNote));
    line_->addPowerFactorRow(grid);
    line_->addParallelRow(grid, QStringLiteral("Combo14"));
    addResultsGap(grid);
    section_ = makeResult(QStringLiteral("Text5"), QStringLiteral("Hesaplanan Kesiti Değeri"));
    auto* sectionNote = makeButton(QStringLiteral("Command5"), QStringLiteral("Not"));
    grid->addRow(QStringLiteral("Hesaplanan Kesiti Değeri"), section_,
                 besideField(QStringLiteral("mm²"), sectionNote));

    auto* given = new QVBoxLayout;
    given->addLayout(choices);
    given->addLayout(grid);
    given->addWidget(buildFuseFrame());
    given->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(given);
    columns->addWidget(buildTables(), 1);
    layout->addLayout(columns, 1);

    auto* compute = makeComputeButton(QStringLiteral("Command1"));
    report_ = makeReportButton(QStringLiteral("Command10"));
    auto* clearButton = makeClearButton(QStringLiteral("Command3"));
    layout->addLayout(makeButtonRow({compute, report_, clearButton},
                                    {makeCompanionCloseButton(QStringLiteral("Command8")),
                                     makeReturnButton(QStringLiteral("Command2"))}));

    connect(limitNote, &QPushButton::clicked, this,
            [this] { ShowMessage(this, cable_section::LimitNote()); });
    connect(sectionNote, &QPushButton::clicked, this,
            [this] { ShowMessage(this, cable_section::SectionNote()); });
    connect(compute, &QPushButton::clicked, this, &CableSectionWindow::compute);
    connect(report_, &QPushButton::clicked, this, [this] {
        TextReport(this, qs(cable_section::kReportName),
                   cable_section::ReportLines(inputs(), utf8(section_->text()),
                                              computed_ ? computed_->current.text : ""));
    });
    connect(clearButton, &QPushButton::clicked, this, &CableSectionWindow::clear);
    for (OptionGroup* group : {lineKinds_, line_->conductors})
        connect(group, &OptionGroup::chosenChanged, this, [this] {
            showTables();
            checkSelection();
        });
    // The check of the chosen entry shows at `Timer1`'s next tick after a compute, and follows
    // the entry, the page and the tables chosen from then on.
    new WindowTimer(this, QStringLiteral("Timer1"), [this] {
        if (std::exchange(revealPending_, false))
            checkSelection();
    });

    line_->chooseDefaults();
    showTables();
    line_->load->setFocus();
}

void CableSectionWindow::buildMenus() {
    // The items opening other windows are connected by the openings table.
    auto* menuBar = new QMenuBar(this);
    QMenu* extras = line_->addMenus(menuBar);
    addMenuItems(extras,
                 {{"mn_gerd", "Kablolu Elektrik Hatlarında Gerilim Düşümü Bölümünü Aç"},
                  {"mn_kabloakımduzelt", "Kablo Akım Taşıma Düzeltme Faktörleri Bölümünü Aç"},
                  {"mn_havai", "Havai Elektrik Hatlarında Gerilim Düşümü Bölümünü Aç"}});
    layout()->setMenuBar(menuBar);
}

QWidget* CableSectionWindow::buildFuseFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Sigorta Değeri"));
    frame->setAccessibleName(frame->title());
    auto* grid = new FieldGrid(frame);
    fuseGrid_ = grid;
    QStringList factors;
    for (const std::string& factor : cable_section::FuseFactorList())
        factors << qs(factor);
    fuseFactor_ = grid->addList(QStringLiteral("Combo13"),
                                QStringLiteral("Sigortanın Aşırı Akım Katsayısı Seçiniz"), factors,
                                cable_section::kDefaultFuseFactor);
    auto* fuse = makeButton(QStringLiteral("Command9"), QStringLiteral("Sigorta Değeri Hesapla"));
    grid->addWidget(fuse, grid->rowCount(), 1);
    lineCurrent_ = grid->addResult(QStringLiteral("Text8"), QStringLiteral("Hattın Çektiği Akım"),
                                   QStringLiteral("A"));
    cableCurrent_ = grid->addResult(QStringLiteral("Text9"),
                                    QStringLiteral("Kablo Başına Düşen Akım"), QStringLiteral("A"));
    fuseByCurrent_ =
        grid->addResult(QStringLiteral("Text10"),
                        QStringLiteral("Çekilen Akıma göre Sigorta Değeri"), QStringLiteral("A"));
    fuseByFactor_ = grid->addResult(QStringLiteral("Text11"),
                                    QStringLiteral("Aşırı Akım Katsayısına göre Sigorta Değeri"),
                                    QStringLiteral("A"));
    for (QLineEdit* field : {lineCurrent_, cableCurrent_, fuseByCurrent_, fuseByFactor_}) {
        fuseResults_ << field;
        grid->setRowVisible(field, false);
    }
    connect(fuse, &QPushButton::clicked, this, &CableSectionWindow::computeFuse);
    return frame;
}

QTabWidget* CableSectionWindow::makeTabs(const QString& name) {
    auto* tabs = new QTabWidget;
    tabs->setObjectName(name);
    connect(tabs, &QTabWidget::currentChanged, this, &CableSectionWindow::checkSelection);
    return tabs;
}

QComboBox* CableSectionWindow::addTablePage(QTabWidget* tabs, int list, const std::string& caption,
                                            const QStringList& headers,
                                            const QList<QStringList>& rows) {
    // The list holds the first column of the table.
    QStringList names;
    for (const QStringList& row : rows)
        names << row.front();
    const QString name = QStringLiteral("Combo%1").arg(list);
    QComboBox* entries = entryList(name, qs(caption), names);
    tabs->addTab(tablePage(entries, name + QStringLiteral("Table"), headers, rows), qs(caption));
    connect(entries, &QComboBox::currentIndexChanged, this, &CableSectionWindow::checkSelection);
    return entries;
}

QTabWidget* CableSectionWindow::cableTabs(const QString& name, Metal metal, int firstList) {
    QTabWidget* tabs = makeTabs(name);
    QList<QComboBox*>& lists = metal == Metal::Copper ? copperLists_ : aluminiumLists_;
    const QStringList headers = {QStringLiteral("Kablo (mm²)"), QStringLiteral("Toprakta (A)"),
                                 QStringLiteral("Havada (A)"), QStringLiteral("R (Ω/km)"),
                                 QStringLiteral("X (Ω/km)")};
    int list = firstList;
    for (const cable_tables::CablePage& page : cable_tables::CablePages(metal)) {
        QList<QStringList> rows;
        for (const cable_tables::Cable& cable : page.cables)
            rows << QStringList{qs(cable.name), numberText(cable.earth), numberText(cable.air),
                                numberText(cable.resistance), numberText(cable.reactance)};
        lists << addTablePage(tabs, list++, page.caption, headers, rows);
    }
    return tabs;
}

QTabWidget* CableSectionWindow::overheadTabs() {
    QTabWidget* tabs = makeTabs(QStringLiteral("SSTab3"));
    int list = 15;
    for (OverheadKind kind :
         {OverheadKind::Bare, OverheadKind::SinglePhaseAerial, OverheadKind::ThreePhaseAerial}) {
        const cable_tables::OverheadPage& page = cable_tables::OverheadConductors(kind);
        const QStringList headers = {kind == OverheadKind::Bare ? QStringLiteral("İletken")
                                                                : QStringLiteral("Kablo (mm²)"),
                                     QStringLiteral("Akım (A)")};
        QList<QStringList> rows;
        for (const cable_tables::Overhead& conductor : page.conductors)
            rows << QStringList{qs(conductor.name), numberText(conductor.rating)};
        overheadLists_ << addTablePage(tabs, list++, page.caption, headers, rows);
    }
    return tabs;
}

QWidget* CableSectionWindow::buildTables() {
    auto* frame = new QGroupBox(QStringLiteral("Kablo / İletken Seçimi"));
    frame->setAccessibleName(frame->title());
    auto* layout = new QVBoxLayout(frame);
    copper_ = cableTabs(QStringLiteral("SSTab1"), Metal::Copper, 2);
    aluminium_ = cableTabs(QStringLiteral("SSTab2"), Metal::Aluminium, 6);
    overhead_ = overheadTabs();
    for (QTabWidget* tabs : {copper_, aluminium_, overhead_})
        layout->addWidget(tabs, 1);
    sourceNote_ = new QLabel(qs(cable_tables::kSourceNote));
    sourceNote_->setWordWrap(true);
    QFont small = sourceNote_->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    sourceNote_->setFont(small);
    layout->addWidget(sourceNote_);

    size_ = makeLabel(QStringLiteral("Label1"), QString());
    earth_ = makeLabel(QStringLiteral("Label2"), QString());
    air_ = makeLabel(QStringLiteral("Label3"), QString());
    currentSentence_ = makeLabel(QStringLiteral("Label4"), QString());
    earthVerdict_ = makeLabel(QStringLiteral("Label5"), QString());
    dropVerdict_ = makeLabel(QStringLiteral("Label6"), QString());
    airVerdict_ = makeLabel(QStringLiteral("Label7"), QString());
    drop_ = makeLabel(QStringLiteral("Label9"), QString());
    auto* checks = new QGridLayout;
    checks->addWidget(size_, 0, 0, 1, 2);
    checks->addWidget(earth_, 1, 0);
    checks->addWidget(earthVerdict_, 1, 1);
    checks->addWidget(air_, 2, 0);
    checks->addWidget(airVerdict_, 2, 1);
    checks->addWidget(currentSentence_, 3, 0, 1, 2);
    checks->addWidget(drop_, 4, 0);
    checks->addWidget(dropVerdict_, 4, 1);
    checks->setColumnStretch(1, 1);
    layout->addLayout(checks);
    for (QLabel* label :
         {size_, earth_, air_, currentSentence_, earthVerdict_, dropVerdict_, airVerdict_, drop_})
        label->hide();
    return frame;
}

void CableSectionWindow::showTables() {
    const bool overhead = lineKinds_->chosen() != kCableKind;
    const Conductor conductor = line_->chosenConductor();
    copper_->setVisible(!overhead && conductor == Conductor::Copper);
    aluminium_->setVisible(!overhead && conductor == Conductor::Aluminium);
    overhead_->setVisible(overhead);
    sourceNote_->setVisible(!overhead && conductor != Conductor::Own);
}

cable_section::Inputs CableSectionWindow::inputs() const {
    return {line_->chosenLoad(),
            line_->chosenSupply(),
            utf8(line_->length->text()),
            utf8(line_->conductivity->text()),
            utf8(limit_->text()),
            utf8(line_->load->text()),
            utf8(line_->voltage->text()),
            utf8(line_->cosPhi->currentText()),
            utf8(line_->parallel->currentText())};
}

void CableSectionWindow::compute() {
    cable_section::Texts start;
    start.section = utf8(section_->text());
    start.currentSentence = utf8(currentSentence_->text());
    const Outcome<cable_section::Texts> outcome = cable_section::Compute(inputs(), start);
    section_->setText(qs(outcome.texts.section));
    currentSentence_->setText(qs(outcome.texts.currentSentence));
    if (!MissingInputWarning(
            this, {line_->length, line_->conductivity, limit_, line_->load, line_->voltage},
            outcome))
        return;
    computed_ = outcome.texts.line;
    checking_ = true;
    revealPending_ = true;
    report_->setEnabled(true);
}

void CableSectionWindow::checkSelection() {
    if (!checking_ || revealPending_ || !computed_)
        return;
    currentSentence_->show();
    if (overhead_->isVisibleTo(this)) {
        const int page = overhead_->currentIndex();
        const auto kind = static_cast<OverheadKind>(page);
        const auto& conductors = cable_tables::OverheadConductors(kind).conductors;
        const int entry = overheadLists_[page]->currentIndex();
        showSelection(cable_section::CheckOverhead(
                          kind, conductors[static_cast<std::size_t>(entry)], *computed_),
                      false);
        return;
    }
    QTabWidget* tabs = copper_->isVisibleTo(this) ? copper_ : aluminium_;
    if (!tabs->isVisibleTo(this)) {
        // The user's own conductor has no table: only the line current shows.
        for (QLabel* label : {size_, earth_, air_, earthVerdict_, airVerdict_, drop_, dropVerdict_})
            label->hide();
        return;
    }
    const Metal metal = tabs == copper_ ? Metal::Copper : Metal::Aluminium;
    const int page = tabs->currentIndex();
    const QList<QComboBox*>& lists = metal == Metal::Copper ? copperLists_ : aluminiumLists_;
    const auto& cables = cable_tables::CablePages(metal)[static_cast<std::size_t>(page)].cables;
    const int entry = lists[page]->currentIndex();
    showSelection(cable_section::CheckCable(cables[static_cast<std::size_t>(entry)], *computed_),
                  true);
}

void CableSectionWindow::showSelection(const cable_section::Selection& s, bool cable) {
    size_->setText(qs(s.size));
    earth_->setText(qs(s.earth));
    air_->setText(qs(s.air));
    drop_->setText(s.drop.empty()
                       ? QString()
                       : QStringLiteral("Seçilen Kablodaki Gerilim Düşümü %") + qs(s.drop));
    // An equal current leaves a heating verdict as it was.
    if (s.earthHeating)
        showVerdict(earthVerdict_, *s.earthHeating);
    if (s.airHeating)
        showVerdict(airVerdict_, *s.airHeating);
    if (s.dropVerdict)
        showVerdict(dropVerdict_, *s.dropVerdict);
    earth_->show();
    earthVerdict_->show();
    for (QLabel* label : {size_, air_, airVerdict_})
        label->setVisible(cable);
    drop_->setVisible(cable && s.dropVerdict);
    dropVerdict_->setVisible(cable && s.dropVerdict);
}

void CableSectionWindow::computeFuse() {
    setWindowTitle(qs(cable_section::kFuseTitle));
    setAccessibleName(windowTitle());
    for (QWidget* field : std::as_const(fuseResults_))
        fuseGrid_->setRowVisible(field, true);
    MissingInputWarning(this, {line_->load, line_->voltage}, [this] {
        const cable_section::Fuse fuse =
            cable_section::FuseFor(inputs(), fuseFactor_->currentIndex());
        lineCurrent_->setText(qs(fuse.lineCurrent));
        cableCurrent_->setText(qs(fuse.cableCurrent));
        fuseByCurrent_->setText(qs(fuse.byCurrent));
        fuseByFactor_->setText(qs(fuse.byFactor));
    });
}

void CableSectionWindow::clear() {
    report_->setEnabled(false);
    checking_ = false;
    revealPending_ = false;
    computed_.reset();
    for (QLineEdit* field : {line_->length, line_->load, section_, line_->voltage, lineCurrent_,
                             cableCurrent_, fuseByCurrent_, fuseByFactor_})
        field->clear();
    lineKinds_->choose(kCableKind);
    line_->chooseDefaults();
    for (QLabel* label :
         {size_, earth_, air_, currentSentence_, earthVerdict_, dropVerdict_, airVerdict_, drop_})
        label->hide();
    for (QWidget* field : std::as_const(fuseResults_))
        fuseGrid_->setRowVisible(field, false);
    setWindowTitle(kTitle);
    setAccessibleName(kTitle);
}

} // namespace voltaris::gui
