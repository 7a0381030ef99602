#include "gui/lowvoltage/flat_installed_power_window.h"

#include "gui/fields.h"
#include "gui/lowvoltage/compensation_widgets.h"
#include "gui/lowvoltage/installed_power_window.h"
#include "gui/messages.h"
#include "gui/text_report.h"
#include "gui/window_registry.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

namespace fip = flat_installed_power;

const QString kWatt = QStringLiteral("W");
const QString kKilowatt = QStringLiteral("kW");
const QString kPieces = QStringLiteral("Adet");

} // namespace

FlatInstalledPowerWindow::FlatInstalledPowerWindow()
    : ToolWindow(kForm, QStringLiteral("Daire Kurulu Gücü Hesaplama Bölümü")) {
    auto* layout = new QVBoxLayout(this);
    auto* grid = new FieldGrid;
    inputs_ = {
        grid->addInput(QStringLiteral("Text1"), QStringLiteral("Aydınlatma Noktası (Lamba) Sayısı"),
                       kPieces),
        grid->addInput(QStringLiteral("Text2"), QStringLiteral("Priz Sayısı"), kPieces),
        grid->addInput(QStringLiteral("Text3"),
                       QStringLiteral("Sabit Cihazların (Fırın, Şofben vb.) Toplam Gücü"), kWatt),
    };
    addResultsGap(grid);
    results_ = {
        grid->addResult(QStringLiteral("Text4"), QStringLiteral("Aydınlatma Gücü"), kWatt),
        grid->addResult(QStringLiteral("Text5"), QStringLiteral("Priz Gücü"), kWatt),
        grid->addResult(QStringLiteral("Text6"), QStringLiteral("Daire Kurulu Gücü"), kWatt),
        grid->addResult(QStringLiteral("Text7"), QStringLiteral("Daire Kurulu Gücü"), kKilowatt),
        grid->addResult(QStringLiteral("Text8"), QStringLiteral("Dairenin Talep Gücü"), kKilowatt),
    };
    fixColumnWidths(grid);
    layout->addLayout(grid);
    layout->addSpacing(fontMetrics().height() / 2);
    QLabel* source = makeLabel(QStringLiteral("Label1"), qs(fip::kSource));
    source->setWordWrap(true);
    layout->addWidget(source);
    layout->addStretch(1);

    auto* compute = makeComputeButton(QStringLiteral("Command1"));
    report_ = makeReportButton(QStringLiteral("Command5"));
    auto* clearButton = makeClearButton(QStringLiteral("Command3"));
    transfer_ = makeButton(QStringLiteral("Command2"), QStringLiteral("Kurulu Gücü Aktar"),
                           QStringLiteral("Daire Kurulu Gücünü Kurulu Güç ve Talep Güç "
                                          "Hesaplama Bölümüne Aktarır"));
    transfer_->setEnabled(false);
    layout->addLayout(makeButtonRow({compute, report_, clearButton, transfer_},
                                    {makeCompanionCloseButton(QStringLiteral("Command4"))}));

    connect(compute, &QPushButton::clicked, this, &FlatInstalledPowerWindow::compute);
    connect(transfer_, &QPushButton::clicked, this, &FlatInstalledPowerWindow::transfer);
    connect(clearButton, &QPushButton::clicked, this, &FlatInstalledPowerWindow::clear);
    connect(report_, &QPushButton::clicked, this, [this] {
        const auto text = [](const QLineEdit* field) { return utf8(field->text()); };
        TextReport(this, qs(fip::kReportName),
                   fip::ReportLines({text(inputs_[0]), text(inputs_[1]), text(inputs_[2]),
                                     text(results_[0]), text(results_[1]), text(results_[2]),
                                     text(results_[3]), text(results_[4]), reportedFormula_}));
    });
    inputs_.front()->setFocus();
}

void FlatInstalledPowerWindow::compute() {
    const auto text = [](const QLineEdit* field) { return utf8(field->text()); };
    const Outcome<fip::Texts> outcome =
        fip::Compute(text(inputs_[0]), text(inputs_[1]), text(inputs_[2]),
                     {text(results_[0]), text(results_[1]), text(results_[2]), text(results_[3]),
                      text(results_[4]), reportedFormula_});
    const fip::Texts& texts = outcome.texts;
    int i = 0;
    for (const std::string* result :
         {&texts.lighting, &texts.sockets, &texts.installed, &texts.installedKw, &texts.demand})
        results_[i++]->setText(qs(*result));
    if (MissingInputWarning(this, inputs_, outcome)) {
        reportedFormula_ = texts.formula;
        report_->setEnabled(true);
        transfer_->setEnabled(true);
    }
}

void FlatInstalledPowerWindow::transfer() {
    auto* target = qobject_cast<InstalledPowerWindow*>(gui::window(InstalledPowerWindow::kForm));
    if (!target)
        return;
    const QString kilowatts = results_[3]->text();
    target->takeFlatPower(kilowatts);
    ShowMessage(this, fip::TransferMessage(utf8(kilowatts)));
}

void FlatInstalledPowerWindow::clear() {
    for (QLineEdit* field : inputs_ + results_)
        field->clear();
    report_->setEnabled(false);
    transfer_->setEnabled(false);
}

} // namespace voltaris::gui
