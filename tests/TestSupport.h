#pragma once
// Helpers shared by the tests that run under Wine.
#include <string>
#include <vector>

#include "framework/Application.h"
#include "framework/Win32.h"
#include "framework/WinStrings.h"

// A fresh folder under the temporary folder, removed with everything in it afterwards.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    const std::string& Path() const { return path_; } // ends in "\"
private:
    std::string path_;
};

std::string ReadFileText(const std::string& path);
bool PathExists(const std::string& path);

// One message box as the application would have shown it.
struct ShownMessage {
    std::string Text, Caption;
    unsigned Flags;
};

// Starts the application for one test and answers every message box with `answer`,
// recording it; ends the application afterwards.
class ApplicationSession {
public:
    explicit ApplicationSession(int answer = IDOK);
    ~ApplicationSession();
    std::vector<ShownMessage> Messages;
};
