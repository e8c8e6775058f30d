#include "mixerlibrary.h"

#include <dlfcn.h>

namespace platform {

namespace {

template <class Function> bool bind(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(::dlsym(library, name));
    return function != nullptr;
}

// Never unloaded: SDL's audio thread may outlive any object of ours.
MixerLibrary* load()
{
    void* library = ::dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr)
        return nullptr;
    static MixerLibrary mixer;
    // Looked up through the mixer, whose own dependency is SDL itself.
    const bool bound = bind(library, "SDL_SetHint", mixer.SetHint) &&
                       bind(library, "SDL_InitSubSystem", mixer.InitSubSystem) &&
                       bind(library, "SDL_QuitSubSystem", mixer.QuitSubSystem) &&
                       bind(library, "SDL_RWFromFile", mixer.RWFromFile) &&
                       bind(library, "SDL_RWFromConstMem", mixer.RWFromConstMem) &&
                       bind(library, "SDL_TLSCleanup", mixer.TLSCleanup) &&
                       bind(library, "Mix_OpenAudio", mixer.OpenAudio) &&
                       bind(library, "Mix_CloseAudio", mixer.CloseAudio) &&
                       bind(library, "Mix_Quit", mixer.Quit) &&
                       bind(library, "Mix_LoadMUS_RW", mixer.LoadMUS_RW) &&
                       bind(library, "Mix_FreeMusic", mixer.FreeMusic) &&
                       bind(library, "Mix_GetMusicType", mixer.GetMusicType) &&
                       bind(library, "Mix_MusicDuration", mixer.MusicDuration) &&
                       bind(library, "Mix_PlayMusic", mixer.PlayMusic) &&
                       bind(library, "Mix_HaltMusic", mixer.HaltMusic);
    return bound ? &mixer : nullptr;
}

} // namespace

const MixerLibrary* MixerLibrary::get()
{
    static const MixerLibrary* const mixer = load();
    return mixer;
}

} // namespace platform
