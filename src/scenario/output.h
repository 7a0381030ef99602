// What the runner prints: whole lines on standard output, and values quoted as a scenario file
// writes them, so that a found text can be pasted back into a check.
#pragma once

#include <QString>

namespace voltaris::scenario {

// Prints `line` and a line feed, at once.
void printLine(const QString& line);
// `text` in double quotes with the escapes of scenario files (\n, \r, \t, \b, \", \\).
QString quoted(const QString& text);

} // namespace voltaris::scenario
