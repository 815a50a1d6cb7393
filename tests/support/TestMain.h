// The test main: per-test environment, the application object and a silent presenter.
#pragma once

#include <QtTest>

// Runs `tests` with HOME, the XDG folders and TMPDIR in a temporary folder, a TabWndApp as the
// application (not started up: call startUp or openDatabase as a test needs), and a scripted
// presenter so no box ever blocks. A binary started as a scenario child runs the program
// instead.
int qvTestMain(int argc, char **argv, int (*tests)(int, char **));

#define QV_TEST_MAIN(TestObject)                                                                   \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        return qvTestMain(argc, argv, [](int ac, char **av) {                                      \
            TestObject tc;                                                                         \
            return QTest::qExec(&tc, ac, av);                                                      \
        });                                                                                        \
    }

// The environment of the running test (valid inside the tests of qvTestMain).
class TestEnvironment;
const TestEnvironment &testEnvironment();
