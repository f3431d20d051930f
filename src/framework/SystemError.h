#pragma once
#include <string>

// The system's own message text for an error code, without the trailing line break.
std::string SystemErrorText(unsigned long code);
