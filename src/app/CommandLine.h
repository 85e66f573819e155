// Commands that run without any window or display: they do their work on the
// configured data source and return an exit code.
#pragma once

#include <vector>

// Takes "--data-source DSN" off the arguments (argv with the program name
// first) and makes DSN the data source of this run. False, with the usage
// printed and rc 2, when the option has no DSN.
bool TakeDataSourceOption(std::vector<char*>& args, int& rc);

// Returns true when argv names a headless command, or arguments the program
// does not take (usage, rc 2); rc is then the exit code.
bool RunHeadlessCommand(int argc, char** argv, int& rc);

// Before the windows start: false, with a message printed and rc 1, when no
// display can be reached.
bool CheckDisplayForWindows(int& rc);
