#include "ui/Application.h"

#include <commctrl.h>
#include <string_view>

#include "base/Com.h"
#include "base/WinStrings.h"
#include "ui/Page.h"

Application& Application::Instance()
{
    static Application application;
    return application;
}

Application::Application()
{
    SetErrorHook([](const std::exception& error) { Instance().ShowException(error); });
}

void Application::Initialize()
{
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    terminated_ = false;
    exitCode_ = 0;
    // A zero-size captioned popup: never seen itself, but it owns the pages, so they
    // share its taskbar button and minimise with it.
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2, y = GetSystemMetrics(SM_CYSCREEN) / 2;
    CreateHandle(0, WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                 nullptr, title_, x, y, 0, 0);
    SetBroadcastHook([this](TComponent& sender, unsigned message) { BroadcastToPages(sender, message); });
}

void Application::BroadcastToPages(TComponent& sender, unsigned message)
{
    const auto wParam = reinterpret_cast<WPARAM>(&sender);
    constexpr LPARAM lParam = BroadcastMark;
    Page* owner = nullptr;
    for (const auto& page : pages_)
        if (page->Owns(sender)) owner = page.get();
    if (owner) SendMessageW(owner->Handle(), message, wParam, lParam);
    for (const auto& page : pages_)
        if (page.get() != owner) SendMessageW(page->Handle(), message, wParam, lParam);
}

void Application::Finalize()
{
    SetBroadcastHook(nullptr);
    while (!pages_.empty()) pages_.pop_back(); // newest first: later pages may point at earlier ones
    mainPage_ = activePage_ = nullptr;
    DestroyHandle();
    LeaveComApartment();
    messageBoxHook_ = nullptr;
}

void Application::SetTitle(std::string_view title)
{
    title_ = title;
    if (Handle()) SetWindowTextW(Handle(), ToWide(title_).c_str());
}

void Application::PageDestroyed(Page& page)
{
    if (activePage_ == &page) activePage_ = nullptr;
    if (mainPage_ == &page) mainPage_ = nullptr;
}

void Application::Run()
{
    if (ShowMainPage && mainPage_) mainPage_->Show();
    while (!terminated_) {
        MSG msg;
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            terminated_ = true;
            break;
        }
        Dispatch(msg);
    }
}

void Application::Dispatch(const MSG& msg)
{
    // A page sees the keys of its controls first, as a dialog's loop gives them to it.
    if (msg.hwnd && msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) {
        Page* page = Page::FromHandle(GetAncestor(msg.hwnd, GA_ROOT));
        if (page && page->DialogKey(msg)) return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

void Application::Terminate() { PostQuitMessage(0); }

void Application::ProcessMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            continue;
        }
        Dispatch(msg);
    }
}

void Application::Minimize()
{
    // Pages are popups the top-level window owns: they go with it, and come back when it
    // is restored (some window managers leave owned popups up otherwise).
    ShowOwnedPopups(Handle(), FALSE);
    ShowWindow(Handle(), SW_MINIMIZE);
}

HWND Application::DialogOwner() const
{
    if (activePage_ && activePage_->Visible()) return activePage_->Handle();
    return Handle();
}

namespace {

// The box's own modal loop dispatches the thread timer: whatever message boxes of this
// thread are open then get their OK.
BOOL CALLBACK CloseIfMessageBox(HWND window, LPARAM)
{
    wchar_t name[16];
    if (GetClassNameW(window, name, 16) && std::wstring_view(name) == L"#32770") EndDialog(window, IDOK);
    return TRUE;
}
void CALLBACK CloseMessageBoxes(HWND, UINT, UINT_PTR, DWORD)
{
    EnumThreadWindows(GetCurrentThreadId(), CloseIfMessageBox, 0);
}

} // namespace

int Application::MessageBox(std::string_view text, std::string_view caption, unsigned flags, unsigned closeAfterMs)
{
    if (messageBoxHook_) return messageBoxHook_(std::string(text), std::string(caption), flags, closeAfterMs);
    const UINT_PTR timer = closeAfterMs ? SetTimer(nullptr, 0, closeAfterMs, CloseMessageBoxes) : 0;
    const int answer = ::MessageBoxW(DialogOwner(), ToWide(text).c_str(), ToWide(caption).c_str(), flags);
    if (timer) KillTimer(nullptr, timer);
    return answer;
}

void Application::ShowException(const std::exception& error)
{
    MessageBox(error.what(), title_, MB_OK | MB_ICONERROR);
}

LRESULT Application::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ACTIVATE:
        // Coming back from the taskbar: hand the focus to the page the user left.
        if (LOWORD(wParam) != WA_INACTIVE && activePage_ && activePage_->Visible()) {
            SetActiveWindow(activePage_->Handle());
            return 0;
        }
        break;
    case WM_CLOSE:
        Terminate();
        return 0;
    case WM_SIZE:
        if (wParam == SIZE_RESTORED) ShowOwnedPopups(Handle(), TRUE);
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

void ShowMessage(std::string_view text)
{
    Application& application = Application::Instance();
    application.MessageBox(text, application.Title(), MB_OK);
}
