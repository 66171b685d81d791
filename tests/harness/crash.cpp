// A test program whose second case crashes: under Wine it must end at once
// with a failing status, not wait in Wine's debugger (tools/wine-env.sh,
// wine_no_debugger), and its output must name the case that crashed and the
// case that did not run (tools/wine-run.sh).
#include <gtest/gtest.h>

#include <windows.h>

TEST(Crash, RunsFirst) {}

TEST(Crash, Crashes)
{
    ::RaiseException(EXCEPTION_ACCESS_VIOLATION, EXCEPTION_NONCONTINUABLE, 0, nullptr);
}

TEST(Crash, NeverRuns) {}
