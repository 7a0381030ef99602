#include "gui/circuits/ohms_law_window.h"

#include "gui/dialogs.h"
#include "gui/fields.h"
#include "gui/messages.h"
#include "gui/text_report.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

const QString kTitle = QStringLiteral("OHM ve WATT KANUNU");
const QStringList kUnits = {QStringLiteral("V"), QStringLiteral("A"), QStringLiteral("Ω"),
                            QStringLiteral("W")};

QStringList quantityList() {
    QStringList entries;
    for (const std::string& quantity : ohms_law::kQuantities)
        entries << qs(quantity);
    return entries;
}

} // namespace

OhmsLawWindow::OhmsLawWindow() : ToolWindow(kForm, kTitle) {
    auto* layout = new QVBoxLayout(this);

    auto* menuBar = new QMenuBar(this);
    QMenu* conversions =
        menuBar->addMenu(QStringLiteral("Elektrik ve Elektronik Kavramlar Arası Dönüşüm "
                                        "Bölümünü Aç"));
    const struct {
        const char* name;
        const char* caption;
    } conversionItems[] = {
        {"mn_gerilim", "Gerilim As ve Üs Katları Arası Dönüşümü Aç"},
        {"mn_akım", "Akım As ve Üs Katları Arası Dönüşümü Aç"},
        {"mn_direnç", "Direnç As ve Üs Katları Arası Dönüşümü Aç"},
        {"mn_güç", "Güç As ve Üs Katları Arası Dönüşümü Aç"},
    };
    for (const auto& item : conversionItems)
        addMenuItem(conversions, QString::fromUtf8(item.name), QString::fromUtf8(item.caption));
    QMenu* extras = menuBar->addMenu(QStringLiteral("Ek Hesaplamalar"));
    // Each asks for one value and answers with its reciprocal.
    const auto addReciprocalItem = [this, extras](const char* name, const char* caption,
                                                  const std::string& prompt,
                                                  std::string (*message)(double)) {
        connect(addMenuItem(extras, QString::fromUtf8(name), QString::fromUtf8(caption)),
                &QAction::triggered, this, [this, prompt, message] {
                    PromptWarning(this, [this, prompt, message] {
                        const double value = PromptNumber(this, qs(prompt));
                        ShowResultBox(this, qs(message(value)));
                    });
                });
    };
    addReciprocalItem("mn_iletkenlik", "İletkenlik-Siemens(Direnç'in Tersi) Değerini Hesaplama",
                      ohms_law::kConductancePrompt, ohms_law::ConductanceMessage);
    addReciprocalItem("mn_SDenDir", "Siemens Değerini Biliyorum Direnç Değerini Bulacağım",
                      ohms_law::kResistancePrompt, ohms_law::ResistanceMessage);
    layout->setMenuBar(menuBar);

    auto* choices = new FieldGrid;
    first_ = choices->addList(QStringLiteral("Combo1"), QStringLiteral("Birinci Birimi Seçiniz"),
                              quantityList(), ohms_law::Voltage);
    second_ = choices->addList(QStringLiteral("Combo2"), QStringLiteral("İkinci Birimi Seçiniz"),
                               quantityList(), ohms_law::Current);
    layout->addLayout(choices);

    auto* inputs = new FieldGrid;
    firstUnit_ = makeUnitLabel(kUnits[ohms_law::Voltage]);
    secondUnit_ = makeUnitLabel(kUnits[ohms_law::Current]);
    text_[1] = makeInput(QStringLiteral("Text1"), QStringLiteral("Birinci Değeri Giriniz"),
                         QStringLiteral("Birinci Değeri Giriniz"));
    text_[2] = makeInput(QStringLiteral("Text2"), QStringLiteral("İkinci Değeri Giriniz"),
                         QStringLiteral("İkinci Değeri Giriniz"));
    inputs->addRow(QStringLiteral("Birinci Değeri Giriniz"), text_[1], firstUnit_);
    inputs->addRow(QStringLiteral("İkinci Değeri Giriniz"), text_[2], secondUnit_);
    layout->addLayout(inputs);

    auto* results = new FieldGrid;
    text_[3] =
        results->addResult(QStringLiteral("Text3"), QStringLiteral("GERİLİM"), QStringLiteral("V"));
    text_[4] =
        results->addResult(QStringLiteral("Text4"), QStringLiteral("AKIM"), QStringLiteral("A"));
    text_[5] = makeResult(QStringLiteral("Text5"), QStringLiteral("DİRENÇ"));
    results->addRow(QStringLiteral("DİRENÇ"), text_[5], makeOhmUnit());
    text_[6] =
        results->addResult(QStringLiteral("Text6"), QStringLiteral("GÜÇ"), QStringLiteral(" W"));
    layout->addLayout(results);

    compute_ = makeButton(QStringLiteral("Command1"), QStringLiteral("HESAPLA"));
    report_ = makeReportButton(QStringLiteral("Command4"));
    auto* clearButton = makeClearButton(QStringLiteral("Command3"));
    QPushButton* back = makeReturnButton(QStringLiteral("Command2"));
    layout->addStretch(1);
    layout->addLayout(makeButtonRow({compute_, report_, clearButton}, {back}));

    connect(compute_, &QPushButton::clicked, this, &OhmsLawWindow::compute);
    connect(report_, &QPushButton::clicked, this, &OhmsLawWindow::writeReport);
    connect(clearButton, &QPushButton::clicked, this, &OhmsLawWindow::clear);
    for (QComboBox* list : {first_, second_})
        connect(list, &QComboBox::currentIndexChanged, this, &OhmsLawWindow::checkSelection);
    text_[1]->setFocus();
}

ohms_law::Fields OhmsLawWindow::fieldTexts() const {
    ohms_law::Fields fields;
    for (int n = 1; n <= 6; ++n)
        fields[n] = utf8(text_[static_cast<std::size_t>(n)]->text());
    return fields;
}

void OhmsLawWindow::compute() {
    const int caseCode = ohms_law::CaseCode(first_->currentIndex(), second_->currentIndex());
    if (caseCode == 0)
        return;
    caseCode_ = caseCode;
    const Outcome<ohms_law::Fields> outcome = ohms_law::Compute(caseCode, fieldTexts());
    for (int n = 3; n <= 6; ++n)
        text_[static_cast<std::size_t>(n)]->setText(qs(outcome.texts[n]));
    if (MissingInputWarning(this, {text_[1], text_[2]}, outcome))
        report_->setEnabled(true);
}

void OhmsLawWindow::writeReport() {
    TextReport(this, qs(ohms_law::kReportName), ohms_law::ReportLines(caseCode_, fieldTexts()));
}

void OhmsLawWindow::clear() {
    for (int n = 1; n <= 6; ++n)
        text_[static_cast<std::size_t>(n)]->clear();
    // Both lists are reset together: the same-quantity notice is for the user's own choices.
    for (QComboBox* list : {first_, second_})
        list->blockSignals(true);
    first_->setCurrentIndex(ohms_law::Voltage);
    second_->setCurrentIndex(ohms_law::Current);
    for (QComboBox* list : {first_, second_})
        list->blockSignals(false);
    firstUnit_->setText(kUnits[ohms_law::Voltage]);
    secondUnit_->setText(kUnits[ohms_law::Current]);
    compute_->setEnabled(true);
    report_->setEnabled(false);
}

void OhmsLawWindow::checkSelection() {
    firstUnit_->setText(kUnits[first_->currentIndex()]);
    secondUnit_->setText(kUnits[second_->currentIndex()]);
    if (first_->currentIndex() == second_->currentIndex()) {
        compute_->setEnabled(false);
        Dialogs::current().message(this, kTitle, QStringLiteral("AYNI DEĞERLERİ SEÇTİNİZ !"),
                                   BoxIcon::None);
    } else {
        compute_->setEnabled(true);
    }
}

} // namespace voltaris::gui
