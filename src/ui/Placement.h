#pragma once
#include "base/Win32.h"

// The position and size accessors of everything placed (pages, controls), made from
// the two each has: Bounds(), in its parent's coordinates (the screen's for a page),
// and SetBounds(left, top, width, height).
template <typename Placed>
class Placement {
public:
    int Left() const { return Self().Bounds().left; }
    int Top() const { return Self().Bounds().top; }
    int Width() const
    {
        const RECT r = Self().Bounds();
        return r.right - r.left;
    }
    int Height() const
    {
        const RECT r = Self().Bounds();
        return r.bottom - r.top;
    }
    void SetLeft(int left) { Self().SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { Self().SetBounds(Left(), top, Width(), Height()); }
    void SetSize(int width, int height) { Self().SetBounds(Left(), Top(), width, height); }

protected:
    Placement() = default;
    ~Placement() = default;

private:
    const Placed& Self() const { return static_cast<const Placed&>(*this); }
    Placed& Self() { return static_cast<Placed&>(*this); }
};
