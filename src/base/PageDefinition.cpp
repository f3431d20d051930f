#include "base/PageDefinition.h"

#include <cctype>

#include "base/Exception.h"
#include "base/IniFile.h"
#include "base/StringList.h"

std::string PageError(std::string_view source, int line, std::string_view word, std::string_view what)
{
    return std::string(source) + ", line " + std::to_string(line) + ", '" + std::string(word) + "': " + std::string(what);
}

namespace {

bool IsIdentifierChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.'; }

class LineReader {
public:
    LineReader(std::string_view text, std::string_view source, int line) : text_(text), source_(source), line_(line) {}

    bool AtEnd()
    {
        SkipBlanks();
        return at_ >= text_.size() || text_[at_] == '#';
    }

    [[noreturn]] void Fail(std::string_view word, std::string_view what) const
    {
        throw Exception(PageError(source_, line_, word, what));
    }

    std::string Word()
    {
        SkipBlanks();
        const size_t start = at_;
        while (at_ < text_.size() && IsIdentifierChar(text_[at_])) ++at_;
        if (start == at_) Fail(Rest(), "a name is expected here");
        return std::string(text_.substr(start, at_ - start));
    }

    bool Take(char c)
    {
        SkipBlanks();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }

    PageValue Value()
    {
        SkipBlanks();
        const size_t start = at_;
        PageValue value{PageValue::Kind::Identifier};
        const char c = text_[at_];
        if (c == '"') {
            value.Type = PageValue::Kind::String;
            ++at_;
            for (;;) {
                if (at_ >= text_.size()) Fail(text_.substr(start), "the string is not closed");
                char d = text_[at_++];
                if (d == '"') break;
                if (d == '\\' && at_ < text_.size()) d = text_[at_++];
                value.Text += d;
            }
        } else if (c == '<') {
            value.Type = PageValue::Kind::File;
            const size_t end = text_.find('>', at_);
            if (end == std::string_view::npos) Fail(text_.substr(start), "the file name is not closed");
            value.Text = std::string(text_.substr(at_ + 1, end - at_ - 1));
            at_ = end + 1;
        } else if (c == '-' || c == '$' || std::isdigit(static_cast<unsigned char>(c))) {
            value.Type = PageValue::Kind::Integer;
            ++at_;
            while (at_ < text_.size() && std::isxdigit(static_cast<unsigned char>(text_[at_]))) ++at_;
            const auto parsed = ParseInteger(text_.substr(start, at_ - start));
            if (!parsed) Fail(text_.substr(start, at_ - start), "not a number");
            value.Number = *parsed;
        } else {
            value.Text = Word();
            if (value.Text == "yes" || value.Text == "no") {
                value.Type = PageValue::Kind::Boolean;
                value.Number = value.Text == "yes";
            }
        }
        value.Word = std::string(text_.substr(start, at_ - start));
        return value;
    }

    std::string_view Rest()
    {
        SkipBlanks();
        return text_.substr(at_, text_.find_first_of(" \t", at_) - at_);
    }

private:
    void SkipBlanks()
    {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) ++at_;
    }

    std::string_view text_, source_;
    int line_;
    size_t at_ = 0;
};

} // namespace

PageDefinition ParsePageDefinition(std::string_view text, std::string_view source)
{
    PageDefinition page;
    page.Source = source;
    TStringList lines;
    lines.SetText(text);
    enum { BeforePage, InPage, InComponent, AfterPage } state = BeforePage;
    int lineNumber = 0;
    for (const std::string& raw : lines.Lines) {
        LineReader line(raw, source, ++lineNumber);
        if (line.AtEnd()) continue;
        if (line.Take('}')) {
            if (state == InComponent) state = InPage;
            else if (state == InPage) state = AfterPage;
            else line.Fail("}", "nothing to close");
            if (!line.AtEnd()) line.Fail(line.Rest(), "unexpected text after '}'");
            continue;
        }
        if (state == AfterPage) line.Fail(line.Rest(), "text after the end of the page");
        const std::string first = line.Word();
        if (state == BeforePage) {
            if (first != "page") line.Fail(first, "a definition starts with 'page NAME {'");
            page.Name = line.Word();
            if (!line.Take('{') || !line.AtEnd()) line.Fail(line.Rest(), "'{' is expected after the page name");
            state = InPage;
            continue;
        }
        // "Class Name {" opens a component; anything else is a property.
        LineReader probe = line;
        const bool opens = !probe.AtEnd() && probe.Value().Type == PageValue::Kind::Identifier && probe.Take('{');
        if (opens && state == InComponent) line.Fail(first, "components do not nest");
        if (opens) {
            ComponentDefinition component{first, line.Word(), lineNumber, {}};
            line.Take('{');
            if (!line.AtEnd()) line.Fail(line.Rest(), "unexpected text after '{'");
            page.Components.push_back(std::move(component));
            state = InComponent;
            continue;
        }
        PageProperty property{first, {}, lineNumber};
        while (!line.AtEnd()) property.Values.push_back(line.Value());
        if (property.Values.empty()) line.Fail(first, "the property has no value");
        (state == InComponent ? page.Components.back().Properties : page.Properties).push_back(std::move(property));
    }
    if (state != AfterPage) throw Exception(PageError(source, lineNumber, page.Name, "the page is not closed with '}'"));
    return page;
}
