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
    explicit SettingsChecker(const CommandLine& commandLine) : m_line(commandLine), m_options(commandLine.options) {}

    SettingsCheck run()
    {
        m_check.settings.outputPath = m_line.output.value_or(std::string());
        m_check.settings.tracks = m_line.tracks;
        checkTexts();
        checkDiscFields();
        checkLayout();
        checkTrackOptions();
        checkDsdDisc();
        checkUnsupported();
        return std::move(m_check);
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
        m_check.errors.push_back(option + ": " + problem);
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
        AlbumText& text = m_check.settings.text;
        takeText("--album", m_options.album, text.album);
        takeText("--artist", m_options.artist, text.artist);
        takeText("--label", m_options.label, text.publisher);
        takeText("--copyright", m_options.copyright, text.copyright);
        takeText("--composer", m_options.composer, text.composer);
        takeText("--conductor", m_options.conductor, text.conductor);
        takeText("--orchestra", m_options.orchestra, text.orchestra);
    }

    void checkDiscFields()
    {
        PackSettings& s = m_check.settings;
        if (m_options.genre)
            s.genreIndex = judge("--genre", checkGenre(*m_options.genre)).value_or(0);

        std::optional<uint16_t> year;
        if (m_options.year)
            year = judge("--year", checkYear(*m_options.year));
        if (m_options.date) {
            s.date = judge("--date", checkDate(*m_options.date));
            if (s.date && year && *year != s.date->year)
                m_check.warnings.push_back("--year " + *m_options.year + " ignored: --date " + *m_options.date
                                           + " gives the disc date");
        } else if (year) {
            s.date = DiscDate{*year, 0, 0};
        }

        std::optional<std::string> catalog, barcode;
        if (m_options.catalog)
            catalog = judge("--catalog", checkCatalogNumber(*m_options.catalog));
        if (m_options.barcode)
            barcode = judge("--barcode", checkBarcode(*m_options.barcode));
        if (catalog) {
            s.catalogNumber = *catalog;
            if (barcode)
                m_check.warnings.push_back("--barcode " + *barcode + " not written: the catalogue number " + *catalog
                                           + " from --catalog takes its place");
        } else if (barcode) {
            s.catalogNumber = *barcode;
        }

        std::optional<uint32_t> disc, total;
        if (m_options.disc)
            disc = judge("--disc", checkNumber(*m_options.disc, 1, 65535));
        if (m_options.discTotal)
            total = judge("--disc-total", checkNumber(*m_options.discTotal, 1, 65535));
        if (disc && total && *disc > *total)
            fail("--disc", "disc " + std::to_string(*disc) + " is greater than --disc-total " + std::to_string(*total));
        s.discNumber = uint16_t(disc.value_or(1));
        s.discTotal = uint16_t(std::max(total.value_or(1), disc.value_or(1)));

        if (m_options.cover) {
            if (m_options.cover->empty())
                fail("--cover", "the value is empty");
            s.coverPath = *m_options.cover;
        }
        if (m_options.cue) {
            if (m_options.cue->empty())
                fail("--cue", "the value is empty");
            s.cuePath = *m_options.cue;
        }
        if (m_options.cueCharset) {
            if (!m_options.cue)
                fail("--cue-charset", "there is no --cue sheet to read with it");
            else if (!text::isKnownCharset(*m_options.cueCharset))
                fail("--cue-charset",
                     "\"" + *m_options.cueCharset
                         + "\" is not a character set name this system knows "
                           "(e.g. windows-1252, GBK, Big5, Shift_JIS, EUC-KR, UTF-8)");
            s.cueCharset = *m_options.cueCharset;
        }
    }

    void checkLayout()
    {
        PackSettings& s = m_check.settings;
        s.pauseFrames = pauseFramesFor(kDefaultPauseSamples);
        if (m_options.pause) {
            if (auto samples = judge("--pause", checkNumber(*m_options.pause, 0, kMaxPauseSamples)))
                s.pauseFrames = pauseFramesFor(*samples);
        }
        if (m_options.dstCompression) {
            if (auto order = judge("--dst-compression", checkNumber(*m_options.dstCompression, 1, 128)))
                s.dstOrder = int(*order);
            s.dstOrderGiven = true;
        }
        s.noEncode = m_options.noEncode;
        s.dstStereo = m_options.dstStereo;
        s.verify = m_options.verify;
    }

    void checkTrackOptions()
    {
        const size_t trackCount = m_line.tracks.size();
        for (const TrackOptionValue& given : m_options.trackOptions) {
            const std::string& value = given.value;
            const size_t colon = value.find(':');
            const std::string number = value.substr(0, colon);
            auto position =
                colon == std::string::npos ? Checked<uint32_t>::fail({}) : checkNumber(number, 1, 999999999);
            if (!position.value) {
                fail(given.option, "\"" + value + "\" is not N:VALUE (N = the track's position, from 1)");
                continue;
            }
            if (*position.value > trackCount) {
                if (trackCount > 0)
                    fail(given.option,
                         "track " + number + " does not exist (tracks 1.." + std::to_string(trackCount) + ")");
                continue;
            }
            const std::string content = value.substr(colon + 1);
            const std::string where = given.option + " " + number;
            if (text::isBlank(content)) {
                fail(where, content.empty() ? "the value is empty" : "the value is only spaces");
                continue;
            }
            TrackText& text = m_check.settings.trackText[*position.value - 1];
            std::string& target = given.option == "--track-title" ? text.title
                : given.option == "--track-artist"                ? text.performer
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
        PackSettings& s = m_check.settings;
        s.dsdDisc = m_options.dsdDisc;
        s.playlist = !m_options.noPlaylist;
        if (!m_options.dsdDisc)
            return;
        if (m_options.title) {
            if (m_options.title->empty())
                fail("--title", "the value is empty");
            s.discTitle = *m_options.title;
        }
        if (m_options.verify)
            fail("--verify", "reads SACD images back; not available with --dsd-disc");
        for (const auto& [given, option] : {std::pair{bool(m_options.pause), "--pause"},
                                            std::pair{bool(m_options.dstCompression), "--dst-compression"},
                                            std::pair{m_options.noEncode, "--no-encode"}}) {
            if (given)
                m_check.warnings.push_back(std::string(option) + " has no effect on a DSD Disc");
        }
    }

    void checkUnsupported()
    {
        if (!m_options.dsdDisc) {
            if (m_options.title)
                fail("--title", "only valid with --dsd-disc");
            if (m_options.noPlaylist)
                fail("--no-playlist", "only valid with --dsd-disc");
        }
    }

    const CommandLine& m_line;
    const RawOptions& m_options;
    SettingsCheck m_check;
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
