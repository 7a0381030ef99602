#include "gui/mediumvoltage/pole_calculation_window.h"

#include "core/mediumvoltage/poles.h"
#include "gui/fields.h"
#include "gui/messages.h"
#include "gui/options.h"
#include "gui/reference_table.h"
#include "gui/text.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

const QString kWindPressure = QStringLiteral("daN/m²");

enum Duty { kLine, kDeadEnd };

} // namespace

PoleCalculationWindow::PoleCalculationWindow()
    : ToolWindow(kForm, QStringLiteral("Direk Hesaplama")) {
    auto* layout = new QVBoxLayout(this);
    duty_ = new OptionGroup(
        QStringLiteral("Direğin Görevi"),
        {{QStringLiteral("Option1"), QStringLiteral("Taşıyıcı veya Köşe Direği (Hat Açısıyla)")},
         {QStringLiteral("Option2"), QStringLiteral("Nihayet Direği (Hat Sonu)")}},
        0, 2);
    duty_->setObjectName(QStringLiteral("Frame1"));
    layout->addWidget(duty_);

    QStringList heights;
    for (std::string_view height : poles::ConcreteHeights())
        heights << qs(height);
    auto* poleGrid = new FieldGrid;
    height_ = poleGrid->addList(QStringLiteral("Combo1"), QStringLiteral("Direk Boyu"), heights, 0,
                                QStringLiteral("m"));
    inputs_ << poleGrid->addInput(QStringLiteral("Text1"), QStringLiteral("Gömme Derinliği"),
                                  QStringLiteral("m"),
                                  QStringLiteral("Direğin Toprak Altındaki Boyu"))
            << poleGrid->addInput(QStringLiteral("Text2"), QStringLiteral("Tepe Çapı"),
                                  QStringLiteral("cm"))
            << poleGrid->addInput(QStringLiteral("Text3"), QStringLiteral("Dip Çapı (Toprakta)"),
                                  QStringLiteral("cm"))
            << poleGrid->addInput(QStringLiteral("Text4"), QStringLiteral("Rüzgar Basıncı"),
                                  kWindPressure, QStringLiteral("Direğe Gelen Rüzgar Basıncı"));
    auto* conductorGrid = new FieldGrid;
    inputs_ << conductorGrid->addInput(QStringLiteral("Text5"), QStringLiteral("İletken Sayısı"),
                                       QStringLiteral("adet"))
            << conductorGrid->addInput(QStringLiteral("Text6"), QStringLiteral("İletken Çapı"),
                                       QStringLiteral("mm"))
            << conductorGrid->addInput(
                   QStringLiteral("Text7"), QStringLiteral("Rüzgar Açıklığı"), QStringLiteral("m"),
                   QStringLiteral("Direğin İki Yanındaki Açıklıkların Yarılarının "
                                  "Toplamı"))
            << conductorGrid->addInput(QStringLiteral("Text8"), QStringLiteral("Rüzgar Basıncı"),
                                       kWindPressure,
                                       QStringLiteral("İletkene Gelen Rüzgar Basıncı"))
            << conductorGrid->addInput(
                   QStringLiteral("Text9"), QStringLiteral("Çekme Kuvveti (Tmax)"),
                   QStringLiteral("daN"), QStringLiteral("Bir İletkenin En Büyük Çekme Kuvveti"));
    angle_ = conductorGrid->addInput(QStringLiteral("Text10"), QStringLiteral("Hat Sapma Açısı"),
                                     QStringLiteral("°"),
                                     QStringLiteral("Hattın Direkte Doğrultusundan Saptığı Açı"));
    inputs_ << angle_;
    auto* frames = new QHBoxLayout;
    QGroupBox* pole = makeFrame(QStringLiteral("Direk"), poleGrid);
    pole->setObjectName(QStringLiteral("Frame2"));
    QGroupBox* conductors = makeFrame(QStringLiteral("İletkenler"), conductorGrid);
    conductors->setObjectName(QStringLiteral("Frame3"));
    frames->addWidget(pole, 0, Qt::AlignTop);
    frames->addWidget(conductors, 0, Qt::AlignTop);
    layout->addLayout(frames);

    auto* resultGrid = new FieldGrid;
    results_ << resultGrid->addResult(QStringLiteral("Text11"),
                                      QStringLiteral("İletkenlere Gelen Rüzgar Kuvveti"),
                                      QStringLiteral("daN"))
             << resultGrid->addResult(
                    QStringLiteral("Text12"),
                    QStringLiteral("Direğe Gelen Rüzgar Kuvveti (Tepeye İndirgenmiş)"),
                    QStringLiteral("daN"))
             << resultGrid->addResult(QStringLiteral("Text13"),
                                      QStringLiteral("İletkenlerin Çekme Kuvveti Bileşkesi"),
                                      QStringLiteral("daN"))
             << resultGrid->addResult(QStringLiteral("Text14"),
                                      QStringLiteral("Gerekli Tepe Kuvveti"), QStringLiteral("daN"))
             << resultGrid->addResult(QStringLiteral("Text15"),
                                      QStringLiteral("Seçilen Beton Direk (Boy I Tepe Kuvveti)"));
    QGroupBox* resultFrame = makeFrame(QStringLiteral("Sonuçlar"), resultGrid);
    resultFrame->setObjectName(QStringLiteral("Frame4"));
    layout->addWidget(resultFrame);
    // The note keeps its lines: the window takes the width of its fields, not of a wrapped text.
    QLabel* note = makeSourceNote(
        QStringLiteral("Label1"),
        QStringLiteral(
            "Rüzgar basınçlarını Elektrik Kuvvetli Akım Tesisleri Yönetmeliği'nin havai hat "
            "yüklerine ilişkin\nhükümlerinden alınız. Kuvvetler direk tepesine "
            "indirgenir; direk, beton direk bilgi cetvelinden\nseçilir (tepe kuvveti, "
            "direğin emniyetle taşıdığı kuvvettir)."));
    note->setWordWrap(false);
    layout->addWidget(note);

    auto* computeButton = makeComputeButton(QStringLiteral("Command1"));
    auto* clearButton = makeClearButton(QStringLiteral("Command2"));
    auto* chart =
        makeButton(QStringLiteral("Command3"), QStringLiteral("Beton Direk Bilgi Cetveli"),
                   QStringLiteral("Beton Direk Bilgi Cetvelini Açar"));
    layout->addLayout(makeButtonRow({computeButton, clearButton, chart},
                                    {makeReturnButton(QStringLiteral("Command4"))}));

    connect(computeButton, &QPushButton::clicked, this, &PoleCalculationWindow::compute);
    connect(clearButton, &QPushButton::clicked, this, &PoleCalculationWindow::clear);
    // A dead end takes the whole pull along the line: no angle to give.
    connect(duty_, &OptionGroup::chosenChanged, this,
            [this](int duty) { angle_->setEnabled(duty == kLine); });
}

void PoleCalculationWindow::compute() {
    const QList<QLineEdit*> all = inputs_ + results_;
    const auto text = [&all](int i) { return utf8(all[i]->text()); };
    poles::Fields fields{text(0), text(1), text(2),  text(3),  text(4),  text(5),  text(6), text(7),
                         text(8), text(9), text(10), text(11), text(12), text(13), text(14)};
    const bool line = duty_->chosen() == kLine;
    const poles::Result result =
        poles::Compute(std::move(fields), line ? poles::Duty::Line : poles::Duty::DeadEnd,
                       height_->currentIndex());
    const poles::Fields& written = result.outcome.texts;
    results_[0]->setText(qs(written.conductorLoad));
    results_[1]->setText(qs(written.poleLoad));
    results_[2]->setText(qs(written.pull));
    results_[3]->setText(qs(written.required));
    results_[4]->setText(qs(written.chosen));
    QList<QLineEdit*> tested = inputs_;
    if (!line)
        tested.removeOne(angle_);
    if (MissingInputWarning(this, tested, result.outcome) && result.tooHeavy)
        ShowInformation(this, qs(poles::TooHeavyText()));
}

void PoleCalculationWindow::clear() {
    for (QLineEdit* field : inputs_ + results_)
        field->clear();
    duty_->choose(kLine);
    height_->setCurrentIndex(0);
}

} // namespace voltaris::gui
