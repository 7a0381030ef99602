#include "gui/lowvoltage/fuse_rating_window.h"

#include "core/numbers.h"
#include "gui/fields.h"
#include "gui/messages.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

const QString kAmpere = QStringLiteral("A");

// A result list of the standard ratings.
QComboBox* addRatingList(FieldGrid* grid, const QString& name, const QString& label) {
    QStringList ratings;
    for (const double rating : fuse_rating::Ratings())
        ratings << qs(NumberText(rating));
    return grid->addList(name, label, ratings, 0, kAmpere);
}

} // namespace

FuseRatingWindow::FuseRatingWindow()
    : ToolWindow(kForm, QStringLiteral("Sigorta Değeri Hesaplama")) {
    auto* layout = new QVBoxLayout(this);
    auto* menuBar = new QMenuBar(this); // its item opens the quantity conversion (openings table)
    addMenuItem(
        menuBar->addMenu(QStringLiteral("Elektrik ve Elektronik Kavramlar Arası Dönüşümü Aç")),
        QStringLiteral("mn_akım"), QStringLiteral("Akım As ve Üs Katları Arası Dönüşümü Aç"));
    layout->setMenuBar(menuBar);

    auto* grid = new FieldGrid;
    load_ =
        grid->addInput(QStringLiteral("Text1"),
                       QStringLiteral("Tesisin/Cihazın Çektiği Akım Değerini Giriniz"), kAmpere);
    capacity_ = grid->addInput(
        QStringLiteral("Text2"),
        QStringLiteral("Tesisi/Cihazı Besleyen Hattın Akım Taşıma Kapasitesini Giriniz"), kAmpere);
    QStringList types;
    for (const fuse_rating::FuseType& type : fuse_rating::FuseTypes())
        types << qs(type.text);
    fuseType_ = grid->addList(QStringLiteral("Combo1"),
                              QStringLiteral("Sigortanın Aşırı Akım Katsayısı Seçiniz"), types,
                              fuse_rating::kDefaultFuseType);
    // The ratings stand apart below the inputs, in the same columns.
    grid->setRowMinimumHeight(grid->rowCount(), fontMetrics().height() / 2);
    byLine_ = addRatingList(grid, QStringLiteral("Combo2"),
                            QStringLiteral("Hattın Taşıyacağı Nominal Akıma göre Sigorta Değeri"));
    byLoad_ = addRatingList(grid, QStringLiteral("Combo3"),
                            QStringLiteral("Tesisin/Cihazın Çektiği Akıma göre Sigorta Değeri"));
    byFactor_ = addRatingList(grid, QStringLiteral("Combo4"),
                              QStringLiteral("Aşırı Akım Katsayısına göre Sigorta Değeri"));
    layout->addLayout(grid);

    auto* compute = makeButton(QStringLiteral("Command1"), QStringLiteral("Hesapla"));
    auto* clearButton = makeButton(QStringLiteral("Command2"), QStringLiteral("Temizle"),
                                   QStringLiteral("Hesabı Sil"));
    layout->addStretch(1);
    layout->addLayout(
        makeButtonRow({compute, clearButton}, {makeReturnButton(QStringLiteral("Command4"))}));

    connect(compute, &QPushButton::clicked, this, &FuseRatingWindow::compute);
    connect(clearButton, &QPushButton::clicked, this, &FuseRatingWindow::clear);
    load_->setFocus();
}

void FuseRatingWindow::compute() {
    const Outcome<fuse_rating::Choice> outcome = fuse_rating::Compute(
        utf8(load_->text()), utf8(capacity_->text()), fuseType_->currentIndex(),
        {byLine_->currentIndex(), byLoad_->currentIndex(), byFactor_->currentIndex(), {}});
    byLine_->setCurrentIndex(outcome.texts.byLine);
    byLoad_->setCurrentIndex(outcome.texts.byLoad);
    byFactor_->setCurrentIndex(outcome.texts.byFactor);
    if (MissingInputWarning(this, {load_, capacity_}, outcome) && outcome.texts.notice)
        ShowMessage(this, *outcome.texts.notice);
}

void FuseRatingWindow::clear() {
    load_->clear();
    capacity_->clear();
    fuseType_->setCurrentIndex(fuse_rating::kDefaultFuseType);
    for (QComboBox* list : {byLine_, byLoad_, byFactor_})
        list->setCurrentIndex(0);
}

} // namespace voltaris::gui
