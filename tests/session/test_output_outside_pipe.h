#pragma once

#include <QApplication>
#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

#ifdef _WIN32
#include <QFile>
#include <QTemporaryDir>
#include <io.h>
#else
#include <fcntl.h>
#endif

// Like QTEST_MAIN, but a failure reported during an in-process run (when
// descriptors 1 and 2 feed the engine's pipe) still reaches the test log:
// unless -o is given, QtTest writes to a copy of descriptor 1 taken before
// any run; on Windows, to a file copied to descriptor 1 at the end.
template <typename TestClass, typename Application = QApplication>
int runTestsWithOutputOutsidePipe(int argc, char** argv)
{
    Application app(argc, argv);
    TestClass test;
    std::vector<std::string> args(argv, argv + argc);
    const bool outputChosen = std::find(args.begin(), args.end(), "-o") != args.end();
#ifdef _WIN32
    QTemporaryDir logDir;
    const QString logPath = logDir.filePath(QStringLiteral("log.txt"));
    if (!outputChosen)
        args.insert(args.end(), {"-o", logPath.toStdString() + ",txt"});
#else
    const int logFd = outputChosen ? -1 : ::fcntl(1, F_DUPFD_CLOEXEC, 3);
    if (logFd >= 0)
        args.insert(args.end(), {"-o", "/dev/fd/" + std::to_string(logFd) + ",txt"});
#endif
    std::vector<char*> pointers;
    for (std::string& arg : args)
        pointers.push_back(arg.data());
    pointers.push_back(nullptr);
    const int result = QTest::qExec(&test, int(args.size()), pointers.data());
#ifdef _WIN32
    QFile log(logPath);
    if (!outputChosen && log.open(QIODevice::ReadOnly)) {
        const QByteArray text = log.readAll();
        _write(1, text.constData(), unsigned(text.size()));
    }
#endif
    return result;
}
