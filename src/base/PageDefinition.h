#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The text form of a page: a page block holding its properties and its components,
// each component a block of its own.
//
//   # comment
//   page TForm2 {
//     Size 588 358
//     OnCreate FormCreate
//     Picture Image1 {
//       Picture <progress/slide1.png>
//       Visible no
//     }
//   }
//
// A property line is a name and one or more values: integers (decimal, or hexadecimal
// after "$"), "strings" (with \" and \\), yes / no, identifiers (handlers, references,
// keywords) and <files> embedded at build time.
struct PageValue {
    enum class Kind { Integer, String, Boolean, Identifier, File };
    Kind Type;
    int64_t Number = 0; // integers and booleans
    std::string Text;   // strings, identifiers and file paths
    std::string Word;   // as written, for messages
};

struct PageProperty {
    std::string Name;
    std::vector<PageValue> Values;
    int Line = 0;
};

struct ComponentDefinition {
    std::string ClassName;
    std::string Name;
    int Line = 0;
    std::vector<PageProperty> Properties;
};

struct PageDefinition {
    std::string Source; // the file's name, for messages
    std::string Name;
    std::vector<PageProperty> Properties;
    std::vector<ComponentDefinition> Components;
};

// Raises Exception "<source>, line N, '<word>': <what is wrong>".
PageDefinition ParsePageDefinition(std::string_view text, std::string_view source);

// The message form shared by the parser and the loader.
std::string PageError(std::string_view source, int line, std::string_view word, std::string_view what);
