#include "cli/pack_settings.h"

#include "cli/command_line.h"
#include "cli/value_checks.h"
#include "text/legacy_codec.h"
#include "text/utf8.h"

namespace orvi::engine::cli {

namespace {

inline constexpr uint32_t kAudioSamplesPerSecond = 44100;

class SettingsChecker
{
public:
    explicit SettingsChecker(const CommandLine& commandLine)
        : line_(commandLine), options_(commandLine.options)
    {
    }

    SettingsCheck run()
    {
        check_.settings.outputPath = line_.output.value_or(std::string());
        check_.settings.tracks = line_.tracks;
        checkTexts();
        checkDiscFields();
        checkLayout();
        checkTrackOptions();
        checkDsdDisc();
        checkUnsupported();
        return std::move(check_);
    }

private:
    template <typename T>
    std::optional<T> judge(const char* option, const Checked<T>& checked)
    {
        if (!checked.value)
            fail(option, checked.problem);
        return checked.value;
    }

    void fail(const std::string& option, const std::string& problem)
    {
        check_.errors.push_back(option + ": " + problem);
    }

    void takeText(const char* option, const std::optional<std::string>& given, std::string& target)
    {
        if (!given)
            return;
        if (text::isBlank(*given))
            fail(option, given->empty() ? "the value is empty" : "the value is only spaces");
        target = *given;
    }

    void checkTexts()
    {
        AlbumText& text = check_.settings.text;
        takeText("--album", options_.album, text.album);
        takeText("--artist", options_.artist, text.artist);
        takeText("--label", options_.label, text.publisher);
        takeText("--copyright", options_.copyright, text.copyright);
        takeText("--composer", options_.composer, text.composer);
        takeText("--conductor", options_.conductor, text.conductor);
        takeText("--orchestra", options_.orchestra, text.orchestra);
    }

    void checkDiscFields()
    {
        PackSettings& s = check_.settings;
        if (options_.genre)
            s.genreIndex = judge("--genre", checkGenre(*options_.genre)).value_or(0);

        std::optional<uint16_t> year;
        if (options_.year)
            year = judge("--year", checkYear(*options_.year));
        if (options_.date) {
            s.date = judge("--date", checkDate(*options_.date));
            if (s.date && year && *year != s.date->year)
                check_.warnings.push_back("--year " + *options_.year + " ignored: --date " + *options_.date
                                          + " gives the disc date");
        } else if (year) {
            s.date = DiscDate{*year, 0, 0};
        }

        std::optional<std::string> catalog, barcode;
        if (options_.catalog)
            catalog = judge("--catalog", checkCatalogNumber(*options_.catalog));
        if (options_.barcode)
            barcode = judge("--barcode", checkBarcode(*options_.barcode));
        if (catalog) {
            s.catalogNumber = *catalog;
            if (barcode)
                check_.warnings.push_back("--barcode " + *barcode + " not written: the catalogue number "
                                          + *catalog + " from --catalog takes its place");
        } else if (barcode) {
            s.catalogNumber = *barcode;
        }

        std::optional<uint32_t> disc, total;
        if (options_.disc)
            disc = judge("--disc", checkNumber(*options_.disc, 1, 65535));
        if (options_.discTotal)
            total = judge("--disc-total", checkNumber(*options_.discTotal, 1, 65535));
        if (disc && total && *disc > *total)
            fail("--disc", "disc " + std::to_string(*disc) + " is greater than --disc-total "
                               + std::to_string(*total));
        s.discNumber = uint16_t(disc.value_or(1));
        s.discTotal = uint16_t(std::max(total.value_or(1), disc.value_or(1)));

        if (options_.cover) {
            if (options_.cover->empty())
                fail("--cover", "the value is empty");
            s.coverPath = *options_.cover;
        }
        if (options_.cue) {
            if (options_.cue->empty())
                fail("--cue", "the value is empty");
            s.cuePath = *options_.cue;
        }
        if (options_.cueCharset) {
            if (!options_.cue)
                fail("--cue-charset", "there is no --cue sheet to read with it");
            else if (!text::isKnownCharset(*options_.cueCharset))
                fail("--cue-charset", "\"" + *options_.cueCharset
                                          + "\" is not a character set name this system knows "
                                            "(e.g. windows-1252, GBK, Big5, Shift_JIS, EUC-KR, UTF-8)");
            s.cueCharset = *options_.cueCharset;
        }
    }

    void checkLayout()
    {
        PackSettings& s = check_.settings;
        s.pauseFrames = pauseFramesFor(kDefaultPauseSamples);
        if (options_.pause) {
            if (auto samples = judge("--pause", checkNumber(*options_.pause, 0, kMaxPauseSamples)))
                s.pauseFrames = pauseFramesFor(*samples);
        }
        if (options_.dstCompression) {
            if (auto order = judge("--dst-compression", checkNumber(*options_.dstCompression, 1, 128)))
                s.dstOrder = int(*order);
        }
        s.noEncode = options_.noEncode;
        s.verify = options_.verify;
    }

    void checkTrackOptions()
    {
        const size_t trackCount = line_.tracks.size();
        for (const TrackOptionValue& given : options_.trackOptions) {
            const std::string& value = given.value;
            const size_t colon = value.find(':');
            const std::string number = value.substr(0, colon);
            auto position = colon == std::string::npos ? Checked<uint32_t>::fail({})
                                                       : checkNumber(number, 1, 999999999);
            if (!position.value) {
                fail(given.option, "\"" + value + "\" is not N:VALUE (N = the track's position, from 1)");
                continue;
            }
            if (*position.value > trackCount) {
                if (trackCount > 0)
                    fail(given.option, "track " + number + " does not exist (tracks 1.."
                                           + std::to_string(trackCount) + ")");
                continue;
            }
            const std::string content = value.substr(colon + 1);
            const std::string where = given.option + " " + number;
            if (text::isBlank(content)) {
                fail(where, content.empty() ? "the value is empty" : "the value is only spaces");
                continue;
            }
            TrackText& text = check_.settings.trackText[*position.value - 1];
            std::string& target = given.option == "--track-title"    ? text.title
                                  : given.option == "--track-artist" ? text.performer
                                                                     : text.isrc;
            if (!target.empty()) {
                fail(where, "given twice (\"" + target + "\" and \"" + content + "\"); give it once");
                continue;
            }
            if (given.option != "--isrc") {
                target = content;
            } else if (auto isrc = judge(where.c_str(), checkIsrc(content))) {
                text.isrc = *isrc;
            }
        }
    }

    void checkDsdDisc()
    {
        PackSettings& s = check_.settings;
        s.dsdDisc = options_.dsdDisc;
        s.playlist = !options_.noPlaylist;
        if (!options_.dsdDisc)
            return;
        if (options_.title) {
            if (options_.title->empty())
                fail("--title", "the value is empty");
            s.discTitle = *options_.title;
        }
        if (options_.verify)
            fail("--verify", "reads SACD images back; not available with --dsd-disc");
        for (const auto& [given, option] : {std::pair{bool(options_.pause), "--pause"},
                                            std::pair{bool(options_.dstCompression), "--dst-compression"},
                                            std::pair{options_.noEncode, "--no-encode"}}) {
            if (given)
                check_.warnings.push_back(std::string(option) + " has no effect on a DSD Disc");
        }
    }

    void checkUnsupported()
    {
        if (options_.dstStereo)
            fail("--dst-stereo", "a DST-compressed stereo area is not supported yet");
        if (!options_.dsdDisc) {
            if (options_.title)
                fail("--title", "only valid with --dsd-disc");
            if (options_.noPlaylist)
                fail("--no-playlist", "only valid with --dsd-disc");
        }
    }

    const CommandLine& line_;
    const RawOptions& options_;
    SettingsCheck check_;
};

} // namespace

uint32_t pauseFramesFor(uint32_t samplesAt44100)
{
    const uint64_t scaled = uint64_t(samplesAt44100) * kFramesPerSecond;
    return uint32_t((scaled + kAudioSamplesPerSecond - 1) / kAudioSamplesPerSecond);
}

SettingsCheck checkSettings(const CommandLine& commandLine)
{
    return SettingsChecker(commandLine).run();
}

} // namespace orvi::engine::cli
