#include "defaultsound.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string_view>

namespace platform {

namespace {

// The XDG rules ignore relative entries, so a stray "." never makes the
// current folder part of the lookup.
void addAbsolute(std::vector<std::string>& dirs, std::string_view dir)
{
    while (dir.size() > 1 && dir.back() == '/')
        dir.remove_suffix(1);
    if (!dir.empty() && dir.front() == '/')
        dirs.emplace_back(dir);
}

void appendLittleEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

} // namespace

std::vector<std::string> xdgDataDirs(const char* dataHome, const char* dataDirs, const char* home)
{
    std::vector<std::string> dirs;
    if (dataHome != nullptr && *dataHome != '\0')
        addAbsolute(dirs, dataHome);
    else if (home != nullptr && *home != '\0')
        addAbsolute(dirs, std::string(home) + "/.local/share");

    const std::string_view list =
        dataDirs != nullptr && *dataDirs != '\0' ? dataDirs : "/usr/local/share/:/usr/share/";
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(':', start), list.size());
        addAbsolute(dirs, list.substr(start, end - start));
        start = end + 1;
    }
    return dirs;
}

std::vector<std::string> alertSoundCandidates(const std::vector<std::string>& dataDirs)
{
    // "bell" is the theme's general alert, the nearest to a system's default
    // beep; "dialog-warning" stands in where a theme lacks it. A name found in
    // any folder wins over the next name, as in the sound theme lookup.
    static const char* const names[] = {"bell", "dialog-warning"};
    static const char* const extensions[] = {".oga", ".ogg", ".wav"};
    std::vector<std::string> candidates;
    for (const char* name : names) {
        for (const std::string& dir : dataDirs) {
            const std::string base = (dir == "/" ? "" : dir) + "/sounds/freedesktop/stereo/" + name;
            for (const char* extension : extensions)
                candidates.push_back(base + extension);
        }
    }
    return candidates;
}

std::vector<std::string> alertSoundCandidates()
{
    return alertSoundCandidates(xdgDataDirs(std::getenv("XDG_DATA_HOME"),
                                            std::getenv("XDG_DATA_DIRS"), std::getenv("HOME")));
}

std::vector<std::uint8_t> fallbackToneWav()
{
    constexpr std::uint32_t rate = 22050;
    constexpr std::uint32_t frames = rate / 4;
    // Fading in and out keeps the tone from starting and ending with a click.
    constexpr std::uint32_t fadeFrames = rate / 100;
    constexpr double amplitude = 0.4 * 32767.0;

    std::vector<std::uint8_t> bytes;
    bytes.reserve(44 + 2 * frames);
    bytes.insert(bytes.end(), {'R', 'I', 'F', 'F'});
    appendLittleEndian(bytes, 36 + 2 * frames, 4);
    bytes.insert(bytes.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    appendLittleEndian(bytes, 16, 4); // size of the format block
    appendLittleEndian(bytes, 1, 2);  // PCM
    appendLittleEndian(bytes, 1, 2);  // mono
    appendLittleEndian(bytes, rate, 4);
    appendLittleEndian(bytes, rate * 2, 4); // bytes per second
    appendLittleEndian(bytes, 2, 2);        // bytes per frame
    appendLittleEndian(bytes, 16, 2);       // bits per sample
    bytes.insert(bytes.end(), {'d', 'a', 't', 'a'});
    appendLittleEndian(bytes, 2 * frames, 4);
    for (std::uint32_t i = 0; i < frames; ++i) {
        const std::uint32_t edge = std::min(i, frames - 1 - i);
        const double gain = edge < fadeFrames ? static_cast<double>(edge) / fadeFrames : 1.0;
        const double phase = 2.0 * std::numbers::pi * FallbackToneFrequency * i / rate;
        const auto sample =
            static_cast<std::int16_t>(std::lround(amplitude * gain * std::sin(phase)));
        appendLittleEndian(bytes, static_cast<std::uint16_t>(sample), 2);
    }
    return bytes;
}

} // namespace platform
