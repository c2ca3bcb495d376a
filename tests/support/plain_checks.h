#pragma once

// Minimal checks for the plain (non-Qt) tests: each failed check prints
// where and what, and the test's exit code counts the failures.

#include <cstdio>
#include <sstream>
#include <string>

namespace orvi::test {

inline int& failureCount()
{
    static int failures = 0;
    return failures;
}

inline bool check(bool ok, const char* expression, const char* file, int line)
{
    if (!ok) {
        std::fprintf(stderr, "%s:%d: FAILED: %s\n", file, line, expression);
        ++failureCount();
    }
    return ok;
}

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

inline int finish(const char* name)
{
    if (failureCount() == 0)
        std::printf("%s: all checks passed\n", name);
    else
        std::printf("%s: %d checks FAILED\n", name, failureCount());
    return failureCount() == 0 ? 0 : 1;
}

} // namespace orvi::test

#define CHECK(condition) ::orvi::test::check(static_cast<bool>(condition), #condition, __FILE__, __LINE__)
#define CHECK_EQ(actual, expected)                                                                                     \
    ::orvi::test::checkEqual((actual), (expected), #actual " == " #expected, __FILE__, __LINE__)
