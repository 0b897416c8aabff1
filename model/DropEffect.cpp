#include "DropEffect.h"

#include <initializer_list>

namespace sv
{

uint32_t ChooseDropEffect(uint32_t allowed, uint32_t keys, bool sameDrive)
{
    const bool control = (keys & kDropKeyControl) != 0;
    const bool shift = (keys & kDropKeyShift) != 0;
    uint32_t wanted = sameDrive ? kEffectMove : kEffectCopy;
    if ((control && shift) || (keys & kDropKeyAlt))
        wanted = kEffectLink;
    else if (control)
        wanted = kEffectCopy;
    else if (shift)
        wanted = kEffectMove;
    if (allowed & wanted) return wanted;
    // Keys ask for what the source refuses: nothing happens. Without keys, the next best.
    if (control || shift || (keys & kDropKeyAlt)) return kEffectNone;
    for (const uint32_t effect : {kEffectCopy, kEffectMove, kEffectLink})
    {
        if (allowed & effect) return effect;
    }
    return kEffectNone;
}

} // namespace sv
