#pragma once

// Values the form is built with and the job builder compares against: the
// engine applies its own defaults when the default pause and order are left.
namespace orvi {

inline constexpr int kDefaultPauseFrames = 150;
inline constexpr int kMaximumPauseFrames = 200000;
inline constexpr int kDefaultDstOrder = 128;
inline constexpr int kMinimumDstOrder = 1;
inline constexpr int kMaximumDstOrder = 128;
inline constexpr int kCoverPreviewSize = 120;

} // namespace orvi
