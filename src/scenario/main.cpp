// voltaris-scenario: runs scenario files against the program's windows, headless, and prints one
// line per file and a closing count.
//
//   voltaris-scenario [--verbose] [--keep DIR] FILE.scn [FILE.scn ...]
//
// Beyond the shared scenario format it knows the verb `tick FormN.TimerK`: one timeout of that
// window's timer at once, failing when the timer is not running (its window hidden) or absent.

#include "app/startup.h"
#include "gui/window_registry.h"
#include "scenario/output.h"
#include "scenario/scenario_runner.h"
#include "scenario/scripted_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

namespace {

using namespace voltaris::scenario;

struct Options {
    bool verbose = false;
    QString keep; // empty: every file's directory is removed after its run
    QStringList files;
};

std::optional<Options> readOptions(QStringList arguments) {
    Options options;
    arguments.removeFirst();
    while (!arguments.isEmpty()) {
        const QString argument = arguments.takeFirst();
        if (argument == QStringLiteral("--verbose"))
            options.verbose = true;
        else if (argument == QStringLiteral("--keep") && !arguments.isEmpty())
            options.keep = arguments.takeFirst();
        else if (argument.startsWith(QStringLiteral("--")))
            return std::nullopt;
        else
            options.files.append(argument);
    }
    if (options.files.isEmpty())
        return std::nullopt;
    return options;
}

const QString kKeptMarker = QStringLiteral(".voltaris-scenario");

// Empties a kept directory for a new run, but only one this program made; nothing when ready,
// else what is wrong with it.
std::optional<QString> prepareKeptDirectory(const QString& path) {
    QDir directory(path);
    if (!directory.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (!directory.exists(kKeptMarker))
            return QStringLiteral("%1 holds files that voltaris-scenario did not write").arg(path);
        if (!directory.removeRecursively())
            return QStringLiteral("%1 cannot be emptied").arg(path);
    }
    QFile marker(directory.filePath(kKeptMarker));
    if (!directory.mkpath(QStringLiteral(".")) || !marker.open(QIODevice::WriteOnly))
        return QStringLiteral("%1 cannot be written").arg(path);
    return std::nullopt;
}

enum class Outcome { Passed, Failed, Unusable };

Outcome runFile(const QString& path, const Options& options, ScriptedDialogs& dialogs) {
    const auto unusable = [&](int line, const QString& what) {
        printLine(QStringLiteral("FAIL %1:%2: %3").arg(path).arg(line).arg(what));
        return Outcome::Unusable;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return unusable(0, QStringLiteral("cannot read: ") + file.errorString());
    const QByteArray text = file.readAll();
    auto parsed = parseScript(std::string_view(text.constData(), std::size_t(text.size())));
    if (const auto* error = std::get_if<ParseError>(&parsed))
        return unusable(error->line,
                        QStringLiteral("cannot parse: ") + QString::fromStdString(error->message));

    QTemporaryDir temporary(QDir::temp().filePath(QStringLiteral("voltaris-scenario-XXXXXX")));
    QString directory = temporary.path();
    if (!options.keep.isEmpty()) {
        directory = QDir(options.keep).filePath(QFileInfo(path).completeBaseName());
        if (const std::optional<QString> problem = prepareKeptDirectory(directory))
            return unusable(0, QStringLiteral("cannot keep its files: ") + *problem);
    } else if (!temporary.isValid()) {
        return unusable(0, QStringLiteral("cannot make its directory: ") + temporary.errorString());
    }
    if (options.verbose)
        printLine(QStringLiteral("%1 (files in %2)").arg(path, directory));

    dialogs.reset();
    const std::optional<Failure> failure =
        ScenarioRunner(dialogs, directory, options.verbose).run(std::get<Script>(parsed));
    voltaris::gui::WindowRegistry::instance().destroyAll();
    QCoreApplication::processEvents();
    if (failure) {
        printLine(
            QStringLiteral("FAIL %1:%2: %3").arg(path).arg(failure->line).arg(failure->message));
        return Outcome::Failed;
    }
    printLine(QStringLiteral("PASS ") + path);
    return Outcome::Passed;
}

// The headless platform's notes (no raise, no size hints, no runtime folder) and the web
// engine's (its configuration, its start after the application's) say nothing about the windows;
// every other message is printed as usual.
QtMessageHandler defaultHandler = nullptr;
void quietHeadlessNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QStringLiteral("This plugin does not support")) ||
        text.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR")) ||
        qstrcmp(context.category, "qt.webenginecontext") == 0 ||
        text.startsWith(QStringLiteral("Qt WebEngine seems to be initialized from a plugin")) ||
        text.startsWith(QStringLiteral("Attribute Qt::AA_ShareOpenGLContexts must be set")))
        return;
    defaultHandler(type, context, text);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // headless unless a platform is asked for
    // The datasheet search window's browser shows only what a scenario serves it; containers
    // rarely allow its sandbox.
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    defaultHandler = qInstallMessageHandler(quietHeadlessNotes);
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    const std::optional<Options> options = readOptions(QApplication::arguments());
    if (!options) {
        std::fputs("usage: voltaris-scenario [--verbose] [--keep DIR] FILE.scn [FILE.scn ...]\n"
                   "  besides the scenario format's verbs: tick FormN.TimerK  (one timeout of\n"
                   "  that window's running timer, at once; fails if it is not running)\n",
                   stderr);
        return 2;
    }
    voltaris::app::registerWindows();
    ScriptedDialogs dialogs(options->verbose);
    voltaris::gui::Dialogs::install(&dialogs);

    int passed = 0;
    int failed = 0;
    bool unusable = false;
    for (const QString& path : options->files) {
        const Outcome outcome = runFile(path, *options, dialogs);
        outcome == Outcome::Passed ? ++passed : ++failed;
        unusable = unusable || outcome == Outcome::Unusable;
    }
    printLine(QStringLiteral("%1 passed, %2 failed").arg(passed).arg(failed));
    voltaris::gui::Dialogs::install(nullptr);
    return unusable ? 2 : failed > 0 ? 1 : 0;
}
