#pragma once
#include <functional>
#include <string>

#include "base/Elevation.h"

// How the finish page starts the player. An installer elevated for the install must
// not hand that to a video player that opens files from the internet (nor could
// Explorer then drop files onto it): it starts the player as the person at the
// desktop, and only when that cannot be done, as before, saying so.
struct PlayerStarts {
    std::function<std::string()> AsDesktopUser; // empty when started, else what failed
    std::function<void()> Direct;               // with this process's own rights
    std::function<void(const std::string&)> DebugLine;
};

void StartPlayer(Elevation elevation, const PlayerStarts& starts);
