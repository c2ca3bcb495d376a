#include "cli/command_line.h"

#include <array>
#include <string_view>

namespace orvi::engine::cli {

namespace {

using ValueMember = std::optional<std::string> RawOptions::*;
using FlagMember = bool RawOptions::*;

struct ValueOption {
    std::string_view name;
    ValueMember member;
};

struct FlagOption {
    std::string_view name;
    FlagMember member;
};

constexpr std::array kValueOptions = {
    ValueOption{"--album", &RawOptions::album},
    ValueOption{"--artist", &RawOptions::artist},
    ValueOption{"--label", &RawOptions::label},
    ValueOption{"--copyright", &RawOptions::copyright},
    ValueOption{"--composer", &RawOptions::composer},
    ValueOption{"--conductor", &RawOptions::conductor},
    ValueOption{"--orchestra", &RawOptions::orchestra},
    ValueOption{"--genre", &RawOptions::genre},
    ValueOption{"--year", &RawOptions::year},
    ValueOption{"--date", &RawOptions::date},
    ValueOption{"--catalog", &RawOptions::catalog},
    ValueOption{"--barcode", &RawOptions::barcode},
    ValueOption{"--disc", &RawOptions::disc},
    ValueOption{"--disc-total", &RawOptions::discTotal},
    ValueOption{"--cover", &RawOptions::cover},
    ValueOption{"--cue", &RawOptions::cue},
    ValueOption{"--cue-charset", &RawOptions::cueCharset},
    ValueOption{"--pause", &RawOptions::pause},
    ValueOption{"--dst-compression", &RawOptions::dstCompression},
    ValueOption{"--title", &RawOptions::title},
};

constexpr std::array kFlagOptions = {
    FlagOption{"--no-encode", &RawOptions::noEncode}, FlagOption{"--dst-stereo", &RawOptions::dstStereo},
    FlagOption{"--dsd-disc", &RawOptions::dsdDisc},   FlagOption{"--no-playlist", &RawOptions::noPlaylist},
    FlagOption{"--verify", &RawOptions::verify},
};

constexpr std::array<std::string_view, 3> kTrackOptions = {"--track-title", "--track-artist", "--isrc"};

// The in-process runner appends these; they are not the user's.
constexpr std::string_view kRunnerFlag = "-inproc-host";
constexpr std::array<std::string_view, 2> kRunnerValueOptions = {"-inproc-ctl", "-inproc-ctl-fn"};

template <typename Table>
auto findOption(const Table& table, std::string_view name) -> decltype(&table[0])
{
    for (const auto& entry : table) {
        if (entry.name == name)
            return &entry;
    }
    return nullptr;
}

bool contains(const auto& list, std::string_view name)
{
    for (std::string_view entry : list) {
        if (entry == name)
            return true;
    }
    return false;
}

class Reader
{
public:
    explicit Reader(const std::vector<std::string>& arguments) : m_args(arguments) {}

    CommandLine read()
    {
        bool optionsEnded = false;
        while (m_pos < m_args.size()) {
            const std::string& arg = m_args[m_pos++];
            if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
                m_result.tracks.push_back(arg);
                continue;
            }
            if (arg == "--") {
                optionsEnded = true;
                continue;
            }
            readOption(arg);
        }
        checkCompleteness();
        return std::move(m_result);
    }

private:
    void readOption(const std::string& arg)
    {
        if (arg == kRunnerFlag)
            return;
        if (contains(kRunnerValueOptions, arg)) {
            if (m_pos < m_args.size())
                ++m_pos;
            return;
        }
        if (arg == "--help" || arg == "-h") {
            m_helpAsked = true;
            return;
        }
        if (arg == "--version") {
            m_versionAsked = true;
            return;
        }
        if (arg == "-o" || arg == "--output") {
            if (auto value = takeValue(arg))
                takeOnce(arg, m_result.output, *value);
            return;
        }
        if (arg == "--inspect") {
            setReadingMode(Mode::Inspect);
            if (auto value = takeValue(arg))
                m_result.inspectImage = *value;
            return;
        }
        if (arg == "--extract") {
            setReadingMode(Mode::Extract);
            auto image = takeValue(arg);
            auto directory = image ? takeValue(arg) : std::nullopt;
            if (image && directory) {
                m_result.inspectImage = *image;
                m_result.extractDirectory = *directory;
            }
            return;
        }
        if (const ValueOption* option = findOption(kValueOptions, arg)) {
            if (auto value = takeValue(arg))
                takeOnce(arg, m_result.options.*(option->member), *value);
            return;
        }
        if (const FlagOption* option = findOption(kFlagOptions, arg)) {
            m_result.options.*(option->member) = true;
            return;
        }
        if (contains(kTrackOptions, arg)) {
            if (auto value = takeValue(arg))
                m_result.options.trackOptions.push_back({arg, *value});
            return;
        }
        m_result.usageErrors.push_back("unknown option: " + arg);
    }

    std::optional<std::string> takeValue(const std::string& option)
    {
        if (m_pos >= m_args.size()) {
            m_result.usageErrors.push_back("option " + option + " needs a value");
            return std::nullopt;
        }
        return m_args[m_pos++];
    }

    // A second value is more likely a slip than an intent: neither wins.
    void takeOnce(const std::string& option, std::optional<std::string>& target, const std::string& value)
    {
        if (target)
            m_result.usageErrors.push_back(option + " given twice (\"" + *target + "\" and \"" + value
                                           + "\"); give it once");
        else
            target = value;
    }

    void setReadingMode(Mode mode)
    {
        if (m_result.mode != Mode::Pack && m_result.mode != mode)
            m_result.usageErrors.push_back("--inspect and --extract cannot be combined");
        m_result.mode = mode;
    }

    void checkCompleteness()
    {
        if (m_helpAsked) {
            m_result.mode = Mode::Help;
            m_result.usageErrors.clear();
            return;
        }
        if (m_versionAsked) {
            m_result.mode = Mode::Version;
            m_result.usageErrors.clear();
            return;
        }
        if (m_result.mode == Mode::Inspect || m_result.mode == Mode::Extract) {
            if (m_result.output || !m_result.tracks.empty())
                m_result.usageErrors.push_back(std::string(m_result.mode == Mode::Inspect ? "--inspect" : "--extract")
                                               + " reads an image: it takes no -o and no tracks");
            return;
        }
        if (!m_result.output)
            m_result.usageErrors.push_back("no output image given (-o OUTPUT)");
        if (m_result.tracks.empty())
            m_result.usageErrors.push_back("no input track given");
    }

    const std::vector<std::string>& m_args;
    size_t m_pos = 0;
    bool m_helpAsked = false;
    bool m_versionAsked = false;
    CommandLine m_result;
};

} // namespace

CommandLine readCommandLine(const std::vector<std::string>& arguments)
{
    return Reader(arguments).read();
}

const char* usageLine()
{
    return "usage: OrviPackEngine [options] -o OUTPUT TRACK...  (--help lists the options)";
}

std::string helpText()
{
    return "usage: OrviPackEngine [options] -o OUTPUT TRACK...\n"
           "       OrviPackEngine --inspect IMAGE\n"
           "       OrviPackEngine --extract IMAGE DIR\n"
           "Packs DSD tracks (.dsf, .dff; DSD64) into an SACD disc image.\n"
           "\n"
           "Disc text:\n"
           "  --album TEXT, --artist TEXT, --label TEXT, --copyright TEXT\n"
           "  --composer TEXT, --conductor TEXT, --orchestra TEXT\n"
           "  --genre NAME|1..29     a genre of the General table, e.g. Classical, Jazz\n"
           "  --date YYYY-MM-DD, --year YYYY\n"
           "  --catalog TEXT         catalogue number, up to 16 ISO 646 characters\n"
           "  --barcode DIGITS       UPC-A (12) or EAN-13 (13) digits; --catalog wins\n"
           "  --disc N, --disc-total N   1..65535\n"
           "  --cover FILE           JPEG or PNG picture, up to 16 MiB\n"
           "  --cue FILE             CUE sheet with album and track titles and performers\n"
           "  --cue-charset NAME     its character set (e.g. windows-1252, Shift_JIS, EUC-KR),\n"
           "                         instead of detecting it\n"
           "Per track (N = position of the track, from 1):\n"
           "  --track-title N:TEXT, --track-artist N:TEXT\n"
           "  --isrc N:CC-OOO-YY-DDDDD (or the 12 characters without hyphens)\n"
           "Layout:\n"
           "  --pause P              silence before every track but the first, in 1/44100 s\n"
           "                         (0..200000, rounded up to 1/75 s frames; default 150)\n"
           "  --dst-compression N    DST prediction order 1..128 (default 128)\n"
           "  --dst-stereo           the stereo area DST-coded too\n"
           "  --no-encode            the multichannel area as uncompressed DST frames\n"
           "DSD Disc (instead of an SACD image):\n"
           "  --dsd-disc             a UDF disc of DSF files: /DSD_DISC/<title>/NN - <track>.dsf\n"
           "  --title TEXT           its title and volume identifier (default: the album)\n"
           "  --no-playlist          leave out the playlist /DSD_DISC/<title>.ovp\n"
           "Checking and reading:\n"
           "  --verify               read the finished image back and compare every track\n"
           "  --inspect IMAGE        print the image's tables and texts (a DSD Disc: its files)\n"
           "  --extract IMAGE DIR    write every area's tracks as DSF files into DIR\n"
           "                         (a DSD Disc: copy its files)\n"
           "  --help, --version\n"
           "\n"
           "A line \"stop\" on standard input finishes the current track, closes the image\n"
           "with the finished tracks and exits with -61.\n"
           "Exit codes: 0 success, 1 invalid input, 2 usage, 3 output not written, -61 stopped.\n";
}

} // namespace orvi::engine::cli
