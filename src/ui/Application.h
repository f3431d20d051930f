#pragma once
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/Component.h"
#include "ui/PageOwner.h"
#include "ui/Window.h"

class Page;

// The application object: the title, the hidden top-level window that owns every page
// (and so carries the one taskbar button), the pages themselves, and the message loop.
class Application : private Window, public PageOwner {
public:
    static Application& Instance();

    // COM (single-threaded apartment) for the user-interface thread and the top-level
    // window; Finalize destroys the pages and undoes both. Tests cycle the two.
    void Initialize();
    void Finalize();

    const std::string& Title() const override { return title_; }
    void SetTitle(std::string_view title);
    HWND Handle() const override { return Window::Handle(); }

    // When false, Run does not make the main page visible.
    bool ShowMainPage = true;

    // Pages live until Finalize; the application owns them. A page is made with its
    // owner first, then the arguments given here.
    template <typename T, typename... Args>
    T& CreatePage(Args&&... args)
    {
        auto page = std::make_unique<T>(static_cast<PageOwner&>(*this), std::forward<Args>(args)...);
        T& result = *page;
        pages_.push_back(std::move(page));
        return result;
    }
    void SetMainPage(Page& page) { mainPage_ = &page; }
    Page* MainPage() const { return mainPage_; }
    void PageActivated(Page& page) override { activePage_ = &page; }
    void PageDestroyed(Page& page) override;

    // Runs the message loop until Terminate has taken effect.
    void Run();
    // Requests the end; it takes effect when control is back in the loop.
    void Terminate() override;
    bool Terminated() const { return terminated_; }
    // What the process ends with; 0 unless a page says otherwise.
    int ExitCode() const { return exitCode_; }
    void SetExitCode(int code) { exitCode_ = code; }
    // Handles every pending message once, without waiting.
    void ProcessMessages();
    // Handles one message as the loop does: a page sees its controls' keys first.
    void Dispatch(const MSG& msg);

    // Sends a component's announcement to every page as a window message (wParam the
    // sender, lParam 1000): the page that owns the sender first, then the others in
    // the order they were made. Installed as the framework's broadcast hook.
    void BroadcastToPages(TComponent& sender, unsigned message);

    // Minimises the whole application: every page goes with the top-level window.
    void Minimize();

    // A modal message box owned by the active page (or the top-level window). With a
    // time given it closes by itself then, as if OK had been pressed.
    int MessageBox(std::string_view text, std::string_view caption, unsigned flags, unsigned closeAfterMs = 0);
    void ShowException(const std::exception& error);
    // Runs a handler; an exception it raises is shown and goes no further, as if it
    // had reached the message loop.
    template <typename F>
    void Guard(F&& handler)
    {
        try {
            handler();
        } catch (const std::exception& error) {
            ShowException(error);
        }
    }

    // Tests answer message boxes through this instead of a person.
    using MessageBoxHook =
        std::function<int(const std::string& text, const std::string& caption, unsigned flags, unsigned closeAfterMs)>;
    void SetMessageBoxHook(MessageBoxHook hook) { messageBoxHook_ = std::move(hook); }

private:
    Application();
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    HWND DialogOwner() const;

    std::string title_;
    std::vector<std::unique_ptr<Page>> pages_;
    Page* mainPage_ = nullptr;
    Page* activePage_ = nullptr;
    bool terminated_ = false;
    int exitCode_ = 0;
    MessageBoxHook messageBoxHook_;
};

// The plain message dialog: one OK button, captioned with the application title.
void ShowMessage(std::string_view text);
