#pragma once

#include <QApplication>
#include <QTest>

#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

// During an in-process engine run descriptors 1 and 2 of the whole process
// feed the engine's output pipe, so a failure QtTest reports then would end
// up in the run's output instead of the test log. Unless the caller chose an
// output with -o, QtTest writes to a copy of descriptor 1 taken before any
// run. Runs the tests of `test` like QTEST_MAIN does.
template <typename TestClass, typename Application = QApplication>
int runTestsWithOutputOutsidePipe(int argc, char** argv)
{
    Application app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestClass test;
    std::vector<std::string> args(argv, argv + argc);
    bool outputChosen = false;
    for (const std::string& arg : args)
        outputChosen = outputChosen || arg == "-o";
    if (!outputChosen) {
        const int logFd = ::fcntl(1, F_DUPFD_CLOEXEC, 3);
        if (logFd >= 0) {
            args.push_back("-o");
            args.push_back("/dev/fd/" + std::to_string(logFd) + ",txt");
        }
    }
    std::vector<char*> pointers;
    for (std::string& arg : args)
        pointers.push_back(arg.data());
    pointers.push_back(nullptr);
    return QTest::qExec(&test, int(args.size()), pointers.data());
}
