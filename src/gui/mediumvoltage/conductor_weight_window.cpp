#include "gui/mediumvoltage/conductor_weight_window.h"

#include "gui/fields.h"
#include "gui/messages.h"
#include "gui/reference_table.h"
#include "gui/text.h"
#include "gui/text_report.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

namespace cw = conductor_weight;

const QString kUnitCount = QStringLiteral("Adet");

QStringList toQStringList(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& text : texts)
        list.append(qs(text));
    return list;
}

// One of the two computes: a frame of its conductor list, its two inputs, its two results and
// its "Hesapla" under them.
struct Part {
    QGroupBox* frame;
    QComboBox* conductor;
    QLineEdit* input;
    QLineEdit* count;
    QLineEdit* firstResult;
    QLineEdit* secondResult;
    QPushButton* compute;
};

struct PartNames {
    const char* frame;
    const char* title;
    const char* list;
    const char* input;
    const char* inputLabel;
    const char* inputUnit;
    const char* count;
    const char* firstResult;
    const char* firstLabel;
    const char* secondResult;
    const char* secondLabel;
    const char* resultUnit;
    const char* compute;
};

Part makePart(const PartNames& n) {
    auto* grid = new FieldGrid;
    Part part{};
    part.conductor = grid->addList(qs(n.list), QStringLiteral("İletkenin Cinsini Seçiniz"),
                                   toQStringList(cw::ConductorEntries()));
    part.input = grid->addInput(qs(n.input), qs(n.inputLabel), qs(n.inputUnit));
    part.count =
        grid->addInput(qs(n.count), QStringLiteral("İletken Sayısını Giriniz"), kUnitCount);
    part.firstResult = grid->addResult(qs(n.firstResult), qs(n.firstLabel), qs(n.resultUnit));
    part.secondResult = grid->addResult(qs(n.secondResult), qs(n.secondLabel), qs(n.resultUnit));
    part.compute = makeComputeButton(qs(n.compute));
    auto* content = new QVBoxLayout;
    content->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(part.compute);
    buttons->addStretch(1);
    content->addLayout(buttons);
    part.frame = makeFrame(qs(n.title), content);
    part.frame->setObjectName(qs(n.frame));
    return part;
}

} // namespace

ConductorWeightWindow::ConductorWeightWindow()
    : ToolWindow(kForm, QStringLiteral("Alüminyum İletkenlerin Kilogram Karşılıklarını Bulma "
                                       "Bölümü")) {
    auto* layout = new QVBoxLayout(this);
    const Part weight = makePart(
        {"Frame1", "Uzunluğa Göre Ağırlık Bulma", "Combo1", "Text1", "Hat Uzunluğunu Giriniz", "m",
         "Text2", "Text4", "Bir İletkenin Ağırlığı", "Text3", "Toplam Ağırlık", "kg", "Command1"});
    const Part length =
        makePart({"Frame2", "Ağırlığa Göre Uzunluk Bulma", "Combo2", "Text11",
                  "İletkenlerin Ağırlığını Giriniz", "kg", "Text12", "Text14",
                  "Toplam İletken Uzunluğu", "Text13", "Hat Uzunluğu", "m", "Command3"});
    weightConductor_ = weight.conductor;
    length_ = weight.input;
    count_ = weight.count;
    each_ = weight.firstResult;
    weight_ = weight.secondResult;
    lengthConductor_ = length.conductor;
    kilograms_ = length.input;
    lengthCount_ = length.count;
    totalLength_ = length.firstResult;
    lineLength_ = length.secondResult;
    auto* parts = new QHBoxLayout;
    parts->addWidget(weight.frame);
    parts->addWidget(length.frame);
    layout->addLayout(parts);

    QList<QStringList> rows;
    for (const std::vector<std::string>& row : cw::TableRows())
        rows.append(toQStringList(row));
    auto* table =
        new ReferenceTable(QStringLiteral("MSFlexGrid1"), toQStringList(cw::TableHeaders()), rows);
    table->setAccessibleName(QStringLiteral("Alüminyum İletkenler Tablosu"));
    layout->addWidget(table, 1);
    layout->addWidget(makeLabel(QStringLiteral("Label1"), qs(overhead_conductors::SourceNote())));

    report_ = makeReportButton(QStringLiteral("Command4"));
    auto* clearButton = makeClearButton(QStringLiteral("Command5"));
    layout->addLayout(
        makeButtonRow({report_, clearButton}, {makeReturnButton(QStringLiteral("Command2"))}));

    connect(weight.compute, &QPushButton::clicked, this, &ConductorWeightWindow::computeWeight);
    connect(length.compute, &QPushButton::clicked, this, &ConductorWeightWindow::computeLength);
    connect(report_, &QPushButton::clicked, this, &ConductorWeightWindow::writeReport);
    connect(clearButton, &QPushButton::clicked, this, &ConductorWeightWindow::clear);
    length_->setFocus();
}

void ConductorWeightWindow::computeWeight() {
    const int conductor = weightConductor_->currentIndex();
    const Outcome<cw::WeightTexts> outcome =
        cw::WeightOf(conductor, utf8(length_->text()), utf8(count_->text()),
                     {utf8(each_->text()), utf8(weight_->text())});
    each_->setText(qs(outcome.texts.each));
    weight_->setText(qs(outcome.texts.total));
    if (MissingInputWarning(this, {length_, count_}, outcome,
                            qs(warnings::kEnterValuesAndMaterial))) {
        weightComputed_ = conductor;
        report_->setEnabled(true);
    }
}

void ConductorWeightWindow::computeLength() {
    const int conductor = lengthConductor_->currentIndex();
    const Outcome<cw::LengthTexts> outcome =
        cw::LengthOf(conductor, utf8(kilograms_->text()), utf8(lengthCount_->text()),
                     {utf8(totalLength_->text()), utf8(lineLength_->text())});
    totalLength_->setText(qs(outcome.texts.total));
    lineLength_->setText(qs(outcome.texts.line));
    if (MissingInputWarning(this, {kilograms_, lengthCount_}, outcome,
                            qs(warnings::kEnterValuesAndMaterial))) {
        lengthComputed_ = conductor;
        report_->setEnabled(true);
    }
}

void ConductorWeightWindow::writeReport() {
    std::optional<cw::WeightReport> weight;
    if (weightComputed_)
        weight = cw::WeightReport{*weightComputed_,
                                  utf8(length_->text()),
                                  utf8(count_->text()),
                                  {utf8(each_->text()), utf8(weight_->text())}};
    std::optional<cw::LengthReport> length;
    if (lengthComputed_)
        length = cw::LengthReport{*lengthComputed_,
                                  utf8(kilograms_->text()),
                                  utf8(lengthCount_->text()),
                                  {utf8(totalLength_->text()), utf8(lineLength_->text())}};
    TextReport(this, qs(cw::kReportName),
               cw::ReportLines(weight ? &*weight : nullptr, length ? &*length : nullptr));
}

void ConductorWeightWindow::clear() {
    for (QLineEdit* field :
         {length_, count_, each_, weight_, kilograms_, lengthCount_, totalLength_, lineLength_})
        field->clear();
    weightConductor_->setCurrentIndex(0);
    lengthConductor_->setCurrentIndex(0);
    weightComputed_.reset();
    lengthComputed_.reset();
    report_->setEnabled(false);
}

} // namespace voltaris::gui
