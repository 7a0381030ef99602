#include "scenario/output.h"

#include "scenario/scenario_parser.h"

#include <cstdio>

namespace voltaris::scenario {

void printLine(const QString& line) {
    std::fputs(line.toUtf8().append('\n').constData(), stdout);
    std::fflush(stdout);
}

QString quoted(const QString& text) {
    return QString::fromStdString(quote(text.toStdString()));
}

} // namespace voltaris::scenario
