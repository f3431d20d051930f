#pragma once

// What the installer's process ends with, for whoever started it unattended.
namespace exitcode {
inline constexpr int Installed = 0;       // also: a person closed it before anything was written
inline constexpr int NotStarted = 1;      // no desktop to show windows on, or no first page
inline constexpr int FolderOrStaging = 2; // the folder could not be made or the payload not written
inline constexpr int Archive = 3;         // the archive is missing or could not be unpacked
inline constexpr int Stopped = 4;         // any other failure that stopped the install sequence
inline constexpr int NoSpace = 5;         // the install folder's disk has too little free space
inline constexpr int Cancelled = 6;       // the person quit during the install, and it was undone
inline constexpr int NewerInstalled = 7;  // a newer version is installed; nothing was written
} // namespace exitcode
