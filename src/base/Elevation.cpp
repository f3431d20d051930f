#include "base/Elevation.h"

#include "base/Handles.h"
#include "base/Win32.h"

Elevation ProcessElevation()
{
    HANDLE raw = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &raw)) return Elevation::Default;
    const KernelHandle token(raw);
    TOKEN_ELEVATION_TYPE type = TokenElevationTypeDefault;
    DWORD length = 0;
    if (!GetTokenInformation(token.Get(), TokenElevationType, &type, sizeof type, &length)) return Elevation::Default;
    switch (type) {
    case TokenElevationTypeFull: return Elevation::Full;
    case TokenElevationTypeLimited: return Elevation::Limited;
    default: return Elevation::Default;
    }
}
