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

class TbsPngImage;
// What a window shows, read back from its pixels.
TbsPngImage Screenshot(HWND window);
// Windows of this thread, top-level and children: what a leak of USER objects shows.
int WindowCount();
// Lets the queue run for a moment, so pending paints land.
void Settle();
// After many paints: the GDI can still make a DIB section, a memory DC and a region
// (Wine's handle table is full once 16,384 objects leak).
bool GdiStillWorks();
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
