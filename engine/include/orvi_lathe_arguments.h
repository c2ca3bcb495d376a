#pragma once

#include <string>
#include <vector>

namespace orvi::engine {

// A program's arguments in UTF-8, as the engine's entry takes them. Windows
// hands main() its arguments in the ANSI code page, where a character outside
// it has become '?', so there they are read again from the wide command line.
class Utf8Arguments
{
public:
    Utf8Arguments(int argc, char** argv);
    // Arguments already in UTF-8 (the program in engine mode has Qt's reading).
    explicit Utf8Arguments(std::vector<std::string> arguments);
    Utf8Arguments(const Utf8Arguments&) = delete;
    Utf8Arguments& operator=(const Utf8Arguments&) = delete;

    int count() const { return int(m_arguments.size()); }
    // Null-terminated, as main()'s argv.
    char** pointers() { return m_pointers.data(); }

private:
    void pointAtArguments();

    std::vector<std::string> m_arguments;
    std::vector<char*> m_pointers;
};

} // namespace orvi::engine
