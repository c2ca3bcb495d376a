#include "run/pack_run.h"

#include "cli/cover_check.h"
#include "cli/pack_settings.h"
#include "dsddisc/dsd_disc_writer.h"
#include "image/disc_plan.h"
#include "image/image_writer.h"
#include "input/track_reader.h"
#include "orvi_lathe_core.h"
#include "reader/image_verify.h"
#include "run/engine_output.h"
#include "run/output_path.h"
#include "run/pack_plan.h"
#include "run/stop_watcher.h"
#include "run/text_resolution.h"

#include <QFile>
#include <QFileInfo>

#include <functional>
#include <optional>
#include <utility>

namespace orvi::engine {

namespace {

struct InputCheck {
    std::vector<std::string> problems;
    std::vector<std::string> warnings; // damaged tags and the like: the track is still usable
    std::optional<CueSheet> cue;
    std::vector<OpenedTrack> tracks;
};

// Opens every input so that one run names every unreadable one.
InputCheck openInputs(const cli::PackSettings& settings)
{
    InputCheck check;
    if (!settings.coverPath.empty()) {
        const cli::CoverCheck cover = cli::checkCoverPicture(settings.coverPath);
        if (!cover.problem.empty())
            check.problems.push_back("--cover: " + cover.problem);
        for (const std::string& warning : cover.warnings)
            check.warnings.push_back("--cover: " + warning);
    }
    if (!settings.cuePath.empty()) {
        check.cue = readCueSheet(settings.cuePath, settings.cueCharset);
        for (const std::string& problem : check.cue->errors)
            check.problems.push_back(problem);
    }
    for (const std::string& path : settings.tracks) {
        check.tracks.push_back(openTrack(path));
        for (const std::string& problem : check.tracks.back().errors)
            check.problems.push_back(problem);
        for (const std::string& warning : check.tracks.back().warnings)
            check.warnings.push_back(warning);
    }
    return check;
}

int exitCodeFor(WriteStatus status)
{
    switch (status) {
    case WriteStatus::Written: return kExitSuccess;
    case WriteStatus::Stopped: return kExitStopped;
    case WriteStatus::InvalidInput: return kExitInvalidInput;
    case WriteStatus::OutputFailed: return kExitOutputFailed;
    }
    return kExitOutputFailed;
}

void announcePartialImage(const OrviLatheHooks* hooks, const char* path)
{
    if (hooks && hooks->partialImageChanged)
        hooks->partialImageChanged(path, hooks->context);
}

class PackRun
{
public:
    PackRun(const cli::CommandLine& commandLine, EngineOutput& output, const OrviLatheHooks* hooks)
        : commandLine_(commandLine), out_(output), hooks_(hooks)
    {
    }

    int run()
    {
        cli::SettingsCheck check = cli::checkSettings(commandLine_);
        if (refuseOutput(check))
            return kExitInvalidInput;
        InputCheck inputs = openInputs(check.settings);
        if (reportProblems(check, inputs))
            return commandLine_.usageErrors.empty() ? kExitInvalidInput : kExitUsage;
        for (const std::string& warning : check.warnings)
            out_.warning(warning);
        for (const std::string& warning : inputs.warnings)
            out_.warning(warning);

        std::vector<std::string> warnings;
        DiscSpec disc = buildDiscSpec(check.settings, inputs.cue ? &*inputs.cue : nullptr, inputs.tracks, warnings);
        if (check.settings.dsdDisc)
            return packDsdDisc(disc, check.settings, inputs, warnings);
        if (check.settings.noEncode)
            warnings.push_back("--no-encode has no effect: the disc has no multichannel area");
        // The writer's plan is its validation too, and knows the exact size.
        std::vector<std::string> problems;
        DiscPlan plan = planDisc(disc, problems, warnings);
        if (!reportPlan(warnings, problems))
            return kExitInvalidInput;
        out_.line(planLine(disc, plan.totalFrames, plan.imageBytes));
        reportCueCharset(check.settings, inputs);
        return write(disc.stereoTracks.size(), check.settings, [&](const WriteObserver& observer) {
            return writeImage(disc, std::move(plan), check.settings.outputPath, observer);
        });
    }

private:
    // OUTPUT is judged before any input is opened, so that a wrong name
    // can never cost the user a file.
    bool refuseOutput(const cli::SettingsCheck& check)
    {
        if (!commandLine_.usageErrors.empty())
            return false;
        std::vector<NamedInput> inputs{{"--cue", check.settings.cuePath}, {"--cover", check.settings.coverPath}};
        for (size_t i = 0; i < check.settings.tracks.size(); ++i)
            inputs.push_back({"track " + std::to_string(i + 1), check.settings.tracks[i]});
        const std::vector<std::string> problems = checkOutputPath(check.settings.outputPath, inputs);
        if (problems.empty())
            return false;
        for (const std::string& problem : check.errors)
            out_.error(problem);
        for (const std::string& problem : problems)
            out_.error(problem);
        return true;
    }

    // Prints every problem; true when there was any.
    bool reportProblems(const cli::SettingsCheck& check, const InputCheck& inputs)
    {
        const bool usage = !commandLine_.usageErrors.empty();
        for (const std::string& problem : commandLine_.usageErrors)
            out_.error(problem);
        for (const std::string& problem : check.errors)
            out_.error(problem);
        for (const std::string& problem : inputs.problems)
            out_.error(problem);
        if (usage)
            out_.usage(cli::usageLine());
        return usage || !check.errors.empty() || !inputs.problems.empty();
    }

    // Prints a plan's warnings and problems; false when there was a problem.
    bool reportPlan(const std::vector<std::string>& warnings, const std::vector<std::string>& problems)
    {
        for (const std::string& warning : warnings)
            out_.warning(warning);
        for (const std::string& problem : problems)
            out_.error(problem);
        return problems.empty();
    }

    // Follows the plan line: which set the CUE sheet was read in, so a
    // misread sheet can be corrected with --cue-charset.
    void reportCueCharset(const cli::PackSettings& settings, const InputCheck& inputs)
    {
        if (inputs.cue)
            out_.line("CUE sheet " + settings.cuePath + " read as " + inputs.cue->encoding
                      + (settings.cueCharset.empty() ? " (detected; --cue-charset NAME overrides)" : " (--cue-charset)"));
    }

    // The files' text replaces the disc's: no disc character set applies.
    int packDsdDisc(const DiscSpec& disc, const cli::PackSettings& settings, const InputCheck& inputs,
                    std::vector<std::string>& warnings)
    {
        std::vector<std::string> problems;
        const dsddisc::DsdDiscPlan plan =
            dsddisc::planDsdDisc(disc, {settings.discTitle, settings.playlist}, problems, warnings);
        if (!reportPlan(warnings, problems))
            return kExitInvalidInput;
        out_.line(dsddisc::dsdDiscPlanLine(plan));
        out_.line("volume identifier: \"" + plan.volume.udf + "\" (ISO 9660: \"" + plan.volume.iso + "\")");
        reportCueCharset(settings, inputs);
        return write(plan.files.size(), settings, [&](const WriteObserver& observer) {
            return dsddisc::writeDsdDisc(plan, settings.outputPath, observer);
        });
    }

    int write(size_t total, const cli::PackSettings& settings,
              const std::function<WriteResult(const WriteObserver&)>& writeDisc)
    {
        StopWatcher stopWatcher;
        ProgressSteps progress;
        bool stopAsked = false;
        WriteObserver observer;
        observer.trackStarted = [&](size_t index, const DiscTrack& track) {
            out_.line(trackLine(index + 1, total, track));
            if (hooks_ && hooks_->trackStarted)
                hooks_->trackStarted(int(index + 1), int(total), hooks_->context);
        };
        observer.progress = [&](uint64_t done, uint64_t all) {
            for (const std::string& line : progress.advance(done, all))
                out_.line(line);
        };
        observer.stopRequested = [&] {
            stopAsked = stopAsked || stopWatcher.stopRequested();
            return stopAsked;
        };
        observer.warning = [&](const std::string& line) { out_.warning(line); };

        observer.partialFileCreated = [&](const std::string& path) { announcePartialImage(hooks_, path.c_str()); };
        const WriteResult result = writeDisc(observer);
        announcePartialImage(hooks_, nullptr);

        for (const std::string& problem : result.errors)
            out_.error(problem);
        int code = exitCodeFor(result.status);
        if (code != kExitSuccess && code != kExitStopped)
            return code;
        // A stop that came while the last track was written ends the run as
        // stopped too: the user asked for it, and the disc holds every track.
        if (stopAsked || stopWatcher.stopRequested())
            code = kExitStopped;
        if (settings.verify && !verify(settings, result.tracksWritten))
            return kExitInvalidInput;
        const QString finalPath = QFileInfo(QString::fromStdString(settings.outputPath)).absoluteFilePath();
        out_.line("SACD ISO created: " + finalPath.toStdString());
        return code;
    }

    // Reads the image back; on a difference the image is removed, so a
    // failed run leaves nothing under OUTPUT.
    bool verify(const cli::PackSettings& settings, size_t tracksWritten)
    {
        out_.line("verifying " + std::to_string(tracksWritten) + " tracks");
        const std::vector<std::string> inputs(settings.tracks.begin(),
                                              settings.tracks.begin() + std::ptrdiff_t(tracksWritten));
        const std::vector<std::string> problems = reader::verifyImage(settings.outputPath, inputs);
        if (problems.empty()) {
            out_.line("verified: every track matches its input");
            return true;
        }
        for (const std::string& problem : problems)
            out_.error(problem);
        QFile::remove(QString::fromStdString(settings.outputPath));
        out_.error("verification failed: the image " + settings.outputPath + " was removed");
        return false;
    }

    const cli::CommandLine& commandLine_;
    EngineOutput& out_;
    const OrviLatheHooks* hooks_;
};

} // namespace

int runPack(const cli::CommandLine& commandLine, EngineOutput& output, const OrviLatheHooks* hooks)
{
    return PackRun(commandLine, output, hooks).run();
}

} // namespace orvi::engine
