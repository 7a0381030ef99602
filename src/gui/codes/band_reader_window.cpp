#include "gui/codes/band_reader_window.h"

#include "gui/fields.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

const QStringList kRangeLabels = {QStringLiteral("Minimum Toleranslı Değeri"),
                                  QStringLiteral("Maksimum Toleranslı Değeri")};

} // namespace

BandReaderWindow::BandReaderWindow(const BandReaderSetup& setup)
    : ToolWindow(setup.form, setup.title) {
    auto* layout = new QVBoxLayout(this);
    const auto& lists = *setup.lists;
    const int bands = static_cast<int>(lists.size());

    auto* choices = new FieldGrid;
    for (const codes::ResistorBandList& list : lists)
        lists_ << choices->addList(QStringLiteral("Combo%1").arg(lists_.size() + 1),
                                   qs(list.caption), toEntries(list.Entries()));
    layout->addLayout(choices);

    ComponentPicture* picture = makePicture(setup.part, bands, setup.title, 4.5);
    for (int band = 0; band < bands; ++band) {
        auto* swatch = new Swatch(QStringLiteral("Shape%1").arg(band + 1));
        swatch->setAccessibleName(qs(lists[static_cast<std::size_t>(band)].caption));
        picture->placeOnBand(band, swatch);
        swatches_ << swatch;
    }
    hideSwatches(swatches_);
    layout->addWidget(picture, 1);

    // One row per value (nominal, minimum, maximum), one field and unit per column.
    auto* results = new QGridLayout;
    const QStringList rowLabels = QStringList{setup.valueLabel} + kRangeLabels;
    for (int row = 0; row < rowLabels.size(); ++row)
        results->addWidget(new QLabel(rowLabels[row]), row, 0);
    for (int unit = 0; unit < 3; ++unit) {
        const Unit& u = setup.units[static_cast<std::size_t>(unit)];
        for (int row = 0; row < rowLabels.size(); ++row) {
            QLineEdit* field = makeResult(QStringLiteral("Text%1").arg(4 + unit * 3 + row),
                                          rowLabels[row] + QStringLiteral(" (") + u.symbol + ')');
            field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0")) *
                                   12);
            QLabel* symbol = makeUnitLabel(u.symbol);
            symbol->setToolTip(u.name);
            results->addWidget(field, row, 1 + unit * 2);
            results->addWidget(symbol, row, 2 + unit * 2);
            results->setColumnStretch(1 + unit * 2, 1);
            values_[static_cast<std::size_t>(unit)] << field;
        }
    }
    layout->addLayout(results);

    details_ = new FieldGrid;
    tolerance_ = details_->addResult(setup.toleranceFieldName, QStringLiteral("Tolerans Değeri"));
    layout->addLayout(details_);
    extras_ = new QVBoxLayout;
    layout->addLayout(extras_);

    addCommandButtons(
        this, layout, QStringLiteral("Command3"), QStringLiteral("Command2"), [this] { compute(); },
        [this] { clear(); });
    lists_.front()->setFocus();
}

std::vector<int> BandReaderWindow::chosenEntries() const {
    std::vector<int> chosen;
    for (const QComboBox* list : lists_)
        chosen.push_back(list->currentIndex());
    return chosen;
}

void BandReaderWindow::showReading(const std::vector<codes::SwatchUpdate>& swatches,
                                   const std::array<const codes::RangeTexts*, 3>& values,
                                   const std::string& toleranceText) {
    for (std::size_t band = 0; band < swatches.size(); ++band)
        applySwatch(swatches_[static_cast<qsizetype>(band)], swatches[band]);
    for (std::size_t unit = 0; unit < values.size(); ++unit) {
        const codes::RangeTexts& texts = *values[unit];
        values_[unit][0]->setText(qs(texts.nominal));
        values_[unit][1]->setText(qs(texts.minimum));
        values_[unit][2]->setText(qs(texts.maximum));
    }
    tolerance_->setText(qs(toleranceText));
}

void BandReaderWindow::clear() {
    tolerance_->clear();
    for (const QList<QLineEdit*>& unit : values_)
        for (QLineEdit* field : unit)
            field->clear();
    hideSwatches(swatches_);
    for (QComboBox* list : lists_)
        list->setCurrentIndex(0);
}

} // namespace voltaris::gui
