// What plays in place of a sound file that is missing or cannot be decoded:
// the alert sound of the freedesktop sound theme where it is installed,
// otherwise a short tone made in memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// The folders that XDG data lookups search, most wanted first, for the given
// values of XDG_DATA_HOME, XDG_DATA_DIRS and HOME (nullptr where unset).
// Each folder comes back without a trailing '/'.
std::vector<std::string> xdgDataDirs(const char* dataHome, const char* dataDirs, const char* home);

// The files that may hold the theme's alert sound under those folders, in the
// order to try them.
std::vector<std::string> alertSoundCandidates(const std::vector<std::string>& dataDirs);

// The same, for the folders that the environment names right now.
std::vector<std::string> alertSoundCandidates();

inline constexpr double FallbackToneFrequency = 880.0;

// The tone for a system without the sound theme, as the bytes of a WAV file,
// so that it reaches the mixer through the same decoder as any sound file.
std::vector<std::uint8_t> fallbackToneWav();

} // namespace platform
