#include "gui/conversions/awg_window.h"

#include "core/conversions/awg_conversion.h"
#include "gui/fields.h"
#include "gui/live.h"
#include "gui/messages.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>

namespace voltaris::gui {

namespace {

// A menu command that asks one value and answers with the core's message.
struct PromptCommand {
    const char* name;
    const char* caption;
    std::string_view prompt;
    std::string (*message)(double);
};

QLabel* makeNames(const QString& name, const QString& toolTip) {
    QLabel* names = makeLabel(name, {});
    names->setToolTip(toolTip);
    names->setWordWrap(true);
    return names;
}

} // namespace

AwgWindow::AwgWindow() : ToolWindow(kForm, QStringLiteral("AWG Metrik Dönüşüm")) {
    auto* layout = new QVBoxLayout(this);

    auto* choice = new FieldGrid;
    QStringList sizes;
    for (const awg::Entry& entry : awg::Entries())
        sizes << QString::fromUtf8(entry.size);
    // No size is chosen at opening: the fields stay empty until the user picks one.
    size_ =
        choice->addList(QStringLiteral("Combo1"), QStringLiteral("AWG Kodunu Seçiniz"), sizes, -1);
    size_->setMaxVisibleItems(static_cast<int>(sizes.size()));
    layout->addLayout(choice);

    auto* metricFrame = new QGroupBox(QStringLiteral("İletkenin Metrik Karşılıkları"));
    auto* metric = new FieldGrid(metricFrame);
    section_ =
        metric->addResult(QStringLiteral("Text1"), QStringLiteral("Kesit"), QStringLiteral("mm²"));
    diameter_ =
        metric->addResult(QStringLiteral("Text2"), QStringLiteral("Çap"), QStringLiteral("mm"));
    inches_ = metric->addResult(QStringLiteral("Text3"), QStringLiteral("İnç Cinsinden Çapı"));
    layout->addWidget(metricFrame);

    auto* namesFrame = new QGroupBox(QStringLiteral("Kanada Standardı Karşılığı"));
    auto* names = new FieldGrid(namesFrame);
    steelNames_ = makeNames(QStringLiteral("Label11"), QStringLiteral("Kanada Standardında Kuş "
                                                                      "İsimleri"));
    steelNames_->setAccessibleName(QStringLiteral("Çelik Özlü Alüminyum İletken Karşılığı"));
    names->addRow(QStringLiteral("Çelik Özlü Alüminyum İletken Karşılığı"), steelNames_);
    aluminiumNames_ = makeNames(QStringLiteral("Label13"), QStringLiteral("Kanada Standardında "
                                                                          "Çiçek İsimleri"));
    aluminiumNames_->setAccessibleName(QStringLiteral("Tam Alüminyum İletken Karşılığı"));
    names->addRow(QStringLiteral("Tam Alüminyum İletken Karşılığı"), aluminiumNames_);
    layout->addWidget(namesFrame);

    QPushButton* back = makeReturnButton(QStringLiteral("Command1"));
    layout->addStretch(1);
    layout->addLayout(makeButtonRow({}, {back}));

    buildMenus();
    // The fields follow the chosen size at once; a text typed over them gives way at once.
    connect(size_, &QComboBox::currentTextChanged, this, &AwgWindow::refresh);
    for (QLineEdit* result : {section_, diameter_, inches_})
        connect(result, &QLineEdit::textEdited, this, &AwgWindow::refresh);
    size_->setFocus();
}

void AwgWindow::buildMenus() {
    auto* menuBar = new QMenuBar(this);
    layout()->setMenuBar(menuBar);
    const auto addPrompt = [this](QMenu* menu, const PromptCommand& command) {
        connect(
            addMenuItem(menu, QString::fromUtf8(command.name), QString::fromUtf8(command.caption)),
            &QAction::triggered, this, [this, command] {
                PromptWarning(
                    this,
                    [this, command] {
                        const double value = PromptNumber(this, QString::fromUtf8(command.prompt));
                        ShowResultBox(this, qs(command.message(value)));
                    },
                    QString::fromUtf8(awg::kWarning));
            });
    };

    QMenu* units = menuBar->addMenu(QStringLiteral("Birimler Arası Çevirimi Aç"));
    addMenuItem(units, QStringLiteral("mn_uzunluk"),
                QStringLiteral("Uzunluk Ölçümleri Çevirisini Aç"));
    addMenuItem(units, QStringLiteral("mn_alan"), QStringLiteral("Alan Ölçümleri Çevirisini Aç"));

    QMenu* extras = menuBar->addMenu(QStringLiteral("Ek Hesaplamalar"));
    addPrompt(extras, {"mn_MCMtoMetrik", "MCM Metrik Çevirme", awg::kMcmPrompt, awg::McmMessage});
    addPrompt(extras,
              {"mn_AWGtoMetrik", "AWG Metrik Çevirme", awg::kGaugePrompt, awg::GaugeMessage});

    QMenu* sections = menuBar->addMenu(QStringLiteral("İletkenin Kesitini Hesaplama"));
    addPrompt(sections, {"mn_kesit", "İletkenlinin Kesitini Hesaplama  ", awg::kDiameterPrompt,
                         awg::SectionMessage});
    addMenuItem(sections, QStringLiteral("mn_cokkesit"),
                QStringLiteral("Çok İletkenlilerde Kesit Hesaplama"));
    addPrompt(sections, {"mn_CAPC", "İletkenin Kesitini Biliyorum, Çapına Çevireceğim",
                         awg::kSectionPrompt, awg::DiameterMessage});
    // Every menu stays on the bar, none folded away behind the extension button.
    const QMargins margins = layout()->contentsMargins();
    setMinimumWidth(menuBar->sizeHint().width() + margins.left() + margins.right());
}

void AwgWindow::refresh() {
    const std::optional<awg::Display> display = awg::Show(size_->currentText().toStdString());
    if (!display)
        return;
    writeResult(section_, qs(display->section));
    writeResult(diameter_, qs(display->diameter));
    writeResult(inches_, qs(display->inches));
    writeResult(steelNames_, qs(display->steelNames));
    writeResult(aluminiumNames_, qs(display->aluminiumNames));
}

} // namespace voltaris::gui
