#include "soundplayer.h"

#include "defaultsound.h"
#include "mixerlibrary.h"

#include <filesystem>
#include <system_error>

namespace platform {

namespace {

// One channel is enough: the program never plays two sounds at once.
constexpr int EffectChannel = 0;

Mix_Chunk* loadFile(const MixerLibrary& mix, const std::string& path)
{
    // Only regular files are opened: a FIFO would block the GUI thread until
    // someone writes to it, and a device such as /dev/zero never ends.
    std::error_code error;
    if (!std::filesystem::is_regular_file(std::filesystem::path(path), error))
        return nullptr;
    return mix.LoadWAV_RW(mix.RWFromFile(path.c_str(), "rb"), 1);
}

Mix_Chunk* loadDefaultSound(const MixerLibrary& mix)
{
    for (const std::string& candidate : alertSoundCandidates()) {
        if (Mix_Chunk* chunk = loadFile(mix, candidate))
            return chunk;
    }
    const std::vector<std::uint8_t> wav = fallbackToneWav();
    return mix.LoadWAV_RW(mix.RWFromConstMem(wav.data(), static_cast<int>(wav.size())), 1);
}

} // namespace

// Chunks exist only once the mixer is bound.
void SoundPlayer::ChunkDeleter::operator()(Mix_Chunk* chunk) const
{
    MixerLibrary::get()->FreeChunk(chunk);
}

SoundPlayer::~SoundPlayer()
{
    if (!m_deviceOpen)
        return;
    const MixerLibrary& mix = *MixerLibrary::get();
    mix.HaltChannel(-1);
    m_playing.reset();
    mix.CloseAudio();
    mix.Quit();
    mix.QuitSubSystem(SDL_INIT_AUDIO);
}

void SoundPlayer::play(const std::string& path)
{
    if (!openDevice())
        return;
    const MixerLibrary& mix = *MixerLibrary::get();

    // Decoding happens here, before the call returns, so the caller may drop
    // `path` at once, and a file changed on disk counts from the next call.
    Mix_Chunk* next = loadFile(mix, path);
    if (next == nullptr)
        next = loadDefaultSound(mix);

    mix.HaltChannel(EffectChannel);
    m_playing.reset(next);
    if (m_playing)
        mix.PlayChannelTimed(EffectChannel, m_playing.get(), 0, -1);
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
    mix->AllocateChannels(1);
    m_deviceOpen = true;
    return true;
}

} // namespace platform
