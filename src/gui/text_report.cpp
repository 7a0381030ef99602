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
    // Written whole or not at all: a failure leaves an existing file as it was. Unbuffered, so
    // that a failing write (a full disk) fails here: a buffered one failed only as the file was
    // closed, unnoticed, and the commit replaced the file with what part had been written.
    QSaveFile file(*path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(bytes) != bytes.size())
        return false; // the unfinished file is removed, never committed
    return file.commit();
}

} // namespace voltaris::gui
