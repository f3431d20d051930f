#pragma once
// Helpers shared by the tests that run under Wine.
#include <map>
#include <string>
#include <vector>

#include "base/Win32.h"
#include "base/WinStrings.h"
#include "ui/Application.h"

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

// Everything below a folder, by relative path: a file's content (after "ro:" when it
// is read-only), "<folder>" for a folder. Two snapshots compare a whole tree.
std::map<std::string, std::string> FolderContents(const std::string& folder);

// One message box as the application would have shown it.
struct ShownMessage {
    std::string Text, Caption;
    unsigned Flags;
    unsigned CloseAfterMs;
};

// Starts the application for one test and answers every message box with `answer`,
// recording it; ends the application afterwards.
class ApplicationSession {
public:
    explicit ApplicationSession(int answer = IDOK);
    ~ApplicationSession();
    std::vector<ShownMessage> Messages;
};
