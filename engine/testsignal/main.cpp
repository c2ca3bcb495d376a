// OrviTestSignal: DSD test files for tests, benchmarks and by hand.

#include "pcm_input.h"
#include "orvi_lathe_arguments.h"
#include "signal/test_signal.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

using namespace orvi::engine;
using namespace orvi::engine::signal;

namespace {

const char* const kUsage =
    "usage: OrviTestSignal [--format dsf|dff] [--seconds S] [--freq HZ[,HZ...]] [--level DB] [--noise DB]\n"
    "                      [--channels N]"
    " [--rate HZ] [--silence] [--title T] [--artist A] [--album A] [--album-artist A]\n"
    "                      [--composer C] [--genre G] [--date D] [--isrc I] [--publisher P] [--copyright C]\n"
    "                      [--id3v2.3] [--diin-title T] [--diin-artist A] [--dst ORDER] [--from-pcm WAV]\n"
    "                      -o OUTPUT\n"
    "Writes sine tones (default 1000 Hz at -6 dB peak for 1 s, stereo DSD64), optionally with\n"
    "white noise (--noise: its peak level), or DSD silence. Peaks above -5 dB are refused.\n"
    "The format follows OUTPUT's suffix unless --format is given. Tag options go into an\n"
    "ID3v2 tag; --diin-* into a DSDIFF DIIN chunk. --dst writes a DSDIFF file of DST frames\n"
    "coded with prediction orders up to ORDER (1..128). --from-pcm converts a WAV file (16/24/32-bit\n"
    "integer or 32-bit float, any rate, 1..6 channels) to DSD64 at -6 dB instead of writing tones.\n";

int usageError(const std::string& problem)
{
    std::fprintf(stderr, "error: %s\n%s", problem.c_str(), kUsage);
    return 2;
}

bool parseNumber(const std::string& text, double& value)
{
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return !text.empty() && end && *end == '\0';
}

} // namespace

int main(int rawArgc, char** rawArgv)
{
    orvi::engine::Utf8Arguments arguments(rawArgc, rawArgv);
    const int argc = arguments.count();
    char** argv = arguments.pointers();
    SignalParameters spec;
    TagFields tag;
    DsdFileText text;
    std::string output, format, pcmInput;
    double seconds = 1.0;
    int dstOrder = 0;
    const std::map<std::string_view, std::string*> tagOptions = {
        {"--title", &tag.title},
        {"--artist", &tag.artist},
        {"--album", &tag.album},
        {"--album-artist", &tag.albumArtist},
        {"--composer", &tag.composer},
        {"--genre", &tag.genre},
        {"--date", &tag.date},
        {"--isrc", &tag.isrc},
        {"--publisher", &tag.publisher},
        {"--copyright", &tag.copyright},
        {"--diin-title", &text.diinTitle},
        {"--diin-artist", &text.diinArtist},
        {"--format", &format},
        {"-o", &output},
        {"--from-pcm", &pcmInput},
    };
    const std::map<std::string_view, double*> numberOptions = {{"--seconds", &seconds}, {"--level", &spec.levelDb}};

    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--help") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (option == "--silence") {
            spec.silence = true;
            continue;
        }
        if (option == "--id3v2.3") {
            tag.version = 3;
            continue;
        }
        if (i + 1 >= argc)
            return usageError(std::string(option) + " needs a value");
        const std::string value = argv[++i];
        double number = 0.0;
        if (const auto found = tagOptions.find(option); found != tagOptions.end()) {
            *found->second = value;
        } else if (const auto numeric = numberOptions.find(option); numeric != numberOptions.end()) {
            if (!parseNumber(value, *numeric->second))
                return usageError(std::string(option) + ": not a number: " + value);
        } else if (option == "--freq") {
            std::vector<double> frequencies;
            for (const auto& part : QString::fromStdString(value).split(QLatin1Char(','))) {
                if (!parseNumber(part.trimmed().toStdString(), number) || number <= 0)
                    return usageError("--freq: not a list of frequencies: " + value);
                frequencies.push_back(number);
            }
            spec.frequency = frequencies.front();
            spec.moreFrequencies.assign(frequencies.begin() + 1, frequencies.end());
        } else if (option == "--noise") {
            if (!parseNumber(value, number))
                return usageError("--noise: not a number: " + value);
            spec.noiseDb = number;
        } else if (option == "--dst") {
            if (!parseNumber(value, number) || number < 1 || number > 128 || number != static_cast<int>(number))
                return usageError("--dst: not an order 1..128: " + value);
            dstOrder = static_cast<int>(number);
        } else if (option == "--channels" || option == "--rate") {
            if (!parseNumber(value, number) || number < 1 || number != static_cast<uint32_t>(number))
                return usageError(std::string(option) + ": not a positive whole number: " + value);
            if (option == "--channels")
                spec.channels = static_cast<int>(number);
            else
                spec.sampleRate = static_cast<uint32_t>(number);
        } else {
            return usageError("unknown option " + std::string(option));
        }
    }
    if (output.empty())
        return usageError("no output file (-o)");
    if (format.empty())
        format = dstOrder > 0                                                         ? "dff"
            : output.size() >= 4 && output.compare(output.size() - 4, 4, ".dff") == 0 ? "dff"
                                                                                      : "dsf";
    if (format != "dsf" && format != "dff")
        return usageError("--format must be dsf or dff, not " + format);
    if (dstOrder > 0 && format != "dff")
        return usageError("--dst writes DSDIFF only");
    if (spec.channels > 6)
        return usageError("--channels must be 1..6");
    if (seconds <= 0)
        return usageError("--seconds must be above 0");
    if (peakAmplitude(spec) > std::pow(10.0, kLoudestStableLevelDb / 20.0) + 1e-9)
        return usageError("--level and --noise together above -5 dB overload the modulator");
    const auto aboveNyquist = [&](double frequency) { return frequency >= spec.sampleRate / 2.0; };
    if (aboveNyquist(spec.frequency)
        || std::any_of(spec.moreFrequencies.begin(), spec.moreFrequencies.end(), aboveNyquist))
        return usageError("--freq must lie between 0 and half the sample rate");

    spec.bytesPerChannel = bytesForSeconds(seconds, spec.sampleRate);
    if (hasAnyText(tag))
        text.id3Tag = renderId3Tag(tag);
    std::string error;
    const DsdFileFormat fileFormat = dstOrder > 0 ? DsdFileFormat::DstDsdiff
        : format == "dff"                         ? DsdFileFormat::Dsdiff
                                                  : DsdFileFormat::Dsf;
    const bool written = pcmInput.empty() ? writeTestSignal(spec, fileFormat, text, output, error, dstOrder)
                                          : convertPcmFile(pcmInput, output, fileFormat, text, dstOrder, error);
    if (!written) {
        std::fprintf(stderr, "error: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
