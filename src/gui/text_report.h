// Writes a report: the lines built by a tool's core, into a text file the user chooses.
#pragma once

#include <QString>
#include <string>
#include <vector>

class QWidget;

namespace voltaris::gui {

inline const QString kReportDialogTitle = QStringLiteral("Raporu Kaydedeceğiniz Yeri Seçiniz");
inline const QString kReportFilter = QStringLiteral("Yazı Dosyası (*.txt)");

// Asks for the file with the save dialog (suggesting `suggestedName`), then replaces the file
// with `lines` (UTF-8 text), each ended by CR LF, in the user's system encoding. A cancelled
// dialog or a file that cannot be written ends the report silently. True when written.
bool TextReport(QWidget* parent, const QString& suggestedName,
                const std::vector<std::string>& lines);

} // namespace voltaris::gui
