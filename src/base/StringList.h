#pragma once
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

// Calls f with each line of text, split at CR, LF or CR LF.
template <typename F>
void ForEachLine(std::string_view text, F&& f)
{
    while (!text.empty()) {
        // memchr finds the breaks many bytes at a time.
        const char* begin = text.data();
        const auto* lf = static_cast<const char*>(std::memchr(begin, '\n', text.size()));
        const size_t lfAt = lf ? static_cast<size_t>(lf - begin) : text.size();
        const auto* cr = static_cast<const char*>(std::memchr(begin, '\r', lfAt));
        const size_t end = cr ? static_cast<size_t>(cr - begin) : lfAt;
        f(text.substr(0, end));
        if (end == text.size()) break;
        text.remove_prefix(end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1));
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
