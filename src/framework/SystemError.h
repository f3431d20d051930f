#pragma once
#include <string>

// The system's own message text for an error code or HRESULT, without the trailing
// line break and full stop; a plain "System error N" where the system has none.
std::string SystemErrorText(unsigned long code);
