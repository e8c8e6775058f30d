// SDL2_mixer, bound when the first sound plays rather than when the program
// starts. Linked in, the mixer would load some forty libraries of decoders and
// sound servers at every start, although sound effects start OFF; bound late,
// a missing library also only silences the effects.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

namespace platform {

struct MixerLibrary
{
    // The process-wide binding, made at the first call and kept; nullptr when
    // the library or one of its functions cannot be found.
    static const MixerLibrary* get();

    decltype(&SDL_SetHint) SetHint = nullptr;
    decltype(&SDL_InitSubSystem) InitSubSystem = nullptr;
    decltype(&SDL_QuitSubSystem) QuitSubSystem = nullptr;
    decltype(&SDL_RWFromFile) RWFromFile = nullptr;
    decltype(&SDL_RWFromConstMem) RWFromConstMem = nullptr;
    decltype(&SDL_TLSCleanup) TLSCleanup = nullptr;
    decltype(&Mix_OpenAudio) OpenAudio = nullptr;
    decltype(&Mix_CloseAudio) CloseAudio = nullptr;
    decltype(&Mix_Quit) Quit = nullptr;
    decltype(&Mix_LoadMUS_RW) LoadMUS_RW = nullptr;
    decltype(&Mix_FreeMusic) FreeMusic = nullptr;
    decltype(&Mix_GetMusicType) GetMusicType = nullptr;
    decltype(&Mix_MusicDuration) MusicDuration = nullptr;
    decltype(&Mix_PlayMusic) PlayMusic = nullptr;
    decltype(&Mix_HaltMusic) HaltMusic = nullptr;
};

} // namespace platform
