#pragma once

#include "gui/pack_gui_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>

// Reaches into the window for tests: its widgets, its operations and the
// file dialog hooks, which tests replace with canned answers.
class PackGuiWindowTestAccess
{
public:
    explicit PackGuiWindowTestAccess(PackGuiWindow& window) : w(window) {}

    QLabel* banner() const { return w.bannerLabel; }
    QTableWidget* table() const { return w.trackTable; }
    QLabel* trackCount() const { return w.trackCountLabel; }
    QLineEdit* output() const { return w.outputEdit; }
    QLineEdit* album() const { return w.albumEdit; }
    // The disc text fields in the order of their engine options.
    QList<QLineEdit*> metadataEdits() const
    {
        return {w.albumEdit,     w.artistEdit,    w.labelEdit,      w.composerEdit, w.conductorEdit,
                w.orchestraEdit, w.genreEdit,     w.yearEdit,       w.dateEdit,     w.catalogEdit,
                w.barcodeEdit,   w.copyrightEdit, w.discNumberEdit, w.discTotalEdit};
    }
    QLineEdit* coverPathEdit() const { return w.coverPathEdit; }
    QLineEdit* cue() const { return w.cueEdit; }
    QLineEdit* discTitle() const { return w.discTitleEdit; }
    QLabel* coverPreview() const { return w.coverPreview; }
    QSpinBox* pause() const { return w.pauseSpin; }
    QSpinBox* dstOrder() const { return w.dstOrderSpin; }
    QCheckBox* noEncode() const { return w.noEncodeCheck; }
    QCheckBox* dsdDisc() const { return w.dsdDiscCheck; }
    QCheckBox* playlist() const { return w.playlistCheck; }
    QCheckBox* dstStereo() const { return w.dstStereoCheck; }
    QCheckBox* autoClose() const { return w.autoCloseCheck; }
    QPushButton* startButton() const { return w.startButton; }
    QPushButton* stopButton() const { return w.stopButton; }
    QPushButton* openOutputButton() const { return w.openOutputButton; }
    QPlainTextEdit* log() const { return w.logView; }
    QString logText() const { return w.logView->toPlainText(); }
    QString statusMessage() const { return w.statusBar()->currentMessage(); }

    QString enginePath() const { return w.enginePath; }
    void setEnginePath(const QString& path) { w.enginePath = path; }
    QString coverPath() const { return w.coverPath; }
    QString jobOutputPath() const { return w.jobOutputPath; }

    void addTrackFile(const QString& path) { w.addTrackFile(path); }
    void addTrackFolder(const QString& folder) { w.addTrackFolder(folder); }
    void clearCueSheet() { w.clearCueSheet(); }
    void chooseCover() { w.chooseCover(); }
    void chooseOutputPath() { w.chooseOutputPath(); }
    void removeSelectedTracks() { w.removeSelectedTracks(); }
    void clearTracks() { w.clearTracks(); }
    void moveSelectedTracks(int direction) { w.moveSelectedTracks(direction); }
    void appendLog(const QString& text, bool isError) { w.appendLog(text, isError); }
    void setRunning(bool running) { w.setRunning(running); }
    // Lines as the session's output callback stores them, then one poll tick.
    void deliverOutput(const QList<std::pair<QString, bool>>& lines)
    {
        {
            std::lock_guard lock(w.eventLock);
            for (const auto& [line, isStderr] : lines)
                w.pendingLines.append({line, isStderr});
        }
        w.drainSessionEvents();
    }
    // The drop handler itself, for drops that reach it in ways a test cannot
    // stage (the table is disabled during a run, so events do not pass it).
    void dropEvent(QDropEvent* event) { w.dropEvent(event); }
    std::optional<QStringList> prepareJob() { return w.prepareJob(); }
    QStringList buildEngineArguments() const { return w.buildEngineArguments(); }

    orvi::FileDialogs& dialogs() { return w.fileDialogs; }

private:
    PackGuiWindow& w;
};
