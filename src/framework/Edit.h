#pragma once
#include <string>
#include <string_view>

#include "framework/Font.h"

class Page;

// A single-line edit box: a child window of its page.
class Edit {
public:
    Edit(Page& parent, int left, int top, int width, int height);
    Edit(const Edit&) = delete;
    Edit& operator=(const Edit&) = delete;
    ~Edit();

    HWND Handle() const { return handle_; }
    std::string Text() const;
    void SetText(std::string_view text);
    void SetEnabled(bool enabled);
    void SetFont(const FontSpec& spec);

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetBounds(int left, int top, int width, int height);

private:
    RECT Bounds() const;
    HWND handle_ = nullptr;
    GdiObject font_;
};
