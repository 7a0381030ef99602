// Text between the core (UTF-8 std::string) and Qt (QString): the one pair of conversions.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace voltaris::gui {

inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string utf8(const QString& text) {
    return text.toStdString();
}

} // namespace voltaris::gui
