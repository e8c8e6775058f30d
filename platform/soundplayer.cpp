#include "soundplayer.h"

#include "defaultsound.h"
#include "mixerlibrary.h"

#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

namespace platform {

namespace {

// The sounds play through the mixer's music interface, which reads and decodes
// the file bit by bit while it plays and holds one piece at a time, rather than
// as chunks, which are decoded whole before they start: a chunk of a long file
// costs its whole length in memory and in time, and a MIDI file of a few bytes
// can stand for hours of sound.
struct MusicDeleter
{
    void operator()(Mix_Music* music) const { MixerLibrary::get()->FreeMusic(music); }
};
using Music = std::unique_ptr<Mix_Music, MusicDeleter>;

// The WAV, Ogg Vorbis and FLAC readers hand each block they read to the
// resampler at the file's own rate, and the resampler converts a whole block at
// once: at a few hertz one block of a small file becomes hundreds of megabytes
// at the device's rate. Real recordings in these formats spend far more than
// this many bytes per second of sound; a file that spends fewer has such a rate
// or a length that its header claims and its data lacks, and is treated as
// unplayable. The other readers make their sound at the device's rate.
constexpr double MinimumBytesPerSecond = 1000.0;

bool isPlayable(const MixerLibrary& mix, Mix_Music* music, std::uintmax_t bytes)
{
    if (music == nullptr)
        return false;
    // Negative where the reader cannot tell (MIDI, for one).
    const double seconds = mix.MusicDuration(music);
    if (seconds == 0.0)
        return false;
    switch (mix.GetMusicType(music)) {
    case MUS_WAV:
    case MUS_OGG:
    case MUS_FLAC:
        return seconds > 0.0 && static_cast<double>(bytes) >= MinimumBytesPerSecond * seconds;
    default:
        return true;
    }
}

Music loadFile(const MixerLibrary& mix, const std::string& path)
{
    // Only regular files are opened: a FIFO would block the loader until
    // someone writes to it, and a device such as /dev/zero never ends.
    std::error_code error;
    const std::filesystem::path file(path);
    if (!std::filesystem::is_regular_file(file, error))
        return nullptr;
    const std::uintmax_t bytes = std::filesystem::file_size(file, error);
    if (error)
        return nullptr;
    Music music(mix.LoadMUS_RW(mix.RWFromFile(path.c_str(), "rb"), 1));
    return isPlayable(mix, music.get(), bytes) ? std::move(music) : nullptr;
}

Music loadDefaultSound(const MixerLibrary& mix)
{
    for (const std::string& candidate : alertSoundCandidates()) {
        if (Music music = loadFile(mix, candidate))
            return music;
    }
    // The music reads from this memory while it plays, so it is never freed.
    static const std::vector<std::uint8_t> wav = fallbackToneWav();
    return Music(mix.LoadMUS_RW(mix.RWFromConstMem(wav.data(), static_cast<int>(wav.size())), 1));
}

} // namespace

SoundPlayer::~SoundPlayer()
{
    if (!m_deviceOpen)
        return;
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_loader.join();
    const MixerLibrary& mix = *MixerLibrary::get();
    mix.CloseAudio();
    mix.Quit();
    mix.QuitSubSystem(SDL_INIT_AUDIO);
}

// The file is opened and its reader set up on a thread of the player's own:
// a MIDI file, for one, loads the synthesiser's instruments first, and this
// call returns at once whatever the file is. The path is copied here, so the
// caller may drop it at once, and a file changed on disk counts from the next
// call.
void SoundPlayer::play(const std::string& path)
{
    if (!openDevice())
        return;
    {
        const std::lock_guard lock(m_mutex);
        m_request = path;
    }
    m_wake.notify_one();
}

void SoundPlayer::runLoader()
{
    const MixerLibrary& mix = *MixerLibrary::get();
    Music playing;
    for (;;) {
        std::string path;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stopping || m_request.has_value(); });
            if (m_stopping)
                break;
            path = std::move(*m_request);
            m_request.reset();
        }
        Music next = loadFile(mix, path);
        if (!next)
            next = loadDefaultSound(mix);
        {
            // A call that came while this file loaded would cut it short at
            // once: it is not started at all.
            const std::lock_guard lock(m_mutex);
            if (m_stopping)
                break;
            if (m_request.has_value())
                continue;
        }
        mix.HaltMusic();
        playing = std::move(next);
        if (playing)
            mix.PlayMusic(playing.get(), 0);
    }
    mix.HaltMusic();
    // SDL keeps its error text per thread; a thread that SDL did not start
    // must give that back itself.
    mix.TLSCleanup();
}

// The device is opened at the first sound, not with the player, so that a
// program whose sound effects stay off never touches the audio system. A
// failed open is tried again at the next call: a sound server started or a
// device plugged in later then still works, and a failing open returns quickly.
bool SoundPlayer::openDevice()
{
    if (m_deviceOpen)
        return true;
    const MixerLibrary* mix = MixerLibrary::get();
    if (mix == nullptr)
        return false;

    // The GUI toolkit owns the process's signals.
    mix->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (mix->InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    // 1024 frames keep the delay from click to sound near 20 ms.
    if (mix->OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        mix->QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    m_deviceOpen = true;
    m_loader = std::thread(&SoundPlayer::runLoader, this);
    return true;
}

} // namespace platform
