#include "framework/SkinLibrary.h"

#include "framework/EntryPoint.h"
#include "framework/Handles.h"
#include "framework/SystemLibrary.h"

namespace {

struct State {
    SkinLibrary entries;
    ModuleHandle msimg32;
    bool started = false;
};

State& Library()
{
    static State state;
    return state;
}

} // namespace

void StartSkinLibrary()
{
    State& s = Library();
    if (s.started) return;
    s.started = true;
    SkinLibrary& e = s.entries;
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    e.MonitorFromWindow = BindEntry<SkinLibrary::MonitorFromWindowProc>(user32, "MonitorFromWindow");
    e.GetMonitorInfoA = BindEntry<SkinLibrary::GetMonitorInfoAProc>(user32, "GetMonitorInfoA");
    e.GetScrollBarInfo = BindEntry<SkinLibrary::GetScrollBarInfoProc>(user32, "GetScrollBarInfo");
    e.SetLayeredWindowAttributes = BindEntry<SkinLibrary::SetLayeredWindowAttributesProc>(user32, "SetLayeredWindowAttributes");
    e.UpdateLayeredWindow = BindEntry<SkinLibrary::UpdateLayeredWindowProc>(user32, "UpdateLayeredWindow");

    OSVERSIONINFOW version{sizeof version};
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExW(&version);
#pragma GCC diagnostic pop
    if (version.dwMajorVersion >= 5) {
        s.msimg32 = LoadSystemLibrary(L"msimg32.dll");
        e.TransparentBlt = BindEntry<SkinLibrary::TransparentBltProc>(s.msimg32.Get(), "TransparentBlt");
        e.AlphaBlend = BindEntry<SkinLibrary::AlphaBlendProc>(s.msimg32.Get(), "AlphaBlend");
        e.TransparentBltAvailable = s.msimg32.Get() != nullptr;
    }
    e.IsNT = version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

void StopSkinLibrary()
{
    State& s = Library();
    s.entries = {};
    s.msimg32.Reset();
    s.started = false;
}

const SkinLibrary& SkinEntries()
{
    StartSkinLibrary();
    return Library().entries;
}
