#include "pages/TForm3.h"

#include <shellapi.h>

#include <utility>

#include "base/Com.h"
#include "base/DesktopUser.h"
#include "base/Elevation.h"
#include "base/FileSystem.h"
#include "base/ModuleFileName.h"
#include "base/PathText.h"
#include "base/SystemLibrary.h"
#include "base/WinStrings.h"
#include "install/RunLog.h"
#include "install/RunMode.h"
#include "pages/ChannelTag.h"
#include "pages/PlayerStart.h"
#include "ui/Application.h"
#include "ui/PageLoader.h"

namespace {

std::string EnvironmentValue(const wchar_t* name)
{
    wchar_t buffer[32768];
    const DWORD length = GetEnvironmentVariableW(name, buffer, static_cast<DWORD>(std::size(buffer)));
    return length && length < std::size(buffer) ? ToUtf8({buffer, length}) : std::string();
}

std::string OwnFileName()
{
    return std::string(ExtractFileName(ModuleFileName(nullptr)));
}

void Start(const wchar_t* verb, const std::string& file, const std::string& parameters)
{
    LogStep("started " + file + (parameters.empty() ? "" : " " + parameters));
    EnterComApartment(); // the shell may hand the verb to an extension
    ShellExecuteW(nullptr, verb, ToWide(file).c_str(), parameters.empty() ? nullptr : ToWide(parameters).c_str(),
                  nullptr, SW_SHOWNORMAL);
}

void StartPlayerFrom(const std::string& folder, const char* parameters)
{
    const std::string player = folder + "Tavio.exe";
    StartPlayer(ProcessElevation(),
                {.AsDesktopUser = [&] { return StartAsDesktopUser(player, parameters, folder, SW_SHOWNORMAL); },
                 .Direct =
                     [&] {
                         if (*parameters) Start(L"open", "\"" + player + "\"", parameters);
                         else Start(nullptr, player, {});
                     },
                 .DebugLine =
                     [](const std::string& line) {
                         OutputDebugStringA(line.c_str());
                         LogStep(line.substr(0, line.size() - 1)); // without its line end
                     }});
}

} // namespace

void WriteChannelTag()
{
    try {
        const std::string folder = ChannelTagFolderFor(EnvironmentValue(L"APPDATA"));
        CreateFolderTree(folder);
        const std::string file = folder + "mirelff.dat";
        DeleteFileW(ToWide(file).c_str());
        if (const auto tag = ChannelTagOf(OwnFileName())) {
            // Other programs read this file: the tag goes in the system's code page.
            const std::string bytes = tag->empty() ? std::string() : ToAnsi(*tag) + "\r\n";
            WriteFileBytes(file, std::as_bytes(std::span(bytes)));
            LogStep("channel tag \"" + *tag + "\" written to " + file);
        }
    } catch (const std::exception&) {
        // The tag is a courtesy to the channel; the install does not depend on it.
    }
}

TForm3::TForm3(PageOwner& owner) : Page(owner, 588, 406)
{
    AddHandler("FormCreate", NotifyEvent([this] { FormCreate(); }));
    AddHandler("FormShow", NotifyEvent([this] { FormShow(); }));
    AddHandler("Image2Click", NotifyEvent([this] { Image2Click(); }));
    AddHandler("Image1MouseDown", MouseEvent([this](MouseButton, unsigned keys, int, int) {
        if (keys & MK_LBUTTON) Drag();
    }));
    Bind("Image1", Image1);
    Bind("Image2", Image2);
    LoadPage(*this, "finish.page");
}

void TForm3::FormCreate()
{
    SetSize(588, 358);
    WriteChannelTag();
}

void TForm3::FormShow()
{
    if (!IsSilentMode()) return;
    StartPlayerFrom(InstallFolder, "Minimize");
    Image2->Perform(WM_LBUTTONDOWN, 0, MAKELPARAM(0, 0));
    Image2->Perform(WM_LBUTTONUP, 0, MAKELPARAM(0, 0));
}

void TForm3::Image2Click()
{
    // A second press queued before the run ends would start a second player.
    if (std::exchange(finished_, true)) return;
    // By full path: a bare name is looked for in the current folder first. The
    // registration keeps the installer's rights; the player does not.
    Start(L"open", SystemFile("regsvr32.exe"), "/s \"" + InstallFolder + "npmirel.dll\"");
    if (!IsSilentMode()) StartPlayerFrom(InstallFolder, "");
    Application::Instance().Terminate();
}
