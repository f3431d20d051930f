#pragma once
#include <string>
#include <string_view>
#include <vector>

// Calls f with each line of text, split at CR, LF or CR LF.
template <typename F>
void ForEachLine(std::string_view text, F&& f)
{
    size_t start = 0;
    const size_t size = text.size();
    while (start < size) {
        size_t end = start;
        while (end < size && text[end] != '\r' && text[end] != '\n') ++end;
        f(text.substr(start, end - start));
        if (end == size) break;
        start = end + (text[end] == '\r' && end + 1 < size && text[end + 1] == '\n' ? 2 : 1);
    }
}

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
