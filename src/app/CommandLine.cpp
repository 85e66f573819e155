#include "app/CommandLine.h"

bool RunHeadlessCommand(int /*argc*/, char** /*argv*/, int& /*rc*/) { return false; }
