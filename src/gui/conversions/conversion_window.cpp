#include "gui/conversions/conversion_window.h"

#include "gui/fields.h"
#include "gui/live.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <utility>

namespace voltaris::gui {

namespace {

const QString kEnterValue = QStringLiteral("Değeri Giriniz");

// Results of pages with many units stand in two columns, so that a page fits a small screen.
constexpr int kResultsPerColumn = 6;
// A result field shows a small factor's plain decimals ("0.0000000000006213712") whole.
const QString kWidestResult = QStringLiteral("0.0000000000006213712");

} // namespace

ConversionPage::ConversionPage(int number, const PageDescription& description, QWidget* above)
    : description_(description) {
    auto* layout = new QVBoxLayout(this);
    if (above)
        layout->addWidget(above);
    units_ = new OptionGroup(description.unitsTitle, description.units, description.initialUnit,
                             description.unitColumns);
    layout->addWidget(units_);

    auto* inputs = new FieldGrid;
    inputLabel_ = makeLabel(QStringLiteral("GirdiEtiketi%1").arg(number), kEnterValue);
    input_ = makeInput(description.input, kEnterValue,
                       description.inputToolTip.isEmpty() ? kEnterValue : description.inputToolTip);
    inputLabel_->setBuddy(input_);
    inputs->addWidget(inputLabel_, 0, 0);
    inputs->addWidget(input_, 0, 1);
    selectedUnit_ = makeLabel(QStringLiteral("SecilenBirim%1").arg(number), {});
    selectedUnit_->setAccessibleName(QStringLiteral("Seçilen Birim"));
    inputs->addRow(QStringLiteral("Seçilen Birim"), selectedUnit_);
    layout->addLayout(inputs);

    auto* resultsFrame = new QGroupBox(QStringLiteral("Sonuçlar"));
    auto* results = new QGridLayout(resultsFrame);
    const bool twoColumns = description.results.size() > kResultsPerColumn;
    const int rows = twoColumns ? (description.results.size() + 1) / 2 : description.results.size();
    for (int index = 0; index < description.results.size(); ++index) {
        const QString caption =
            description.unitLabels.isEmpty() ? description.units[index].caption : QString();
        QLineEdit* field = makeResult(description.results[index], caption);
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance(kWidestResult) +
                               field->fontMetrics().averageCharWidth() * 2);
        auto* label = new QLabel(caption);
        label->setBuddy(field);
        // Reading order: down the first column, then down the second.
        const int row = index % rows;
        const int column = (index / rows) * 2;
        results->addWidget(label, row, column);
        results->addWidget(field, row, column + 1);
        results->setColumnStretch(column + 1, 1);
        resultLabels_ << label;
        results_ << field;
    }
    if (!description.unitLabels.isEmpty()) {
        resultLabels_.front()->setObjectName(QStringLiteral("SonucEtiketi%1").arg(number));
        // The labels follow the choice at once, before any value is typed.
        showUnitLabels(description.initialUnit);
        connect(units_, &OptionGroup::chosenChanged, this, &ConversionPage::showUnitLabels);
    }
    layout->addWidget(resultsFrame);
    layout->addStretch(1);

    // The results follow the input and the unit choice at once, on every page, shown or not; a
    // text typed over a result gives way to the result at once.
    connect(input_, &QLineEdit::textChanged, this, &ConversionPage::refresh);
    connect(units_, &OptionGroup::chosenChanged, this, &ConversionPage::refresh);
    for (QLineEdit* result : std::as_const(results_))
        connect(result, &QLineEdit::textEdited, this, &ConversionPage::refresh);
}

void ConversionPage::renameUnit(int index, const QString& caption) {
    units_->setCaption(index, caption);
    resultLabels_[index]->setText(caption);
    results_[index]->setAccessibleName(caption);
    refresh(); // "Seçilen Birim" shows the chosen unit's new caption
}

void ConversionPage::refresh() {
    const std::optional<LiveTexts> texts = description_.convert(units_->chosen(), input_->text());
    if (!texts)
        return;
    writeResult(selectedUnit_, texts->selectedUnit);
    for (int index = 0; index < results_.size() && index < texts->results.size(); ++index)
        writeResult(results_[index], texts->results[index]);
}

void ConversionPage::showUnitLabels(int unit) {
    const PageDescription::UnitLabels& labels = description_.unitLabels[unit];
    inputLabel_->setText(labels.input);
    input_->setAccessibleName(labels.input);
    resultLabels_.front()->setText(labels.result);
    results_.front()->setAccessibleName(labels.result);
}

ConversionWindow::ConversionWindow(const QString& formName, const QString& title,
                                   const QString& openOtherCaption, const QString& openOtherToolTip)
    : ToolWindow(formName, title), tabs_(new QTabWidget) {
    auto* layout = new QVBoxLayout(this);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    tabs_->setAccessibleName(title);
    tabs_->setUsesScrollButtons(false); // every tab caption stays readable
    layout->addWidget(tabs_, 1);

    // `Command3` opens the other conversion window in place of this one; a companion does not
    // offer it.
    QPushButton* openOther =
        makeButton(QStringLiteral("Command3"), openOtherCaption, openOtherToolTip);
    hideWhenCompanion({openOther});
    layout->addLayout(
        makeButtonRow({openOther}, {makeCompanionCloseButton(QStringLiteral("Command2")),
                                    makeReturnButton(QStringLiteral("Command1"))}));
    connect(tabs_, &QTabWidget::currentChanged, this,
            [this](int page) { pages_[page]->input()->setFocus(); });
}

ConversionPage* ConversionWindow::addPage(const PageDescription& description, QWidget* above) {
    auto* page = new ConversionPage(static_cast<int>(pages_.size()) + 1, description, above);
    pages_ << page;
    tabs_->addTab(page, description.caption);
    if (pages_.size() == 1)
        page->input()->setFocus();
    return page;
}

QMenu* ConversionWindow::addMenu(const QString& title) {
    if (!menuBar_) {
        menuBar_ = new QMenuBar(this);
        layout()->setMenuBar(menuBar_);
    }
    return menuBar_->addMenu(title);
}

} // namespace voltaris::gui
