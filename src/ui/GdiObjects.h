#pragma once
#include "base/Handles.h"
#include "base/Win32.h"

// Owners of GDI objects, one type for each kind: a brush cannot be handed on where a
// font is wanted, and no cast stands where one is used.
template <typename Object>
struct GdiObjectTraits {
    using Type = Object;
    static Type Empty() { return nullptr; }
    static void Close(Type h) { DeleteObject(h); }
};
struct MemoryDCTraits {
    using Type = HDC;
    static Type Empty() { return nullptr; }
    static void Close(Type h) { DeleteDC(h); }
};

using BitmapHandle = UniqueHandle<GdiObjectTraits<HBITMAP>>; // DIB sections, compatible bitmaps, masks
using BrushHandle = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using FontHandle = UniqueHandle<GdiObjectTraits<HFONT>>;
using PenHandle = UniqueHandle<GdiObjectTraits<HPEN>>;
using RegionHandle = UniqueHandle<GdiObjectTraits<HRGN>>;
using MemoryDC = UniqueHandle<MemoryDCTraits>; // CreateCompatibleDC
