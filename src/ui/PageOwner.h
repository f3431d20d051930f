#pragma once
#include <string>

#include "base/Win32.h"

class Page;

// What a page needs of the application that made it: the window that owns every page
// (and carries the one taskbar button), the title, and word of its activation, its
// end and a request to end the program.
class PageOwner {
public:
    virtual HWND Handle() const = 0;
    virtual const std::string& Title() const = 0;
    virtual void PageActivated(Page& page) = 0;
    virtual void PageDestroyed(Page& page) = 0;
    virtual void Terminate() = 0;

protected:
    ~PageOwner() = default;
};
