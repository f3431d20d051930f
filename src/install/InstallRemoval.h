#pragma once
#include <span>
#include <string>

#include "install/InstallManifest.h"

// What an install in `places` made: its list's items an install of ours can have made,
// with what every install of ours makes (all of it when there is no list: an install
// made before lists). The list's other lines are in Refused.
InstallManifest WhatTheInstallMade(const InstallPlaces& places);

// Removes what `made` lists of the install in `places`, by the rules every remover of
// ours keeps: files and folders inside its folder (a folder only when empty, so the
// person's own files and their folders stay), a shortcut only while it still starts
// something in that folder, the Run value only while it starts a program from there,
// the Programs-list entry only while it names that folder. Nothing whose path is in
// `keep` is touched: the running uninstaller, or what the install that stays made or
// shares with this one.
void RemoveInstall(const InstallManifest& made, const InstallPlaces& places, std::span<const std::string> keep);
