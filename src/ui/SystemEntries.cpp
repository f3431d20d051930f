#include "ui/SystemEntries.h"

#include "base/EntryPoint.h"
#include "base/Handles.h"
#include "base/SystemLibrary.h"

namespace {

struct Bound {
    ModuleHandle msimg32 = LoadSystemLibrary(L"msimg32.dll");
    SystemEntries entries{BindEntry<decltype(&::AlphaBlend)>(msimg32.Get(), "AlphaBlend"),
                          BindEntry<decltype(&::TransparentBlt)>(msimg32.Get(), "TransparentBlt")};
};

} // namespace

const SystemEntries& BoundEntries()
{
    static const Bound bound;
    return bound.entries;
}
