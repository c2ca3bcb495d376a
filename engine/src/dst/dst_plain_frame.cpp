#include "dst/dst_codec.h"

namespace orvi::engine::dst {

std::vector<uint8_t> plainFrame(std::span<const uint8_t> dsd)
{
    std::vector<uint8_t> frame;
    frame.reserve(dsd.size() + 1);
    frame.push_back(0x00); // DST_Coded = 0, then seven zero bits
    frame.insert(frame.end(), dsd.begin(), dsd.end());
    return frame;
}

} // namespace orvi::engine::dst
