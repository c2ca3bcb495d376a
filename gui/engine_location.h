#pragma once

#include <QList>
#include <QString>

namespace orvi {

// Where the engine search looks. Built from the running program by
// currentEngineSearchPlaces(); tests build their own.
struct EngineSearchPlaces {
    QString environmentValue; // ORVI_LATHE_BIN, already decoded; empty when unset
    QString programFilePath;  // the program's own file
    QString currentDirectory;
    bool exeSuffixedNames = false; // executables are named "*.exe" on this system
};

struct EngineCandidate {
    QString path;
    QString sourceLabel;
    bool isProgramItself = false; // accepted on existence alone
};

struct EngineLocation {
    QString path;   // empty when nothing was accepted
    QString source; // translated label of the accepted candidate
};

EngineSearchPlaces currentEngineSearchPlaces();

// Turns an executable name as it is spelled for Windows ("x.exe") into this
// system's spelling: unchanged there, without the suffix elsewhere.
QString executableFileName(const QString& windowsName, bool exeSuffixedNames);

// Candidates in the order they are tried; the program itself comes last.
QList<EngineCandidate> engineCandidates(const EngineSearchPlaces& places);

// The first acceptable candidate: a non-empty regular file, or for the last
// one, the program's own existing file.
EngineLocation findEngine(const EngineSearchPlaces& places);

} // namespace orvi
