#pragma once
#include <string>
#include <string_view>

#include "base/Component.h"
#include "base/StringList.h"

// Interface texts of skinned dialogs and menus, "KEY=text" lines; English at creation.
class TbsResourceStrData : public TComponent {
public:
    TbsResourceStrData();

    const TStringList& ResStrings() const { return resStrings_; }
    void SetResStrings(const TStringList& lines) { resStrings_ = lines; }
    // The text after "KEY=", or empty when the key is not there.
    std::string GetResStr(std::string_view key) const;

    int CharSet = 1; // the font character set skinned captions take (1: default)

private:
    TStringList resStrings_;
};
