#include "run/engine_output.h"

#include <cstdio>

namespace orvi::engine {

namespace {

void writeLine(std::FILE* stream, const std::string& text)
{
    std::string whole = text;
    whole += '\n';
    std::fwrite(whole.data(), 1, whole.size(), stream);
    std::fflush(stream);
}

} // namespace

void EngineOutput::line(const std::string& text)
{
    writeLine(stdout, text);
}
void EngineOutput::warning(const std::string& text)
{
    writeLine(stderr, "warning: " + text);
}
void EngineOutput::error(const std::string& text)
{
    writeLine(stderr, "error: " + text);
}
void EngineOutput::usage(const std::string& text)
{
    writeLine(stderr, text);
}

} // namespace orvi::engine
