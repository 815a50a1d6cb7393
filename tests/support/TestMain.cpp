// The test main.
#include "TestMain.h"

#include "ScenarioRunner.h"
#include "ScriptedPresenter.h"
#include "TestEnvironment.h"
#include "app/TabWndApp.h"

namespace {
const TestEnvironment *s_env = nullptr;
} // namespace

const TestEnvironment &testEnvironment()
{
    return *s_env;
}

int qvTestMain(int argc, char **argv, int (*tests)(int, char **))
{
    if (ScenarioRunner::isChild(argc, argv))
        return ScenarioRunner::runChild(argc, argv);

    TestEnvironment env;
    if (!env.isValid())
        return 2;
    env.apply();
    s_env = &env;
    ScriptedPresenter silent;
    TabWndApp *app = TabWndApp::createInstance(argc, argv);
    const int result = tests(argc, argv);
    delete app;
    s_env = nullptr;
    return result;
}
