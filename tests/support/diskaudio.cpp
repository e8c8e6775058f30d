#include "diskaudio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <numbers>
#include <thread>

std::vector<char> toneWav(double hz, int milliseconds, std::uint32_t rate)
{
    const auto frames = static_cast<std::uint32_t>(static_cast<std::uint64_t>(rate) *
                                                   static_cast<std::uint32_t>(milliseconds) / 1000);
    std::vector<char> bytes;
    const auto put = [&bytes](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    };
    const auto tag = [&bytes](const char* text) { bytes.insert(bytes.end(), text, text + 4); };
    tag("RIFF");
    put(36 + 2 * frames, 4);
    tag("WAVE");
    tag("fmt ");
    put(16, 4);
    put(1, 2); // PCM
    put(1, 2); // mono
    put(rate, 4);
    put(2 * rate, 4);
    put(2, 2);
    put(16, 2);
    tag("data");
    put(2 * frames, 4);
    for (std::uint32_t i = 0; i < frames; ++i) {
        const double value = 16000.0 * std::sin(2.0 * std::numbers::pi * hz * i / rate);
        put(static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(value))), 2);
    }
    return bytes;
}

void writeFile(const std::filesystem::path& file, const std::vector<char>& bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void DiskOutput::reload()
{
    int channels = 0;
    Uint16 format = 0;
    if (m_rate == 0 && Mix_QuerySpec(&m_rate, &format, &channels) != 0) {
        // Any other format reads as silence, so the tone checks fail.
        if (format == AUDIO_S16SYS)
            m_channels = static_cast<std::size_t>(channels);
        else
            std::fprintf(stderr, "DiskOutput: the device is not 16-bit; the tests read 16-bit "
                                 "samples only\n");
    }
    m_samples.clear();
    if (m_channels == 0)
        return;
    std::ifstream in(m_file, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    const std::size_t frameBytes = 2 * m_channels;
    for (std::size_t at = 0; at + frameBytes <= bytes.size(); at += frameBytes) {
        const auto low = static_cast<std::uint8_t>(bytes[at]);
        const auto high = static_cast<std::uint8_t>(bytes[at + 1]);
        m_samples.push_back(static_cast<std::int16_t>(low | (high << 8)));
    }
}

std::size_t DiskOutput::windowCount() const
{
    return windowFrames() == 0 ? 0 : m_samples.size() / windowFrames();
}

bool DiskOutput::isSilent(std::size_t window) const
{
    return energy(window) < 64.0 * 64.0;
}

bool DiskOutput::isTone(std::size_t window, double hz) const
{
    if (isSilent(window))
        return false;
    const double coefficient = 2.0 * std::cos(2.0 * std::numbers::pi * hz / m_rate);
    double s1 = 0.0;
    double s2 = 0.0;
    for (std::size_t i = 0; i < windowFrames(); ++i) {
        const double s = m_samples[window * windowFrames() + i] + coefficient * s1 - s2;
        s2 = s1;
        s1 = s;
    }
    const double power = s1 * s1 + s2 * s2 - coefficient * s1 * s2;
    const auto n = static_cast<double>(windowFrames());
    return 2.0 * power / (n * n * energy(window)) > 0.6;
}

std::size_t DiskOutput::findTone(double hz, std::size_t from) const
{
    for (std::size_t w = from; w < windowCount(); ++w) {
        if (isTone(w, hz))
            return w;
    }
    return npos;
}

std::size_t DiskOutput::countTone(double hz) const
{
    std::size_t count = 0;
    for (std::size_t w = 0; w < windowCount(); ++w)
        count += isTone(w, hz) ? 1 : 0;
    return count;
}

bool DiskOutput::contains(const std::vector<std::int16_t>& pattern) const
{
    return std::search(m_samples.begin(), m_samples.end(), pattern.begin(), pattern.end()) !=
           m_samples.end();
}

bool DiskOutput::waitUntil(const std::function<bool(const DiskOutput&)>& done)
{
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    for (;;) {
        reload();
        if (done(*this))
            return true;
        if (windowCount() > 50 * 10 || std::chrono::steady_clock::now() > giveUp)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

std::size_t DiskOutput::waitForTone(double hz, std::size_t from)
{
    waitUntil([&](const DiskOutput& out) { return out.findTone(hz, from) != npos; });
    return findTone(hz, from);
}

bool DiskOutput::waitForWindows(std::size_t count)
{
    return waitUntil([&](const DiskOutput& out) { return out.windowCount() >= count; });
}

std::size_t DiskOutput::windowFrames() const
{
    return static_cast<std::size_t>(m_rate) / 50;
}

double DiskOutput::energy(std::size_t window) const
{
    double sum = 0.0;
    for (std::size_t i = 0; i < windowFrames(); ++i) {
        const double x = m_samples[window * windowFrames() + i];
        sum += x * x;
    }
    return sum / static_cast<double>(windowFrames());
}
