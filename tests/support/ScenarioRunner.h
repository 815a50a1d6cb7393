// ScenarioRunner: runs the program's entry function in a child process of the test binary.
#pragma once

#include <QList>
#include <QMessageBox>
#include <QStringList>

#include "ScriptedPresenter.h"
#include "TestEnvironment.h"

struct ScenarioResult
{
    bool finished = false;     // false: the child did not end normally (crash or time-out)
    int exitCode = -1;         // the process exit status (a return of -1 reads 255)
    QList<ShownMessage> shown; // boxes answered by the scripted presenter, and "window"
                               // entries (title = window title) for each main window shown,
                               // each followed by an "empty entries" one (text = the names of
                               // the NeighbourServices entries still empty, joined by ",")
    QByteArray standardError;

    QStringList texts(const QString &kind) const;
};

// The child runs with the environment's HOME, XDG folders and TMPDIR; its scripted presenter
// answers boxes and, once the main window is shown, the window is closed, so the program ends
// through its normal shutdown.
class ScenarioRunner
{
public:
    explicit ScenarioRunner(const TestEnvironment &environment) : m_env(environment) {}

    void queueAnswer(QMessageBox::StandardButton answer) { m_answers.append(answer); }
    // The child trusts the authority in this PEM file (a test server's), checks kept on.
    void trustAuthority(const QString &caFile) { m_caFile = caFile; }
    // The child's current folder (the test's own when not set).
    void setWorkingDirectory(const QString &folder) { m_workingDirectory = folder; }
    ScenarioResult run(const QStringList &programArguments = {});

    // Called by the test main when the binary was started as a scenario child.
    static bool isChild(int argc, char **argv);
    static int runChild(int argc, char **argv);

private:
    const TestEnvironment &m_env;
    QList<int> m_answers;
    QString m_caFile;
    QString m_workingDirectory;
};
