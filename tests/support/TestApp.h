// A wx application for GUI tests: initialises the GUI, runs all tests inside
// it and turns wx asserts into test failures.
#pragma once

int RunGuiTests(int argc, char** argv);
