// The effect of a drop that the program carries out itself, where the platform's drop
// target does nothing: from the effects the source allows and the keys held, as the shell's
// own browser chooses.
#pragma once

#include <cstdint>

namespace sv
{

inline constexpr uint32_t kEffectNone = 0;
inline constexpr uint32_t kEffectCopy = 1;
inline constexpr uint32_t kEffectMove = 2;
inline constexpr uint32_t kEffectLink = 4;

// Key-state bits of a drop.
inline constexpr uint32_t kDropKeyShift = 0x4;
inline constexpr uint32_t kDropKeyControl = 0x8;
inline constexpr uint32_t kDropKeyAlt = 0x20;

// Ctrl copies, Shift moves, Ctrl+Shift or Alt links; without keys a drop moves within one
// drive and copies across drives. Falls back to what the source allows; none when it allows
// nothing that fits.
uint32_t ChooseDropEffect(uint32_t allowed, uint32_t keys, bool sameDrive);

} // namespace sv
