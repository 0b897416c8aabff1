#include "CaptionSegments.h"

namespace sv
{

size_t FirstAllowedSegment(const SegmentRules& rules)
{
    // A network folder starts at its server unless the whole path is asked for.
    if (!rules.fullNetworkPath && rules.belowNetworkRoot) return 4;
    if (rules.segmentCount < 2 || rules.showDesktop) return 0;
    if (rules.segmentCount < 3 || rules.showComputer || !rules.belowComputer) return 1;
    return 2;
}

size_t FirstVisibleSegment(std::span<const int> widths, size_t firstAllowed, int width)
{
    if (widths.empty()) return 0;
    const size_t last = widths.size() - 1;
    if (firstAllowed > last) firstAllowed = last;
    int used = kCaptionLeftMargin + widths[last];
    size_t first = last;
    while (first > firstAllowed)
    {
        // A chevron is needed as long as a level stays cut off.
        const int chevron = first - 1 > firstAllowed ? kCaptionChevronWidth : 0;
        if (used + widths[first - 1] + chevron > width) break;
        used += widths[first - 1];
        --first;
    }
    return first;
}

} // namespace sv
