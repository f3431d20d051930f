#pragma once
#include <string>
#include <string_view>
#include <vector>

// Lines of text: read from text split at CR, LF or CR LF; written with CR LF after
// every line.
class TStringList {
public:
    std::vector<std::string> Lines;

    void SetText(std::string_view text);
    std::string Text() const;
    size_t Count() const { return Lines.size(); }
    const std::string& operator[](size_t index) const { return Lines[index]; }
    void Add(std::string line) { Lines.push_back(std::move(line)); }
};
