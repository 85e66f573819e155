// What the display window of a running show holds, compared with a screen
// drawn directly for an entry.
#pragma once

#include <gtest/gtest.h>

class ShellFixture;

// Whether the display window's backing bitmap is, pixel for pixel, the
// screen of entry n of the show list as the renderer draws it directly.
testing::AssertionResult DisplayShowsEntry(ShellFixture& shell, int n);
