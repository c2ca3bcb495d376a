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
    case WriteStatus::Written:
        return kExitSuccess;
    case WriteStatus::Stopped:
        return kExitStopped;
    case WriteStatus::InvalidInput:
        return kExitInvalidInput;
    case WriteStatus::OutputFailed:
        return kExitOutputFailed;
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
        : m_commandLine(commandLine), m_out(output), m_hooks(hooks)
    {
    }

    int run()
    {
        cli::SettingsCheck check = cli::checkSettings(m_commandLine);
        if (refuseOutput(check))
            return kExitInvalidInput;
        InputCheck inputs = openInputs(check.settings);
        if (reportProblems(check, inputs))
            return m_commandLine.usageErrors.empty() ? kExitInvalidInput : kExitUsage;
        for (const std::string& warning : check.warnings)
            m_out.warning(warning);
        for (const std::string& warning : inputs.warnings)
            m_out.warning(warning);

        std::vector<std::string> warnings;
        DiscContent disc =
            buildDiscContent(check.settings, inputs.cue ? &*inputs.cue : nullptr, inputs.tracks, warnings);
        if (check.settings.dsdDisc)
            return packDsdDisc(disc, check.settings, inputs, warnings);
        if (check.settings.noEncode && disc.multichannelTracks.empty())
            warnings.push_back("--no-encode has no effect: the disc has no multichannel area");
        if (check.settings.dstStereo && disc.stereoTracks.empty())
            warnings.push_back("--dst-stereo has no effect: the disc has no stereo area");
        // The writer's plan is its validation too, and knows the exact size.
        std::vector<std::string> problems;
        DiscPlan plan = planDisc(disc, problems, warnings);
        if (!reportPlan(warnings, problems))
            return kExitInvalidInput;
        m_out.line(planLine(disc, plan));
        reportCueCharset(check.settings, inputs);
        return write(disc, disc.stereoTracks.size() + disc.multichannelTracks.size(), check.settings,
                     [&](const WriteObserver& observer) {
                         return writeImage(disc, std::move(plan), check.settings.outputPath, observer);
                     });
    }

private:
    // OUTPUT is judged before any input is opened, so that a wrong name
    // can never cost the user a file.
    bool refuseOutput(const cli::SettingsCheck& check)
    {
        if (!m_commandLine.usageErrors.empty())
            return false;
        std::vector<NamedInput> inputs{{"--cue", check.settings.cuePath}, {"--cover", check.settings.coverPath}};
        for (size_t i = 0; i < check.settings.tracks.size(); ++i)
            inputs.push_back({"track " + std::to_string(i + 1), check.settings.tracks[i]});
        const std::vector<std::string> problems = checkOutputPath(check.settings.outputPath, inputs);
        if (problems.empty())
            return false;
        for (const std::string& problem : check.errors)
            m_out.error(problem);
        for (const std::string& problem : problems)
            m_out.error(problem);
        return true;
    }

    // Prints every problem; true when there was any.
    bool reportProblems(const cli::SettingsCheck& check, const InputCheck& inputs)
    {
        const bool usage = !m_commandLine.usageErrors.empty();
        for (const std::string& problem : m_commandLine.usageErrors)
            m_out.error(problem);
        for (const std::string& problem : check.errors)
            m_out.error(problem);
        for (const std::string& problem : inputs.problems)
            m_out.error(problem);
        if (usage)
            m_out.usage(cli::usageLine());
        return usage || !check.errors.empty() || !inputs.problems.empty();
    }

    // Prints a plan's warnings and problems; false when there was a problem.
    bool reportPlan(const std::vector<std::string>& warnings, const std::vector<std::string>& problems)
    {
        for (const std::string& warning : warnings)
            m_out.warning(warning);
        for (const std::string& problem : problems)
            m_out.error(problem);
        return problems.empty();
    }

    // Follows the plan line: which set the CUE sheet was read in, so a
    // misread sheet can be corrected with --cue-charset.
    void reportCueCharset(const cli::PackSettings& settings, const InputCheck& inputs)
    {
        if (inputs.cue)
            m_out.line(
                "CUE sheet " + settings.cuePath + " read as " + inputs.cue->encoding
                + (settings.cueCharset.empty() ? " (detected; --cue-charset NAME overrides)" : " (--cue-charset)"));
    }

    // The files' text replaces the disc's: no disc character set applies.
    int packDsdDisc(const DiscContent& disc, const cli::PackSettings& settings, const InputCheck& inputs,
                    std::vector<std::string>& warnings)
    {
        std::vector<std::string> problems;
        const dsddisc::DsdDiscPlan plan =
            dsddisc::planDsdDisc(disc, {settings.discTitle, settings.playlist}, problems, warnings);
        if (!reportPlan(warnings, problems))
            return kExitInvalidInput;
        m_out.line(dsddisc::dsdDiscPlanLine(plan));
        m_out.line("volume identifier: \"" + plan.volume.udf + "\" (ISO 9660: \"" + plan.volume.iso + "\")");
        reportCueCharset(settings, inputs);
        return write(disc, plan.files.size(), settings, [&](const WriteObserver& observer) {
            return dsddisc::writeDsdDisc(plan, settings.outputPath, observer);
        });
    }

    int write(const DiscContent& disc, size_t total, const cli::PackSettings& settings,
              const std::function<WriteResult(const WriteObserver&)>& writeDisc)
    {
        StopWatcher stopWatcher;
        ProgressSteps progress;
        bool stopAsked = false;
        WriteObserver observer;
        observer.trackStarted = [&](size_t index, const DiscTrack& track) {
            m_out.line(trackLine(index + 1, total, track));
            if (m_hooks && m_hooks->trackStarted)
                m_hooks->trackStarted(int(index + 1), int(total), m_hooks->context);
        };
        observer.progress = [&](uint64_t done, uint64_t all) {
            for (const std::string& line : progress.advance(done, all))
                m_out.line(line);
        };
        observer.stopRequested = [&] {
            stopAsked = stopAsked || stopWatcher.stopRequested();
            return stopAsked;
        };
        observer.warning = [&](const std::string& line) { m_out.warning(line); };
        observer.note = [&](const std::string& line) { m_out.line(line); };

        observer.partialFileCreated = [&](const std::string& path) { announcePartialImage(m_hooks, path.c_str()); };
        const WriteResult result = writeDisc(observer);
        announcePartialImage(m_hooks, nullptr);

        for (const std::string& problem : result.errors)
            m_out.error(problem);
        int code = exitCodeFor(result.status);
        if (code != kExitSuccess && code != kExitStopped)
            return code;
        // A stop that came while the last track was written ends the run as
        // stopped too: the user asked for it, and the disc holds every track.
        if (stopAsked || stopWatcher.stopRequested())
            code = kExitStopped;
        if (settings.verify && !verify(disc, settings, result.tracksWritten))
            return kExitInvalidInput;
        const QString finalPath = QFileInfo(QString::fromStdString(settings.outputPath)).absoluteFilePath();
        m_out.line("SACD ISO created: " + finalPath.toStdString());
        return code;
    }

    // Reads the image back; on a difference the image is removed, so a
    // failed run leaves nothing under OUTPUT.
    bool verify(const DiscContent& disc, const cli::PackSettings& settings, size_t tracksWritten)
    {
        m_out.line("verifying " + std::to_string(tracksWritten) + " tracks");
        // The stereo area is written first, so a stopped disc ends early in
        // the multichannel one.
        std::vector<std::string> stereo, multichannel;
        for (const DiscTrack& track : disc.stereoTracks) {
            if (stereo.size() < tracksWritten)
                stereo.push_back(track.path);
        }
        for (const DiscTrack& track : disc.multichannelTracks) {
            if (stereo.size() + multichannel.size() < tracksWritten)
                multichannel.push_back(track.path);
        }
        const std::vector<std::string> problems = reader::verifyImage(settings.outputPath, stereo, multichannel);
        if (problems.empty()) {
            m_out.line("verified: every track matches its input");
            return true;
        }
        for (const std::string& problem : problems)
            m_out.error(problem);
        QFile::remove(QString::fromStdString(settings.outputPath));
        m_out.error("verification failed: the image " + settings.outputPath + " was removed");
        return false;
    }

    const cli::CommandLine& m_commandLine;
    EngineOutput& m_out;
    const OrviLatheHooks* m_hooks;
};

} // namespace

int runPack(const cli::CommandLine& commandLine, EngineOutput& output, const OrviLatheHooks* hooks)
{
    return PackRun(commandLine, output, hooks).run();
}

} // namespace orvi::engine
