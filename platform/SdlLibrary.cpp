#include "SdlLibrary.h"

#include <QLibrary>
#include <optional>

const CSdlLibrary* CSdlLibrary::Get()
{
    static const std::optional<CSdlLibrary> library = []() -> std::optional<CSdlLibrary> {
        CSdlLibrary sdl;
        return sdl.Load() ? std::optional(sdl) : std::nullopt;
    }();
    return library ? &*library : nullptr;
}

bool CSdlLibrary::Load()
{
    // Stays loaded for the rest of the process: the audio thread may run until exit.
    static QLibrary library(QStringLiteral("SDL2-2.0"), 0);
    if (!library.load())
        return false;
    bool bAll = true;
    auto resolve = [&](auto& pfn, const char* szName) {
        pfn = reinterpret_cast<std::remove_reference_t<decltype(pfn)>>(library.resolve(szName));
        bAll = bAll && pfn;
    };
    resolve(SetHint, "SDL_SetHint");
    resolve(InitSubSystem, "SDL_InitSubSystem");
    resolve(QuitSubSystem, "SDL_QuitSubSystem");
    resolve(OpenAudioDevice, "SDL_OpenAudioDevice");
    resolve(CloseAudioDevice, "SDL_CloseAudioDevice");
    resolve(PauseAudioDevice, "SDL_PauseAudioDevice");
    resolve(QueueAudio, "SDL_QueueAudio");
    resolve(ClearQueuedAudio, "SDL_ClearQueuedAudio");
    resolve(GetQueuedAudioSize, "SDL_GetQueuedAudioSize");
    resolve(RWFromFile, "SDL_RWFromFile");
    resolve(LoadWAV_RW, "SDL_LoadWAV_RW");
    resolve(FreeWAV, "SDL_FreeWAV");
    resolve(BuildAudioCVT, "SDL_BuildAudioCVT");
    resolve(ConvertAudio, "SDL_ConvertAudio");
    return bAll;
}
