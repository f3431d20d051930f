#pragma once
#include <optional>
#include <string>
#include <string_view>

// Windows path text helpers on UTF-8 strings.

// The text after the last "\" or ":" (the whole text when there is neither).
std::string_view ExtractFileName(std::string_view path);

// The path with one "\" at its end, added only when the last character is not one.
std::string IncludeTrailingBackslash(std::string_view path);

// The file-name part up to its first "." ("a.b.exe" -> "a"); empty when it has none.
std::string NameWithoutExtension(std::string_view path);

// The text between the first opening marker and the first closing marker after it;
// empty when either is missing or nothing lies between.
std::string TextBetween(std::string_view text, std::string_view opening, std::string_view closing);

// Every occurrence of `from` replaced by `to`.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// An absolute path starts with a root: a drive's ("C:\") or a share's
// ("\\server\share\"); "/" counts as "\". Device paths ("\\.\", "\\?\") have no root
// here: nothing of ours is ever there. 0 for a path without a root.
size_t PathRootLength(std::string_view path);

// The absolute path as Windows resolves it: "/" read as "\", empty and "." parts
// dropped, ".." parts applied; "\" at the end only for a bare root. Nothing for a path
// without a root, one whose ".." leads above it, and one with a part that ends in a
// dot or a blank, which Windows would read as another name than the text says.
std::optional<std::string> CanonicalPath(std::string_view path);

// Paths compared as Windows compares names, for letters A-Z at least: other letters
// must match as they are, which can only keep two names apart, never join them.
bool SamePath(std::string_view a, std::string_view b);

// Whether `path` lies below `folder` (the folder itself does not), both resolved as
// CanonicalPath resolves them; false when either has no root.
bool IsPathInside(std::string_view path, std::string_view folder);
