#pragma once
#include <string_view>

// Ends an install that cannot go on: the run will end with `exitCode`, and the text
// is shown for a person who may be watching. In a silent run nobody may be: the text
// also goes to the debugger output, the box closes by itself and the run then ends.
void ReportFailure(std::string_view text, int exitCode, unsigned flags);
