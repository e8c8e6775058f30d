// SDL's disk audio driver writes the mixed output as raw samples to a file;
// these helpers make tone files for a player to play and read that output
// back, looking for the tones by frequency. SDL and std only, so that both the
// player's GoogleTest tests and the windows' Qt tests can use them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

// The bytes of a WAV file holding a sine tone: mono, 16-bit, at `rate`.
std::vector<char> toneWav(double hz, int milliseconds, std::uint32_t rate = 44100);

void writeFile(const std::filesystem::path& file, const std::vector<char>& bytes);

// What the disk driver has written so far: the first channel, cut into 20 ms
// windows. The device's format is read from the mixer of this process once it
// is open, so the reader must live in the process that plays.
class DiskOutput
{
public:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    explicit DiskOutput(std::filesystem::path file) : m_file(std::move(file)) {}

    void reload();

    std::size_t windowCount() const;
    bool isSilent(std::size_t window) const;

    // The share of the window's energy at `hz`, by a Goertzel filter: near 1
    // for a pure tone at that frequency, near 0 for any other.
    bool isTone(std::size_t window, double hz) const;

    std::size_t findTone(double hz, std::size_t from = 0) const;
    std::size_t countTone(double hz) const;

    // Whether the first channel holds `pattern` anywhere, sample for sample.
    bool contains(const std::vector<std::int16_t>& pattern) const;

    // Reloads until `done` holds. The driver writes at the pace of playback,
    // so the bounds only keep a broken player from hanging the run.
    bool waitUntil(const std::function<bool(const DiskOutput&)>& done);
    std::size_t waitForTone(double hz, std::size_t from = 0);
    bool waitForWindows(std::size_t count);

private:
    std::size_t windowFrames() const;
    double energy(std::size_t window) const;

    std::filesystem::path m_file;
    int m_rate = 0;
    std::size_t m_channels = 0;
    std::vector<std::int16_t> m_samples;
};
