// Waiting in GUI tests: events are processed until a condition holds or the
// time is up. Never a fixed sleep.
#pragma once

#include <functional>

// Processes pending and idle events until pred() holds; false on timeout.
bool WaitFor(const std::function<bool()>& pred, int nTimeoutMs = 5000);
// Processes what is pending now (posted keys, repaints, deferred deletes).
void ProcessPending();
