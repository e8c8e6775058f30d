// The program's sound effects on SDL2_mixer: std and SDL only, so that the
// player can be tested without any window.
#pragma once

#include <memory>
#include <string>

struct Mix_Chunk;

namespace platform {

// Plays one sound file at a time in the background. The mixer is global to the
// process, so the program keeps a single player; it is called from the GUI
// thread only.
class SoundPlayer
{
public:
    SoundPlayer() = default;
    ~SoundPlayer();

    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Stops the sound that still plays and starts the file at `path` once,
    // returning without waiting for it. `path` is in the file system's own
    // encoding and is looked up anew at each call; a file that is missing or
    // cannot be decoded plays the system's default sound instead. Nothing is
    // reported: without a working audio device the call does nothing.
    void play(const std::string& path);

private:
    struct ChunkDeleter
    {
        void operator()(Mix_Chunk* chunk) const;
    };

    bool openDevice();

    bool m_deviceOpen = false;
    std::unique_ptr<Mix_Chunk, ChunkDeleter> m_playing;
};

} // namespace platform
