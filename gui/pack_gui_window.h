#pragma once

#include "gui/file_dialogs.h"

#include <QList>
#include <QMainWindow>

#include <QString>
#include <QStringList>
#include <memory>
#include <mutex>
#include <optional>

class QCheckBox;
class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QFormLayout;
class QLabel;
class QLineEdit;
class QMimeData;
class QPixmap;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;
class QTimer;
class PackSession;

// The program's one main window: the pack form (tracks, disc metadata, cover,
// CUE sheet, options, output), the run controls and the run log. It has no
// signals or slots of its own; every connection goes to a lambda.
class PackGuiWindow : public QMainWindow
{
public:
    explicit PackGuiWindow(QWidget* parent = nullptr);
    ~PackGuiWindow() override;

    // Unattended start: "track|track|...|output" from ORVI_PACK_GUI_AUTORUN.
    void runAutorun(const QString& spec);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    friend class PackGuiWindowTestAccess;

    // One line of engine output waiting for the GUI thread.
    struct PendingLine {
        QString line;
        bool isStderr = false;
    };
    // The engine's end, as reported by the session's finish callback.
    struct FinishRecord {
        bool finished = false;
        int exitCode = 0;
        bool crashed = false;
    };

    // --- Form and layout (pack_gui_window.cpp, form_pages.cpp) ---
    void buildUi();
    // The two option pages, each returned inside its scroll area.
    QWidget* buildDiscInfoPage(QWidget* parent);
    QWidget* buildPackOptionsPage(QWidget* parent);
    void addMetadataRow(QFormLayout* form, const QString& labelText, QLineEdit*& member);
    void connectControls();
    void setUpAutoCloseCheck();

    // --- Track list (track_list.cpp) ---
    void addTrackFile(const QString& path);
    void addTrackFolder(const QString& folder);
    void addDroppedPath(const QString& path);
    void chooseTrackFiles();
    void chooseTrackFolder();
    void removeSelectedTracks();
    void clearTracks();
    void moveSelectedTracks(int direction);
    void swapTrackRows(int first, int second);
    void renumberTracks();
    void updateTrackCount();
    static bool isAcceptableDrop(const QMimeData* mime);
    void installTrackDropForwarding();

    // --- CUE sheet, cover picture and output path (cue_and_cover.cpp) ---
    void chooseCueSheet();
    void clearCueSheet();
    void chooseCover();
    void adoptFolderCompanions(const QString& folder);
    void chooseOutputPath();
    void showCover(const QString& path, const QPixmap& picture);

    // --- Run log (run_log.cpp) ---
    void appendLog(const QString& text, bool isError);
    // appendLog for many lines at once, as one document edit: the panel ends
    // up as if each had been appended, at the cost of only what it keeps.
    void appendLogLines(const QList<PendingLine>& lines);
    void scrollLogToNewest();

    // --- Pack job and engine arguments (job_arguments.cpp) ---
    void startJob();
    // Steps up to the argument vector: refusals, output completion. Returns the
    // whole vector (options, per-track options, -o, output, tracks) or nothing
    // when the start was refused.
    std::optional<QStringList> prepareJob();
    QStringList buildEngineArguments() const;
    QStringList buildTrackArguments() const;
    QString defaultOutputPath() const;
    static QString sanitizeFileName(const QString& name);

    // --- Engine location (engine_location.cpp) ---
    void locateEngine();

    // --- Run control (run_control.cpp) ---
    // A session exists and its engine still runs: startJob then does nothing.
    bool sessionIsRunning() const;
    // Starts the run prepared by startJob with its whole argument vector.
    void beginRun(const QStringList& arguments);
    void stopJob();
    void setRunning(bool running);
    void drainSessionEvents();
    // Watches an engine line for the success mark and its image path.
    void noteOutputLine(const QString& line);
    void handleFinished(int exitCode, bool crashed);
    void reportStartFailure();
    void offerToDeleteIncompleteOutput();
    void openOutputFolder();

    // --- Widgets, all owned through Qt parentage ---
    QLabel* bannerLabel = nullptr;
    QTabWidget* tabs = nullptr;
    QTableWidget* trackTable = nullptr;
    QLabel* trackCountLabel = nullptr;
    QLineEdit* outputEdit = nullptr;
    QLineEdit* albumEdit = nullptr;
    QLineEdit* artistEdit = nullptr;
    QLineEdit* labelEdit = nullptr;
    QLineEdit* composerEdit = nullptr;
    QLineEdit* conductorEdit = nullptr;
    QLineEdit* orchestraEdit = nullptr;
    QLineEdit* genreEdit = nullptr;
    QLineEdit* yearEdit = nullptr;
    QLineEdit* dateEdit = nullptr;
    QLineEdit* catalogEdit = nullptr;
    QLineEdit* barcodeEdit = nullptr;
    QLineEdit* copyrightEdit = nullptr;
    QLineEdit* discNumberEdit = nullptr;
    QLineEdit* discTotalEdit = nullptr;
    QLineEdit* coverPathEdit = nullptr;
    QLineEdit* cueEdit = nullptr;
    QLineEdit* discTitleEdit = nullptr;
    QLabel* coverPreview = nullptr;
    QSpinBox* pauseSpin = nullptr;
    QSpinBox* dstOrderSpin = nullptr;
    QCheckBox* noEncodeCheck = nullptr;
    QCheckBox* dsdDiscCheck = nullptr;
    QCheckBox* playlistCheck = nullptr;
    QCheckBox* dstStereoCheck = nullptr;
    QPushButton* startButton = nullptr;
    QPushButton* stopButton = nullptr;
    QPushButton* openOutputButton = nullptr;
    QProgressBar* progressBar = nullptr;
    QPlainTextEdit* logView = nullptr;
    QPushButton* addFilesButton = nullptr;
    QPushButton* addFolderButton = nullptr;
    QPushButton* importCueButton = nullptr;
    QPushButton* removeButton = nullptr;
    QPushButton* clearButton = nullptr;
    QPushButton* upButton = nullptr;
    QPushButton* downButton = nullptr;
    QPushButton* chooseCoverButton = nullptr;
    QPushButton* browseOutputButton = nullptr;

    // File dialogs go through here so that tests can answer them.
    orvi::FileDialogs fileDialogs = orvi::FileDialogs::system();

    // --- Run members ---
    QString enginePath;
    QString engineSource;
    QString coverPath;
    QString jobOutputPath;
    QString reportedOutputPath;
    std::unique_ptr<PackSession> session;
    // Counts runs; a delayed action aimed at one run compares this, since a
    // later session may be allocated at the address of a freed one.
    quint64 runSerial = 0;
    QTimer* pollTimer = nullptr;
    std::mutex eventLock;
    QList<PendingLine> pendingLines;
    FinishRecord finishRecord;
    bool stopRequested = false;
    bool startFailureReported = false;
    bool finishHandled = false;
    bool quitAfterRun = false;

    QCheckBox* autoCloseCheck = nullptr;
};
