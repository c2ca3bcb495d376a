#pragma once

// The engine's output lines: UTF-8, "\n" line ends, one write per line,
// flushed at once so a host that reads a pipe sees each line when it happens.

#include <string>

namespace orvi::engine {

class EngineOutput
{
public:
    void line(const std::string& text);    // standard output
    void warning(const std::string& text); // "warning: " + text, standard error
    void error(const std::string& text);   // "error: " + text, standard error
    void usage(const std::string& text);   // standard error, as it is
};

} // namespace orvi::engine
