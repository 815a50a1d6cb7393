// ScenarioRunner: the parent side starts and reads the child; the child side runs the program.
#include "ScenarioRunner.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QPointer>
#include <QProcess>
#include <QSet>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QThread>
#include <QTimer>
#include <cstring>
#include <vector>

#include "app/entry/QuorvandelleMain.h"
#include "ui/NeighbourServices.h"

namespace {

const char *const childFlag = "--qv-scenario";
const char *const recordVariable = "QV_SCENARIO_RECORD";
const char *const answersVariable = "QV_SCENARIO_ANSWERS";
const char *const authorityVariable = "QV_SCENARIO_CA";

// Closes each main window once it is shown, after noting its title. The close waits for the
// program's own event loop: a close run by a loop nested in the showing (the release check
// waiting for its reply) would end the run before that loop starts, and it would never end.
class WindowCloser : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = qobject_cast<QMainWindow *>(watched);
        if (!window || !window->isWindow())
            return false;
        if (event->type() == QEvent::Show) {
            const QString record = qEnvironmentVariable(recordVariable);
            ScriptedPresenter::appendRecord(record,
                                            {"window", window->windowTitle(), QString(), nullptr});
            // Start-up has installed the libraries above the editor by now.
            ScriptedPresenter::appendRecord(
                record,
                {"empty entries", QString(), emptyEntries(neighbourServices()).join(','), nullptr});
            m_showing.insert(window);
            closeLater(window);
        } else if (event->type() == QEvent::ShowToParent) {
            m_showing.remove(window); // sent once the showing has returned
        }
        return false;
    }

private:
    void closeLater(QMainWindow *window)
    {
        QPointer<QMainWindow> target(window);
        QTimer::singleShot(retryMs, this, [this, target] {
            if (!target)
                return;
            if (m_showing.contains(target) || QThread::currentThread()->loopLevel() != 1)
                closeLater(target);
            else
                target->close();
        });
    }

    static constexpr int retryMs = 10;
    QSet<QMainWindow *> m_showing;
};

void installWindowCloser()
{
    qApp->installEventFilter(new WindowCloser(qApp));
}

} // namespace

QStringList ScenarioResult::texts(const QString &kind) const
{
    QStringList out;
    for (const ShownMessage &m : shown) {
        if (m.kind == kind)
            out.append(m.kind == "window" ? m.title : m.text);
    }
    return out;
}

ScenarioResult ScenarioRunner::run(const QStringList &programArguments)
{
    static int serial = 0;
    const QString record = m_env.root() + QString("/scenario-%1.jsonl").arg(++serial);
    QStringList answers;
    for (int a : m_answers)
        answers.append(QString::number(a));

    QProcessEnvironment env = m_env.processEnvironment();
    env.insert(recordVariable, record);
    env.insert(answersVariable, answers.join(','));
    env.insert(authorityVariable, m_caFile);
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::SeparateChannels);
    if (!m_workingDirectory.isEmpty())
        child.setWorkingDirectory(m_workingDirectory);
    child.start(QCoreApplication::applicationFilePath(), QStringList{childFlag} + programArguments);

    ScenarioResult result;
    if (child.waitForFinished(120000)) {
        result.finished = child.exitStatus() == QProcess::NormalExit;
        result.exitCode = child.exitCode();
    } else {
        child.terminate();
        child.waitForFinished(10000);
    }
    result.standardError = child.readAllStandardError();
    result.shown = ScriptedPresenter::readRecords(record);
    return result;
}

bool ScenarioRunner::isChild(int argc, char **argv)
{
    return argc > 1 && std::strcmp(argv[1], childFlag) == 0;
}

int ScenarioRunner::runChild(int argc, char **argv)
{
    ScriptedPresenter presenter;
    presenter.setRecordFile(qEnvironmentVariable(recordVariable));
    const QStringList answers =
        qEnvironmentVariable(answersVariable).split(',', Qt::SkipEmptyParts);
    for (const QString &a : answers)
        presenter.queueAnswer(static_cast<QMessageBox::StandardButton>(a.toInt()));

    const QString caFile = qEnvironmentVariable(authorityVariable);
    if (!caFile.isEmpty()) {
        QSslConfiguration config = QSslConfiguration::defaultConfiguration();
        config.setCaCertificates(QSslCertificate::fromPath(caFile));
        QSslConfiguration::setDefaultConfiguration(config);
    }

    // The program sees its own arguments: the flag is dropped.
    std::vector<char *> args;
    args.push_back(argv[0]);
    for (int i = 2; i < argc; ++i)
        args.push_back(argv[i]);
    args.push_back(nullptr);
    int count = static_cast<int>(args.size()) - 1;

    qAddPreRoutine(installWindowCloser);
    return quorvandelleMain(count, args.data());
}
