// Text between the core (UTF-8 std::string) and Qt (QString): the one pair of conversions.
#pragma once

#include <QString>
#include <QStringList>
#include <span>
#include <string>
#include <string_view>

namespace voltaris::gui {

inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string utf8(const QString& text) {
    return text.toStdString();
}

// The entries of a list, from the core's texts.
inline QStringList qs(std::span<const std::string_view> texts) {
    QStringList list;
    for (std::string_view text : texts)
        list << qs(text);
    return list;
}

} // namespace voltaris::gui
