// The program's entry function, called by main and by the tests' scenario runner.
#pragma once

// Runs the program: start-up, then the main window and its event loop, or with the first
// argument "printresult" the batch result mode. Returns the exit code: -1 when start-up fails,
// 0 after the batch mode, otherwise the event loop's result.
int quorvandelleMain(int &argc, char **argv);
