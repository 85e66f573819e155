// Commands that run without any window or display: they do their work on the
// configured data source and return an exit code.
#pragma once

// Returns true when argv names a headless command; rc is then its exit code.
bool RunHeadlessCommand(int argc, char** argv, int& rc);
