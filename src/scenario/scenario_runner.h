// Runs one parsed scenario against the program's windows: starts the program on the scenario's
// own settings store, then acts and checks line by line until the first failure.
#pragma once

#include "scenario/scenario_parser.h"

#include <QString>
#include <optional>

class QObject;
class QWidget;

namespace voltaris::scenario {

class ScriptedDialogs;

struct Failure {
    int line;
    QString message; // what was expected, what was found
};

class ScenarioRunner {
public:
    // `directory` holds what the scenario writes: its settings store, reports and pictures.
    ScenarioRunner(ScriptedDialogs& dialogs, QString directory, bool verbose);

    // Nothing when every statement held.
    std::optional<Failure> run(const Script& script);

private:
    void startProgram();

    void execute(const StartFresh&);
    void execute(const StartRuns& statement);
    void execute(const Open& statement);
    void execute(const Press& statement);
    void execute(const Type& statement);
    void execute(const Set& statement);
    void execute(const Choose& statement);
    void execute(const Page& statement);
    void execute(const Wait& statement);
    void execute(const Tick& statement);
    void execute(const Reply& statement);
    void execute(const CheckText& statement);
    void execute(const CheckState& statement);
    void execute(const CheckColour& statement);
    void execute(const CheckNumber& statement);
    void execute(const CheckWindow& statement);
    void execute(const CheckMessage& statement);
    void execute(const SkipMessage&);
    void execute(const CheckNoMessage&);
    void execute(const CheckPrompt& statement);
    void execute(const CheckSave& statement);
    void execute(const CheckFile& statement);
    void execute(const CheckNoFile& statement);
    void execute(const Capture& statement);
    void execute(const Dump& statement);

    QWidget* windowNamed(const QString& form);
    QObject* controlNamed(const ControlName& name);
    // The control as a `Control` (a text field, a list, tabs), or the failure naming what it is.
    template <typename Control>
    Control* controlOfType(const ControlName& name, const QString& what);
    // Fails unless a person could act on the control: enabled and shown.
    void requireUsable(const QObject* control, const ControlName& name, const QString& action);
    QString pathOf(const std::string& fileName) const;

    ScriptedDialogs& dialogs_;
    QString directory_;
    bool verbose_;
    bool started_ = false;
    bool freshStore_ = false;
    std::optional<int> runs_;
};

} // namespace voltaris::scenario
