#pragma once
#include "framework/Win32.h"

// Optional system entry points the skinned controls use where the system has them,
// bound once when the skin library starts; any may be missing (null).
struct SkinLibrary {
    using MonitorFromWindowProc = HMONITOR(WINAPI*)(HWND, DWORD);
    using GetMonitorInfoAProc = BOOL(WINAPI*)(HMONITOR, LPMONITORINFO);
    using GetScrollBarInfoProc = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
    using SetLayeredWindowAttributesProc = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
    using UpdateLayeredWindowProc = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*,
                                                  DWORD);
    using TransparentBltProc = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, UINT);
    using AlphaBlendProc = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);

    MonitorFromWindowProc MonitorFromWindow = nullptr;
    GetMonitorInfoAProc GetMonitorInfoA = nullptr;
    GetScrollBarInfoProc GetScrollBarInfo = nullptr;
    SetLayeredWindowAttributesProc SetLayeredWindowAttributes = nullptr;
    UpdateLayeredWindowProc UpdateLayeredWindow = nullptr;
    TransparentBltProc TransparentBlt = nullptr;
    AlphaBlendProc AlphaBlend = nullptr;
    bool TransparentBltAvailable = false;
    bool IsNT = false;
};

// Binds the entries (loading msimg32.dll from the system folder on systems from 5.0 on); Stop frees the library
// and forgets every entry. Entries() starts the library on first use.
void StartSkinLibrary();
void StopSkinLibrary();
const SkinLibrary& SkinEntries();
