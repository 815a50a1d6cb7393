// ScenarioRunner: the parent side starts and reads the child; the child side runs the program.
#include "ScenarioRunner.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QProcess>
#include <QTimer>
#include <cstring>
#include <vector>

#include "app/entry/QuorvandelleMain.h"

namespace {

const char *const childFlag = "--qv-scenario";
const char *const recordVariable = "QV_SCENARIO_RECORD";
const char *const answersVariable = "QV_SCENARIO_ANSWERS";

// Closes each main window once it is shown, after noting its title.
class WindowCloser : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = qobject_cast<QMainWindow *>(watched);
        if (window && event->type() == QEvent::Show && window->isWindow()) {
            ScriptedPresenter::appendRecord(qEnvironmentVariable(recordVariable),
                                            {"window", window->windowTitle(), QString(), nullptr});
            QTimer::singleShot(0, window, &QWidget::close);
        }
        return false;
    }
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
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::SeparateChannels);
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
