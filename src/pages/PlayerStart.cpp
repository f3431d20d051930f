#include "pages/PlayerStart.h"

void StartPlayer(Elevation elevation, const PlayerStarts& starts)
{
    // Only an elevated token with the person's own linked to it has rights to shed; a
    // standard user's or a limited one is already the person's.
    if (elevation != Elevation::Full) {
        starts.Direct();
        return;
    }
    const std::string failure = starts.AsDesktopUser();
    if (failure.empty()) {
        starts.DebugLine("Tavio: the player starts as the person at the desktop\n");
        return;
    }
    starts.DebugLine("Tavio: the player starts with the installer's rights (" + failure + ")\n");
    starts.Direct();
}
