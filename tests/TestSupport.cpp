#include "TestSupport.h"

#include <fstream>
#include <shellapi.h>
#include <sstream>

#include "base/PngImage.h"
#include "install/Product.h"
#include "ui/DcScopes.h"
#include "ui/DibSection.h"

TempFolder::TempFolder()
{
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    static int counter = 0;
    path_ = ToUtf8(base) + "tavio-test-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++counter) + "\\";
    CreateDirectoryW(ToWide(path_).c_str(), nullptr);
}

TempFolder::~TempFolder()
{
    std::wstring from = ToWide(path_.substr(0, path_.size() - 1));
    from.push_back(L'\0'); // the list ends with an empty name
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NO_UI;
    SHFileOperationW(&op);
}

std::string ReadFileText(const std::string& path)
{
    std::ifstream in(ToWide(path).c_str(), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

bool PathExists(const std::string& path)
{
    return GetFileAttributesW(ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

namespace {
void AddContents(const std::string& folder, const std::string& prefix, std::map<std::string, std::string>& contents)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(ToWide(folder + prefix + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = prefix + ToUtf8(found.cFileName);
        if (name == prefix + "." || name == prefix + "..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            contents[name] = "<folder>";
            AddContents(folder, name + "\\", contents);
        } else {
            const bool readOnly = found.dwFileAttributes & FILE_ATTRIBUTE_READONLY;
            contents[name] = (readOnly ? "ro:" : "") + ReadFileText(folder + name);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
}
} // namespace

std::map<std::string, std::string> FolderContents(const std::string& folder)
{
    std::map<std::string, std::string> contents;
    AddContents(folder, "", contents);
    return contents;
}

ApplicationSession::ApplicationSession(int answer)
{
    Application& application = Application::Instance();
    application.Initialize();
    application.SetTitle(product::SetupTitle);
    application.SetMessageBoxHook(
        [this, answer](const std::string& text, const std::string& caption, unsigned flags, unsigned closeAfterMs) {
            Messages.push_back({text, caption, flags, closeAfterMs});
            return answer;
        });
}

ApplicationSession::~ApplicationSession()
{
    Application& application = Application::Instance();
    application.Finalize();
    // A Terminate left in the queue must not end the next test's loop.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

TbsPngImage Screenshot(HWND window)
{
    // Through the window's own context: the pixels the window shows (its children's
    // too), without waiting for the system to hand them to the display.
    RECT r;
    GetClientRect(window, &r);
    const int width = r.right, height = r.bottom;
    const WindowDC source(window);
    OffscreenBitmap copy(source.Get(), width, height);
    BitBlt(copy.DC(), 0, 0, width, height, source.Get(), 0, 0, SRCCOPY);
    GdiFlush();
    TbsPngImage image(width, height, TbsPngImage::RGB);
    const auto* pixel = reinterpret_cast<const uint8_t*>(copy.Bits());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x, pixel += 4) image.SetPixel(x, y, RGB(pixel[2], pixel[1], pixel[0]));
    return image;
}

namespace {

BOOL CALLBACK CountChild(HWND, LPARAM counter)
{
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM counter)
{
    CountChild(window, counter);
    EnumChildWindows(window, CountChild, counter);
    return TRUE;
}

} // namespace

int WindowCount()
{
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountTopLevel, reinterpret_cast<LPARAM>(&count));
    return count;
}

void Settle()
{
    for (int i = 0; i < 20; ++i) {
        Application::Instance().ProcessMessages();
        Sleep(10);
    }
}

bool GdiStillWorks()
{
    const WindowDC screen(nullptr);
    OffscreenBitmap section(screen.Get(), 64, 64);
    RegionHandle region(CreateRectRgn(0, 0, 10, 10));
    return section.Valid() && region;
}
