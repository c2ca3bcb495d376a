#include "orvi_lathe_arguments.h"

#include <utility>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

namespace orvi::engine {

Utf8Arguments::Utf8Arguments(int argc, char** argv)
{
#ifdef _WIN32
    int count = 0;
    if (wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i) {
            const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
            std::string argument(size_t(size > 0 ? size - 1 : 0), '\0');
            WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, argument.data(), size, nullptr, nullptr);
            m_arguments.push_back(std::move(argument));
        }
        LocalFree(wide);
    }
#endif
    if (m_arguments.empty())
        m_arguments.assign(argv, argv + argc);
    pointAtArguments();
}

Utf8Arguments::Utf8Arguments(std::vector<std::string> arguments) : m_arguments(std::move(arguments))
{
    pointAtArguments();
}

void Utf8Arguments::pointAtArguments()
{
    for (std::string& argument : m_arguments)
        m_pointers.push_back(argument.data());
    m_pointers.push_back(nullptr);
}

} // namespace orvi::engine
