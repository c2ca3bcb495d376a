#pragma once

// Runs build/OrviPackEngine (or another built tool) as a child process and
// collects its output lines and exit code.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <string>
#include <vector>

namespace orvi::enginetest {

struct EngineRun {
    int exitCode = -1000;
    std::vector<std::string> out; // standard output lines, without line ends
    std::vector<std::string> err; // standard error lines
    std::string lastOut() const { return out.empty() ? std::string() : out.back(); }
    bool outHas(const std::string& line) const;
    bool errHas(const std::string& line) const;
};

QString enginePath();

// Runs the engine with `arguments` and `input` on its standard input;
// `onLine` (optional) sees each standard output line as it arrives and may
// answer with more input.
EngineRun runEngine(const QStringList& arguments, const std::function<QByteArray(const std::string& line)>& onLine = {},
                    const QByteArray& input = {});

// The exit code as the process reports it: -61 arrives as the byte 195 on
// POSIX systems, whole on Windows.
#ifdef _WIN32
inline constexpr int kStoppedProcessExit = -61;
#else
inline constexpr int kStoppedProcessExit = 195;
#endif

// A fresh, empty directory under the system's temporary folder, removed with
// everything in it by the destructor.
class ScratchDir
{
public:
    // `name` as spelled, "." and ".." included.
    std::string path(const std::string& name) const { return m_dir.path().toStdString() + "/" + name; }
    QString qpath(const std::string& name) const { return QString::fromStdString(path(name)); }

private:
    QTemporaryDir m_dir;
};

bool fileExists(const std::string& path);

// Another program's exit code (-1 when it did not finish normally) and its
// standard output as bytes; its standard error is shown when it fails.
struct Tool {
    int exitCode = -1;
    QByteArray out;
};
Tool runTool(const QString& program, const QStringList& arguments);
bool writeFile(const std::string& path, const QByteArray& bytes);

// Writes a generated stereo DSD64 tone with the test-signal tool; extra
// arguments are its tag options.
bool makeTrack(const std::string& path, double seconds, double frequency, const QStringList& tagOptions = {});

} // namespace orvi::enginetest
