#include "gui/text_report.h"

#include "gui/text.h"

#include "gui/dialogs.h"

#include <QSaveFile>
#include <QStringEncoder>

namespace voltaris::gui {

bool TextReport(QWidget* parent, const QString& suggestedName,
                const std::vector<std::string>& lines) {
    const auto path =
        Dialogs::current().saveFile(parent, kReportDialogTitle, kReportFilter, suggestedName);
    if (!path)
        return false;
    QString text;
    for (const std::string& line : lines)
        text += qs(line) + QStringLiteral("\r\n");
    QStringEncoder encode(QStringConverter::System);
    const QByteArray bytes = encode(text);
    // Written whole or not at all: a failure leaves an existing file as it was.
    QSaveFile file(*path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return false;
    return file.commit();
}

} // namespace voltaris::gui
