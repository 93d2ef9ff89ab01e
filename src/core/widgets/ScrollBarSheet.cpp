#include "core/widgets/ScrollBarSheet.h"

#include <algorithm>

namespace qx71::scrollbar {

Thumb ThumbOf(int trackLength, int minimum, int maximum, int page, int position)
{
    const int span = maximum - minimum;
    if (trackLength <= 0 || span <= 0) {
        return {0, std::max(0, trackLength)};
    }
    const long long total = static_cast<long long>(span) + std::max(0, page);
    int length = page > 0 ? static_cast<int>(static_cast<long long>(trackLength) * page / total)
                          : kMinimumThumb;
    length = std::clamp(length, std::min(kMinimumThumb, trackLength), trackLength);
    const int room = trackLength - length;
    const int clamped = std::clamp(position, minimum, maximum);
    const int offset = static_cast<int>(static_cast<long long>(room) * (clamped - minimum) / span);
    return {offset, length};
}

int PositionAt(int trackLength, int minimum, int maximum, int page, int offset)
{
    const Thumb thumb = ThumbOf(trackLength, minimum, maximum, page, minimum);
    const int room = trackLength - thumb.length;
    if (room <= 0) {
        return minimum;
    }
    const int clamped = std::clamp(offset, 0, room);
    return minimum + static_cast<int>(static_cast<long long>(maximum - minimum) * clamped / room);
}

} // namespace qx71::scrollbar
