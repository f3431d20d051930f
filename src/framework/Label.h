#pragma once
#include <string>

#include "framework/Font.h"
#include "framework/GraphicControl.h"

// A line of text drawn straight onto its page's background.
class Label : public GraphicControl {
public:
    explicit Label(Page& parent);

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string_view caption);
    void SetFont(const FontSpec& spec);

    void Paint(HDC dc) override;

private:
    std::string caption_;
    FontSpec spec_;
    GdiObject font_;
};
