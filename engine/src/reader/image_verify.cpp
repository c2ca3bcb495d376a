#include "reader/image_verify.h"

#include "input/track_reader.h"
#include "reader/sacd_image.h"

#include <cstring>

namespace orvi::engine::reader {

namespace {

// Compares one image track with its input as the frames arrive.
class TrackComparison
{
public:
    TrackComparison(DsdSource& input, std::string name) : m_input(input), m_name(std::move(name)) {}

    void compare(const uint8_t* frame, size_t bytes)
    {
        if (!m_problem.empty() || m_inputEnded)
            return;
        m_buffer.resize(bytes);
        size_t filled = 0;
        while (filled < bytes) {
            std::string error;
            const int64_t got = m_input.read(m_buffer.data() + filled, bytes - filled, error);
            if (got < 0) {
                m_problem = error;
                return;
            }
            if (got == 0) {
                m_inputEnded = true;
                break;
            }
            filled += size_t(got);
        }
        for (size_t i = 0; i < filled; ++i) {
            if (m_buffer[i] != frame[i]) {
                m_problem = m_name + ": DSD data differs from the input at byte " + std::to_string(m_position + i);
                return;
            }
        }
        m_position += filled;
    }

    // The whole input must have been matched.
    std::string finish()
    {
        if (!m_problem.empty())
            return m_problem;
        if (!m_inputEnded) {
            uint8_t probe[64];
            std::string error;
            if (m_input.read(probe, sizeof probe, error) != 0)
                return m_name + ": the image holds only " + std::to_string(m_position) + " bytes of the input";
        }
        return {};
    }

private:
    DsdSource& m_input;
    std::string m_name;
    std::vector<uint8_t> m_buffer;
    uint64_t m_position = 0;
    bool m_inputEnded = false;
    std::string m_problem;
};

} // namespace

std::vector<std::string> verifyImage(const std::string& imagePath, const std::vector<std::string>& stereoInputs,
                                     const std::vector<std::string>& multichannelInputs)
{
    std::vector<std::string> problems;
    SacdImage image;
    std::string error;
    if (!image.open(imagePath, error))
        return {error};
    size_t number = 0;
    for (const bool multichannel : {false, true}) {
        const std::vector<std::string>& inputs = multichannel ? multichannelInputs : stereoInputs;
        const char* name = multichannel ? "multichannel" : "stereo";
        const AreaToc* area = multichannel ? image.multichannelArea() : image.stereoArea();
        if (!area) {
            if (!inputs.empty())
                problems.push_back(imagePath + ": the image has no " + name + " area");
            continue;
        }
        if (area->tracks.size() != inputs.size())
            problems.push_back(imagePath + ": the " + name + " area has " + std::to_string(area->tracks.size())
                               + " tracks, expected " + std::to_string(inputs.size()));
        for (size_t t = 0; t < inputs.size() && t < area->tracks.size(); ++t) {
            ++number;
            OpenedTrack input = openTrack(inputs[t]);
            if (!input.errors.empty()) {
                problems.insert(problems.end(), input.errors.begin(), input.errors.end());
                continue;
            }
            TrackComparison comparison(*input.source, "track " + std::to_string(number) + " (" + inputs[t] + ")");
            if (!image.readTrackFrames(
                    *area, t, [&](const uint8_t* frame, size_t bytes) { comparison.compare(frame, bytes); }, error)) {
                problems.push_back(imagePath + ": " + error);
                continue;
            }
            const std::string problem = comparison.finish();
            if (!problem.empty())
                problems.push_back(problem);
        }
    }
    return problems;
}

} // namespace orvi::engine::reader
