#include "core/messages.h"

namespace voltaris {

Message WarningMessage(std::string_view text) {
    return {MessageIcon::Exclamation, std::string(kWarningTitle), std::string(text)};
}

Message ResultMessage(std::string_view text) {
    return {MessageIcon::Information, std::string(kResultTitle), std::string(text)};
}

Message InfoMessage(std::string_view text) {
    return {MessageIcon::Information, std::string(kInfoTitle), std::string(text)};
}

std::string JoinLines(std::initializer_list<std::string_view> lines) {
    std::string out;
    bool first = true;
    for (std::string_view line : lines) {
        if (!first)
            out += '\n';
        out += line;
        first = false;
    }
    return out;
}

} // namespace voltaris
