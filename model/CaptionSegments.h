// The breadcrumb of a pane's caption: which path levels the settings let it show, and which
// of them fit into its width.
#pragma once

#include <cstddef>
#include <span>

namespace sv
{

struct SegmentRules
{
    size_t segmentCount = 0; // levels 0 (the desktop) to the folder's number of ids
    bool showDesktop = false;
    bool showComputer = false;
    bool fullNetworkPath = false;
    bool belowComputer = false;     // the folder lies below Computer
    bool belowNetworkRoot = false;  // the folder lies below the network root and is longer than it
};

// The first level the settings let the caption show.
size_t FirstAllowedSegment(const SegmentRules& rules);

inline constexpr int kCaptionLeftMargin = 4;
inline constexpr int kCaptionChevronWidth = 12;
inline constexpr int kSegmentArrowWidth = 11;
inline constexpr int kSegmentPadding = 12; // every segment but the last: text + 12

// From the last segment leftwards, the segments whose widths fit into `width` next to the
// left margin, never before `firstAllowed`; the last always shows. Returns the first shown.
size_t FirstVisibleSegment(std::span<const int> widths, size_t firstAllowed, int width);

} // namespace sv
