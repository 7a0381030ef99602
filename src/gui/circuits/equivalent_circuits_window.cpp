#include "gui/circuits/equivalent_circuits_window.h"

#include "gui/circuits/circuit_diagrams.h"
#include "gui/default_buttons.h"
#include "gui/fields.h"
#include "gui/messages.h"
#include "gui/options.h"
#include "gui/text.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

const QString kClearCaption = QStringLiteral("Hesabı Sil");

QString name(const char* prefix, int number) {
    return QString::fromUtf8(prefix) + QString::number(number);
}

// A group of three arms, given or computed, each labelled with its name on the pictures.
QGroupBox* armGroup(const QString& title, const std::array<QString, 3>& arms, int firstField,
                    bool computed, std::array<QLineEdit*, 3>& fields) {
    auto* group = new QGroupBox(title);
    auto* grid = new FieldGrid(group);
    for (std::size_t n = 0; n < arms.size(); ++n) {
        const QString field = name("Text", firstField + static_cast<int>(n));
        fields[n] = computed ? makeResult(field, arms[n]) : makeInput(field, arms[n], arms[n]);
        if (computed)
            fitGeneralNumbers(fields[n]);
        grid->addRow(arms[n], fields[n], makeOhmUnit());
    }
    return group;
}

} // namespace

EquivalentCircuitsWindow::EquivalentCircuitsWindow()
    : ToolWindow(kForm, qs(equivalent::kWindowTitle)) {
    auto* layout = new QVBoxLayout(this);

    auto* menuBar = new QMenuBar(this); // the openings table connects its items
    QMenu* concepts = menuBar->addMenu(
        QStringLiteral("Elektrik ve Elektronik'te Kullanılan Kavramlar Arası Dönüşüm Bölümünü Aç"));
    concepts->setObjectName(QStringLiteral("mn_Kavram"));
    addMenuItem(concepts, QStringLiteral("mn_direnç"),
                QStringLiteral("Direnç As ve Üs Katları Arası Dönşümü Aç"));
    addMenuItem(concepts, QStringLiteral("mn_kondansatör"),
                QStringLiteral("Kondansatör As ve Üs Katları Arası Dönüşümü Aç"));
    addMenuItem(concepts, QStringLiteral("mn_bobin"),
                QStringLiteral("Bobin As ve Üs katları Arası Dönüşümü Aç"));
    layout->setMenuBar(menuBar);

    auto* tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("SSTab1"));
    tabs->setAccessibleName(windowTitle());
    tabs->setUsesScrollButtons(false); // every tab caption stays readable
    tabs->addTab(buildSumPage(), QStringLiteral("Direnç, Bobin, Kondansatör"));
    const TransformPage toDelta = buildTransformPage(3, true);
    tabs->addTab(toDelta.page, QStringLiteral("Yıldızdan Üçgene Çevir"));
    const TransformPage toStar = buildTransformPage(9, false);
    tabs->addTab(toStar.page, QStringLiteral("Üçgenden Yıldıza Çevir "));
    layout->addWidget(tabs, 1);
    layout->addLayout(makeButtonRow({}, {makeReturnButton(QStringLiteral("Command1"))}));

    connect(toDelta.compute, &QPushButton::clicked, this,
            [this, toDelta] { transform(toDelta, true); });
    connect(toStar.compute, &QPushButton::clicked, this,
            [this, toStar] { transform(toStar, false); });
    for (const TransformPage& page : {toDelta, toStar}) {
        connect(page.clear, &QPushButton::clicked, this, [page] {
            for (const auto* fields : {&page.given, &page.computed})
                for (QLineEdit* field : *fields)
                    field->clear();
        });
    }
    new DefaultButtons(
        this, tabs,
        {{add_, clearSum_}, {toDelta.compute, toDelta.clear}, {toStar.compute, toStar.clear}});
    const std::array<QLineEdit*, 3> firstInputs = {value_, toDelta.given[0], toStar.given[0]};
    connect(tabs, &QTabWidget::currentChanged, this, [firstInputs](int page) {
        firstInputs.at(static_cast<std::size_t>(page))->setFocus();
    });
    value_->setFocus();
}

QWidget* EquivalentCircuitsWindow::buildSumPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    kinds_ = new OptionGroup(QStringLiteral("Direnç , Bobin veya Kondansatörden Hangisinin Eş "
                                            "Değerini Hesaplayacaksanız Seçiniz"),
                             {{QStringLiteral("Option3"), QStringLiteral("Direnç")},
                              {QStringLiteral("Option4"), QStringLiteral("Bobin")},
                              {QStringLiteral("Option5"), QStringLiteral("Kondansatör")}},
                             0, 3);
    kinds_->setObjectName(QStringLiteral("Frame1"));
    layout->addWidget(kinds_);
    connections_ = new OptionGroup(QStringLiteral("Bağlanış Şekini Seçiniz"),
                                   {{QStringLiteral("Option1"), QStringLiteral("Seri")},
                                    {QStringLiteral("Option2"), QStringLiteral("Parelel")}},
                                   0, 2);
    connections_->setObjectName(QStringLiteral("Frame2"));
    layout->addWidget(connections_);

    auto* grid = new FieldGrid;
    valueLabel_ = makeLabel(QStringLiteral("Label1"), {});
    value_ = makeInput(QStringLiteral("Text1"), {},
                       QStringLiteral("Hesaplanacak Değerleri Aynı Cins(As Kat veya Üs Kattan) "
                                      "Giriniz..."));
    equivalentLabel_ = makeLabel(QStringLiteral("Label2"), {});
    equivalent_ = makeResult(QStringLiteral("Text2"), {});
    fitGeneralNumbers(equivalent_);
    const QList<QPair<QLabel*, QLineEdit*>> rows = {{valueLabel_, value_},
                                                    {equivalentLabel_, equivalent_}};
    for (int row = 0; row < rows.size(); ++row) {
        rows[row].first->setBuddy(rows[row].second);
        grid->addWidget(rows[row].first, row, 0);
        grid->addWidget(rows[row].second, row, 1);
    }
    layout->addLayout(grid);
    layout->addStretch(1);

    add_ = makeButton(QStringLiteral("Command3"), QStringLiteral("Topla"));
    clearSum_ = makeButton(QStringLiteral("Command2"), kClearCaption, QStringLiteral("Temizle"));
    layout->addLayout(makeButtonRow({add_, clearSum_}, {}));

    showKind(0);
    connect(kinds_, &OptionGroup::chosenChanged, this, &EquivalentCircuitsWindow::showKind);
    connect(add_, &QPushButton::clicked, this, &EquivalentCircuitsWindow::add);
    connect(clearSum_, &QPushButton::clicked, this, [this] {
        value_->clear();
        equivalent_->clear();
        sum_ = 0;
    });
    return page;
}

EquivalentCircuitsWindow::TransformPage
EquivalentCircuitsWindow::buildTransformPage(int firstField, bool starToDelta) {
    TransformPage built{};
    built.page = new QWidget;
    auto* layout = new QVBoxLayout(built.page);
    const int picture = starToDelta ? 1 : 2;
    layout->addWidget(new CircuitDiagram(
        name("Image", picture), starToDelta ? Circuit::StarToDelta : Circuit::DeltaToStar));

    const QString starTitle = QStringLiteral("Yıldız");
    const QString deltaTitle = QStringLiteral("Üçgen");
    // The given arms in the order of their names; the computed ones in field order, each the arm
    // its formula gives.
    const std::array<QString, 3> deltaComputed = {kDeltaArms[2], kDeltaArms[0], kDeltaArms[1]};
    const std::array<QString, 3> starComputed = {kStarArms[1], kStarArms[0], kStarArms[2]};
    auto* fields = new QHBoxLayout;
    fields->addWidget(armGroup(starToDelta ? starTitle : deltaTitle,
                               starToDelta ? kStarArms : kDeltaArms, firstField, false,
                               built.given));
    fields->addWidget(armGroup(starToDelta ? deltaTitle : starTitle,
                               starToDelta ? deltaComputed : starComputed, firstField + 3, true,
                               built.computed));
    layout->addLayout(fields);
    layout->addStretch(1);

    built.compute = makeButton(name("Command", starToDelta ? 5 : 6),
                               starToDelta ? QStringLiteral("Yıldızdan Üçgene Çevir")
                                           : QStringLiteral("Üçgenden Yıldıza Çevir"));
    built.clear = makeButton(name("Command", starToDelta ? 7 : 8), kClearCaption);
    layout->addLayout(makeButtonRow({built.compute, built.clear}, {}));
    return built;
}

void EquivalentCircuitsWindow::showKind(int kind) {
    const equivalent::KindCaptions captions =
        equivalent::Captions(static_cast<equivalent::Kind>(kind));
    connections_->setCaption(0, qs(captions.valuesOption));
    connections_->setCaption(1, qs(captions.reciprocalsOption));
    valueLabel_->setText(qs(captions.valueLabel));
    value_->setAccessibleName(qs(captions.valueLabel));
    equivalentLabel_->setText(qs(captions.equivalentLabel));
    equivalent_->setAccessibleName(qs(captions.equivalentLabel));
}

void EquivalentCircuitsWindow::add() {
    const auto connection = connections_->chosen() == 0 ? equivalent::Connection::Values
                                                        : equivalent::Connection::Reciprocals;
    const Outcome<equivalent::SumTexts> outcome =
        equivalent::Add(sum_, connection, {utf8(value_->text()), utf8(equivalent_->text())});
    equivalent_->setText(qs(outcome.texts.equivalent));
    value_->setText(qs(outcome.texts.value));
    MissingInputWarning(this, {value_}, outcome, qs(equivalent::kSumWarning));
}

void EquivalentCircuitsWindow::transform(const TransformPage& page, bool starToDelta) {
    const auto compute = starToDelta ? equivalent::StarToDelta : equivalent::DeltaToStar;
    const Outcome<equivalent::TransformTexts> outcome = compute(
        utf8(page.given[0]->text()), utf8(page.given[1]->text()), utf8(page.given[2]->text()),
        {utf8(page.computed[0]->text()), utf8(page.computed[1]->text()),
         utf8(page.computed[2]->text())});
    page.computed[0]->setText(qs(outcome.texts.first));
    page.computed[1]->setText(qs(outcome.texts.second));
    page.computed[2]->setText(qs(outcome.texts.third));
    MissingInputWarning(
        this, {page.given[0], page.given[1], page.given[2]}, outcome,
        qs(starToDelta ? equivalent::kStarToDeltaWarning : equivalent::kDeltaToStarWarning),
        qs(kApplicationTitle));
}

} // namespace voltaris::gui
