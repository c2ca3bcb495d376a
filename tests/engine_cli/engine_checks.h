#pragma once

// Minimal checks for the engine's command-line and round-trip tests: each
// failed check prints where and what; the test's exit code counts failures.

#include <cstdio>
#include <sstream>
#include <string>

namespace orvi::enginetest {

int& failureCount();

bool check(bool ok, const char* expression, const char* file, int line);

template <typename A, typename B>
bool checkEqual(const A& actual, const B& expected, const char* expression, const char* file, int line)
{
    if (actual == expected)
        return true;
    std::ostringstream text;
    text << file << ":" << line << ": FAILED: " << expression << "\n  actual:   " << actual
         << "\n  expected: " << expected << "\n";
    std::fputs(text.str().c_str(), stderr);
    ++failureCount();
    return false;
}

int finish(const char* name);

} // namespace orvi::enginetest

#define CHECK(cond) ::orvi::enginetest::check((cond), #cond, __FILE__, __LINE__)
#define CHECK_EQ(actual, expected) \
    ::orvi::enginetest::checkEqual((actual), (expected), #actual " == " #expected, __FILE__, __LINE__)
