#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QTemporaryDir>

// Test fixture pieces shared by the language and document-window tests:
// a private settings folder and a clean language environment.
namespace orvi::test {

// Unsets ORVI_LANG and the four locale variables; restores them on destruction.
class LanguageEnvironment
{
public:
    LanguageEnvironment();
    ~LanguageEnvironment();
    LanguageEnvironment(const LanguageEnvironment&) = delete;
    LanguageEnvironment& operator=(const LanguageEnvironment&) = delete;

    static void clear();

private:
    QList<QPair<QByteArray, QByteArray>> m_saved;
};

// Points the settings store at a fresh temporary folder.
class TemporarySettings
{
public:
    TemporarySettings();
    // Removes the saved interface language.
    void reset();
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

} // namespace orvi::test
