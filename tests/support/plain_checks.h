#pragma once

// Minimal checks for the plain (non-Qt) tests: each failed check prints
// where and what, and the test's exit code counts the failures.

#include <cstdio>
#include <sstream>

namespace orvi::test {

inline int failures = 0;

inline bool check(bool ok, const char* expression, const char* file, int line)
{
    if (!ok) {
        std::fprintf(stderr, "%s:%d: FAILED: %s\n", file, line, expression);
        ++failures;
    }
    return ok;
}

template <typename A, typename B>
bool checkEqual(const A& actual, const B& expected, const char* expression, const char* file, int line)
{
    if (check(actual == expected, expression, file, line))
        return true;
    std::ostringstream text;
    text << "  actual:   " << actual << "\n  expected: " << expected << "\n";
    std::fputs(text.str().c_str(), stderr);
    return false;
}

inline int finish(const char* name)
{
    if (failures)
        std::printf("%s: %d checks FAILED\n", name, failures);
    else
        std::printf("%s: all checks passed\n", name);
    return failures ? 1 : 0;
}

} // namespace orvi::test

#define CHECK(condition) ::orvi::test::check(static_cast<bool>(condition), #condition, __FILE__, __LINE__)
#define CHECK_EQ(actual, expected)                                                                                     \
    ::orvi::test::checkEqual((actual), (expected), #actual " == " #expected, __FILE__, __LINE__)
