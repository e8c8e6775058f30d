// The answer step's sound call with a 1-second and a 10-minute WAV side by
// side: how long play() takes and the peak memory while the sound plays, on
// SDL's disk audio driver writing to /dev/null.
#include "diskaudio.h"
#include "soundplayer.h"

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace {

double peakMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Median time of `calls` calls of play(), each followed by a short pause in
// which the sound plays.
double medianMilliseconds(platform::SoundPlayer& player, const std::string& file, int calls)
{
    std::vector<double> times;
    for (int i = 0; i < calls; ++i) {
        const auto start = std::chrono::steady_clock::now();
        player.play(file);
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main()
{
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "velumo-soundplay";
    std::filesystem::create_directories(dir);
    const std::string shortFile = (dir / "short.wav").string();
    const std::string longFile = (dir / "long.wav").string();
    writeFile(shortFile, toneWav(500.0, 1000));
    writeFile(longFile, toneWav(500.0, 600 * 1000, 48000));

    platform::SoundPlayer player;
    player.play(shortFile); // opens the device
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    std::printf("file        play() median of 20   peak RSS after\n");
    const double before = peakMiB();
    const double shortMs = medianMilliseconds(player, shortFile, 20);
    std::printf("1 s WAV     %8.3f ms           %6.1f MiB (%+.1f)\n", shortMs, peakMiB(),
                peakMiB() - before);
    const double longMs = medianMilliseconds(player, longFile, 20);
    std::printf("10 min WAV  %8.3f ms           %6.1f MiB (%+.1f)\n", longMs, peakMiB(),
                peakMiB() - before);
    std::filesystem::remove_all(dir);
}
