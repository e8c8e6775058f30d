// The program's sound effects on SDL2_mixer: std and SDL only, so that the
// player can be tested without any window.
#pragma once

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace platform {

// Plays one sound file at a time in the background. The mixer is global to the
// process, so the program keeps a single player, which outlives its windows;
// it is called from the GUI thread only.
class SoundPlayer
{
public:
    SoundPlayer() = default;
    // Stops the sound that still plays.
    ~SoundPlayer();

    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Stops the sound that still plays and starts the file at `path` once,
    // returning at once, whatever the file holds. `path` is in the file
    // system's own encoding and is looked up anew at each call; a file that is
    // missing, cannot be decoded or yields no samples plays the system's
    // default sound instead. Nothing is reported: without a working audio
    // device the call does nothing.
    void play(const std::string& path);

private:
    bool openDevice();
    void runLoader();

    bool m_deviceOpen = false;

    // What the loader thread is to play next; only the newest call counts.
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<std::string> m_request;
    bool m_stopping = false;
    std::thread m_loader;
};

} // namespace platform
