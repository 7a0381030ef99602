// Timings of every window the registry knows, headless: its first opening (built and shown on the
// screen), a second showing, and one compute with the values the window's own scenarios type.
//
//   voltaris-bench [--benchmark_filter=REGEX ...]   the timings (Google Benchmark's options)
//   voltaris-bench --idle SECONDS [FORM ...]        every window (or those named) open at once,
//                                                    then the share of one processor the program
//                                                    takes at rest
//
// A window joins by being registered: the openings come from the registry, and its compute from
// its scenarios (tests/scenarios/): the first press of the window's "Hesapla" button that
// follows typed values and brings no box is replayed with those values, and only that press is
// timed. A window with no such press (a menu, a table, results that follow the inputs as they
// are typed) has no compute timing.
#include "app/settings.h"
#include "app/startup.h"
#include "gui/dialogs.h"
#include "gui/forms.h"
#include "gui/openings.h"
#include "gui/window_registry.h"
#include "scenario/scenario_parser.h"
#include "scenario/scenario_runner.h"
#include "scenario/scripted_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <map>
#include <set>
#include <sys/resource.h>

using namespace voltaris;
using gui::WindowRegistry;

namespace {

using Clock = std::chrono::steady_clock;

// Answers every box at once and counts them: a compute timed must bring none.
class CountingDialogs : public gui::Dialogs {
public:
    int boxes = 0;
    void message(QWidget*, const QString&, const QString&, gui::BoxIcon) override { ++boxes; }
    bool question(QWidget*, const QString&, const QString&, gui::BoxIcon) override {
        ++boxes;
        return false;
    }
    std::optional<QString> prompt(QWidget*, const QString&, const QString&) override {
        ++boxes;
        return std::nullopt;
    }
    std::optional<QString> saveFile(QWidget*, const QString&, const QString&,
                                    const QString&) override {
        ++boxes;
        return std::nullopt;
    }
};

// A settings store of its own, set up as after the first run, so that no first-run question
// comes.
void useTemporarySettings(const QTemporaryDir& folder) {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       folder.filePath(QStringLiteral("settings")));
    app::storeNumber(app::kSetupDoneKey, 1);
}

QWidget* showMainMenu() {
    QWidget* menu = gui::window(gui::forms::kMainMenu);
    menu->show();
    QCoreApplication::processEvents();
    return menu;
}

// Shows `form` as the user opens it and lets it paint.
void open(const QString& form, QWidget* menu) {
    if (form == gui::forms::kMainMenu)
        showMainMenu();
    else
        gui::openAsTool(form, menu);
    QCoreApplication::processEvents();
}

double milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

// Builds and shows `form` from nothing: every window is destroyed first and the main menu shown
// again, untimed. How long the opening took.
Clock::duration openFromNothing(const QString& form) {
    WindowRegistry::instance().destroyAll();
    QWidget* menu = form == gui::forms::kMainMenu ? nullptr : showMainMenu();
    const Clock::time_point start = Clock::now();
    open(form, menu);
    return Clock::now() - start;
}

// The very first opening of every window in this process, static tables and all, in ms: taken
// before anything else builds a window.
std::map<QString, double> coldOpenings(const QStringList& forms) {
    std::map<QString, double> cold;
    for (const QString& form : forms)
        cold[form] = milliseconds(openFromNothing(form));
    WindowRegistry::instance().destroyAll();
    return cold;
}

// The window built and shown from nothing, again and again; `cold_ms` is its first time.
void registerFirstOpenings(const std::map<QString, double>& cold) {
    for (const auto& [form, coldMs] : cold)
        benchmark::RegisterBenchmark(
            ("open/first/" + form).toStdString().c_str(),
            [form, coldMs](benchmark::State& state) {
                for (auto _ : state)
                    state.SetIterationTime(
                        std::chrono::duration<double>(openFromNothing(form)).count());
                state.counters["cold_ms"] = coldMs;
            })
            ->UseManualTime()
            ->Iterations(5)
            ->Unit(benchmark::kMillisecond);
}

// The window built already, hidden, shown again.
void registerSecondShowings(const QStringList& forms) {
    for (const QString& form : forms)
        benchmark::RegisterBenchmark(("open/again/" + form).toStdString().c_str(),
                                     [form](benchmark::State& state) {
                                         WindowRegistry::instance().destroyAll();
                                         QWidget* menu = showMainMenu();
                                         open(form, menu);
                                         QWidget* window = gui::window(form);
                                         for (auto _ : state) {
                                             state.PauseTiming();
                                             window->hide();
                                             QCoreApplication::processEvents();
                                             state.ResumeTiming();
                                             window->show();
                                             QCoreApplication::processEvents();
                                         }
                                     })
            ->Unit(benchmark::kMicrosecond);
}

// The lines of `script` up to and including line `last`.
scenario::Script prefix(const scenario::Script& script, std::size_t last) {
    scenario::Script cut = script;
    cut.lines.resize(last + 1);
    cut.lastLine = cut.lines.back().number;
    return cut;
}

struct Compute {
    scenario::Script steps; // ends with the press of the compute button
    QString form;
    QString button;
};

// Plays `steps` on fresh windows; the compute button when every line held and it is one.
QPushButton* replay(const Compute& compute, scenario::ScriptedDialogs& dialogs,
                    const QString& folder) {
    WindowRegistry::instance().destroyAll();
    dialogs.reset();
    gui::Dialogs::install(&dialogs);
    const bool held = !scenario::ScenarioRunner(dialogs, folder, false).run(compute.steps);
    QWidget* window = WindowRegistry::instance().existing(compute.form);
    auto* button = window ? window->findChild<QPushButton*>(compute.button) : nullptr;
    if (!held || !button || button->text() != QStringLiteral("Hesapla") || !button->isVisible() ||
        !button->isEnabled())
        return nullptr;
    return button;
}

// A compute timed 20 times over: tools that add to a list each time (a cable to a conduit) are
// timed with lists of a size a person makes, not of millions.
constexpr int kComputeTimes = 20;

// For every form, the first press of its compute button in the scenarios that brings no box.
// Only for the forms whose compute timing `filter` (Google Benchmark's) lets run.
std::vector<Compute> findComputes(scenario::ScriptedDialogs& dialogs, const QString& folder,
                                  const QString& filter) {
    const QRegularExpression wanted(filter.startsWith(QLatin1Char('-')) ? QString() : filter);
    QStringList files;
    QDirIterator found(QStringLiteral(VOLTARIS_SCENARIOS), {QStringLiteral("*.scn")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (found.hasNext())
        files.append(found.next());
    files.sort();

    std::vector<Compute> computes;
    std::set<QString> done;       // forms whose compute was found
    std::set<QString> notCompute; // "Form.Control" pressed that is no compute button
    CountingDialogs counting;
    for (const QString& path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = file.readAll();
        auto parsed =
            scenario::parseScript(std::string_view(text.constData(), std::size_t(text.size())));
        const auto* script = std::get_if<scenario::Script>(&parsed);
        if (!script)
            continue;
        for (std::size_t i = 0; i < script->lines.size(); ++i) {
            const auto* press = std::get_if<scenario::Press>(&script->lines[i].statement);
            if (!press || press->target.control.empty())
                continue;
            const QString form = QString::fromStdString(press->target.form);
            const QString control = QString::fromStdString(press->target.control);
            if (done.count(form) || notCompute.count(form + '.' + control) ||
                !wanted
                     .match(QStringLiteral("compute/%1/iterations:%2").arg(form).arg(kComputeTimes))
                     .hasMatch())
                continue;
            const Compute compute{prefix(*script, i), form, control};
            QPushButton* button = replay(compute, dialogs, folder);
            if (!button) {
                notCompute.insert(form + '.' + control);
                continue;
            }
            counting.boxes = 0;
            gui::Dialogs::install(&counting);
            button->click();
            if (counting.boxes == 0) {
                computes.push_back(compute);
                done.insert(form);
            }
        }
    }
    WindowRegistry::instance().destroyAll();
    return computes;
}

void registerComputes(const std::vector<Compute>& computes, scenario::ScriptedDialogs& dialogs,
                      const QString& folder) {
    for (const Compute& compute : computes)
        benchmark::RegisterBenchmark(
            ("compute/" + compute.form).toStdString().c_str(),
            [compute, &dialogs, folder](benchmark::State& state) {
                QPushButton* button = replay(compute, dialogs, folder);
                if (!button) {
                    state.SkipWithError("the scenario's values no longer reach the compute");
                    return;
                }
                CountingDialogs counting;
                gui::Dialogs::install(&counting);
                for (auto _ : state)
                    button->click();
                if (counting.boxes)
                    state.SkipWithError("the compute brought a box");
            })
            ->Iterations(kComputeTimes)
            ->Unit(benchmark::kMicrosecond);
}

// The headless platform's notes (no raise, no size hints, no runtime folder) say nothing about
// the timings.
QtMessageHandler defaultHandler = nullptr;
void quietHeadlessNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QStringLiteral("This plugin does not support")) ||
        text.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    defaultHandler(type, context, text);
}

double processorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The windows `forms` (every window when empty) open at once beside the main menu, left alone: the
// program's share of one processor over `seconds`.
int measureIdle(int seconds, const QStringList& forms) {
    app::startUp();
    for (const QString& form : forms.isEmpty() ? WindowRegistry::instance().known() : forms)
        if (QWidget* window = gui::window(form))
            window->show();
    // First paints, and the about window typing its text out (about 15 s).
    QEventLoop settle;
    QTimer::singleShot(20000, &settle, &QEventLoop::quit);
    settle.exec();

    const double before = processorSeconds();
    const Clock::time_point start = Clock::now();
    QEventLoop rest;
    QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, &rest, &QEventLoop::quit);
    rest.exec();
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    const double busy = processorSeconds() - before;
    std::printf("idle: %d windows shown, %.3f s of processor in %.1f s: %.2f %%\n",
                int(WindowRegistry::instance().created().size()), busy, wall, 100.0 * busy / wall);
    WindowRegistry::instance().destroyAll();
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultHandler = qInstallMessageHandler(quietHeadlessNotes);
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QTemporaryDir settings;
    useTemporarySettings(settings);
    app::registerWindows();
    CountingDialogs quiet;
    gui::Dialogs::install(&quiet);

    const QStringList arguments = QApplication::arguments();
    if (arguments.size() >= 3 && arguments[1] == QStringLiteral("--idle"))
        return measureIdle(arguments[2].toInt(), arguments.mid(3));

    QString filter;
    for (const QString& argument : arguments)
        if (argument.startsWith(QStringLiteral("--benchmark_filter=")))
            filter = argument.section(QLatin1Char('='), 1);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    const QStringList forms = WindowRegistry::instance().known();
    registerFirstOpenings(coldOpenings(forms));
    registerSecondShowings(forms);
    QTemporaryDir scenarioFolder;
    scenario::ScriptedDialogs dialogs(false);
    registerComputes(findComputes(dialogs, scenarioFolder.path(), filter), dialogs,
                     scenarioFolder.path());
    benchmark::RunSpecifiedBenchmarks();
    WindowRegistry::instance().destroyAll();
    gui::Dialogs::install(nullptr);
    benchmark::Shutdown();
    return 0;
}
