#include "sound_import.h"

#if defined(_WIN32)
#include <windows.h>

#include <cstring>
#include <stdexcept>
#include <string>
#endif

namespace host {

#if defined(_WIN32)

namespace {

PANEL_SERVICES* sound_services = nullptr;

// Takes the place of PlaySoundA(file, module, flags) in every loaded gauge. The headless host plays no
// audio: the sound goes where a native module's does.
BOOL WINAPI play_sound_for_gauge(LPCSTR file, HMODULE, DWORD flags)
{
    if (sound_services && sound_services->play_sound) sound_services->play_sound(file, flags);
    return TRUE;
}

template <typename T>
T* at(void* base, DWORD offset)
{
    return reinterpret_cast<T*>(static_cast<char*>(base) + offset);
}

} // namespace

void route_sound_import(void* module_handle, PANEL_SERVICES* services)
{
    sound_services = services;
    auto* dos = static_cast<IMAGE_DOS_HEADER*>(module_handle);
    auto* nt = at<IMAGE_NT_HEADERS>(module_handle, dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0) return;

    // A slot of WINMM's is PlaySoundA's when the loader filled it with the real PlaySoundA, or when the
    // import lookup table beside it names PlaySoundA.
    HMODULE winmm = GetModuleHandleA("winmm.dll");
    const FARPROC real = winmm ? GetProcAddress(winmm, "PlaySoundA") : nullptr;
    for (auto* dll = at<IMAGE_IMPORT_DESCRIPTOR>(module_handle, imports.VirtualAddress); dll->Name; ++dll) {
        if (_stricmp(at<char>(module_handle, dll->Name), "winmm.dll") != 0) continue;
        auto* slot = at<IMAGE_THUNK_DATA>(module_handle, dll->FirstThunk);
        auto* name = dll->OriginalFirstThunk ? at<IMAGE_THUNK_DATA>(module_handle, dll->OriginalFirstThunk) : nullptr;
        for (; slot->u1.Function; ++slot, name = name ? name + 1 : nullptr) {
            bool play_sound = real && slot->u1.Function == reinterpret_cast<ULONG_PTR>(real);
            if (name && !IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal)) {
                auto* by_name = at<IMAGE_IMPORT_BY_NAME>(module_handle, static_cast<DWORD>(name->u1.AddressOfData));
                play_sound = play_sound || std::strcmp(reinterpret_cast<const char*>(by_name->Name), "PlaySoundA") == 0;
            }
            if (!play_sound) continue;
            DWORD was;
            if (!VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, PAGE_READWRITE, &was))
                throw std::runtime_error("cannot take over the module's sounds (Windows error " +
                                         std::to_string(GetLastError()) + ")");
            slot->u1.Function = reinterpret_cast<ULONG_PTR>(&play_sound_for_gauge);
            VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, was, &was);
        }
    }
}

#else

void route_sound_import(void*, PANEL_SERVICES*) {}

#endif

} // namespace host
