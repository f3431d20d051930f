// The in-memory INI: parsing, its text form and every lookup the skin reader makes.
// Lookups start where the last one ended; their answers must not depend on the order
// they are asked in, so each is compared with the first match in the file's text.
#include <algorithm>
#include <cstring>
#include <map>
#include <string>

#include "Fuzz.h"
#include "base/IniFile.h"
#include "base/StringList.h"

namespace {

std::string Lower(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return out;
}

// The first value of each key per section, read from the normalised text form, in
// which every key line is "key=value" and every section line "[name]".
std::map<std::pair<std::string, std::string>, std::string> FirstValues(const std::string& text)
{
    std::map<std::pair<std::string, std::string>, std::string> values;
    std::string section;
    ForEachLine(text, [&](std::string_view line) {
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            section = Lower(line.substr(1, line.size() - 2));
        } else if (const size_t equals = line.find('='); equals != std::string_view::npos) {
            values.emplace(std::pair{section, Lower(line.substr(0, equals))}, std::string(line.substr(equals + 1)));
        }
    });
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const TMemIniFile ini(AsText(data, size));
    const std::string text = ini.Text();
    FUZZ_CHECK(TMemIniFile(text).Text() == text);

    const auto expected = FirstValues(text);
    // Ask for the keys in an order the input picks: forward, backward, and by stride.
    std::vector<std::pair<std::string, std::string>> asks;
    for (const std::string& section : ini.SectionNames()) {
        FUZZ_CHECK(ini.SectionExists(section));
        for (const std::string& key : ini.SectionKeys(section)) asks.emplace_back(section, key);
    }
    // A lookup may scan its whole section: a few hundred keep an input cheap.
    asks.resize(std::min<size_t>(asks.size(), 300));
    const size_t stride = size == 0 ? 1 : 1 + data[0] % 7;
    for (int pass = 0; pass < 2; ++pass) {
        for (size_t start = 0; start < std::min<size_t>(stride, asks.size()); ++start)
            for (size_t i = start; i < asks.size(); i += stride) {
                const auto& [section, key] = asks[i];
                const auto value = ini.Value(section, key);
                FUZZ_CHECK(value && *value == expected.at({Lower(section), Lower(key)}));
                FUZZ_CHECK(ini.ReadString(Lower(section), key, "") == *value);
                FUZZ_CHECK(ini.ReadInteger(section, key, 7) == ParseInteger(*value).value_or(7));
            }
        std::reverse(asks.begin(), asks.end());
    }

    // A copy reads the same, and writes land where reads find them.
    TMemIniFile copy(ini);
    FUZZ_CHECK(copy.Text() == text);
    const std::string value(AsText(data, std::min<size_t>(size, 8)));
    copy.WriteString("fuzz", "key", value);
    FUZZ_CHECK(copy.Value("FUZZ", "KEY") == std::string_view(value));
    int32_t number = 0;
    std::memcpy(&number, data, std::min<size_t>(size, 4));
    copy.WriteInteger("fuzz", "number", number);
    FUZZ_CHECK(copy.ReadInteger("Fuzz", "Number", number ^ 1) == number);
    return 0;
}
