// The check of a written text file against its expected lines, each of which must be ended by
// CR LF. Standard C++ only, and header-only, so that it is tested on its own.
#pragma once

#include "scenario/scenario_parser.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace voltaris::scenario {

// Where `text` departs from `expected`, as "expected ..., found ..."; nothing when it holds
// exactly these lines.
inline std::optional<std::string> linesMismatch(std::string_view text,
                                                const std::vector<std::string>& expected) {
    for (std::size_t at = 0;; ++at) {
        const std::string number = std::to_string(at + 1);
        if (text.empty()) {
            if (at == expected.size())
                return std::nullopt;
            return "expected line " + number + " " + quote(expected[at]) +
                   ", found the end of the file";
        }
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        const bool crlf = end != std::string_view::npos && line.ends_with('\r');
        if (crlf)
            line.remove_suffix(1);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (at == expected.size())
            return "expected " + std::to_string(expected.size()) + " lines, found line " + number +
                   " " + quote(line);
        if (line != expected[at])
            return "expected line " + number + " " + quote(expected[at]) + ", found " + quote(line);
        if (!crlf)
            return "expected line " + number + " ended by CR LF, found " +
                   (end == std::string_view::npos ? "the end of the file" : "a line feed alone");
    }
}

} // namespace voltaris::scenario
