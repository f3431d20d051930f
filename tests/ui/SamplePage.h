#pragma once
// The framework's sample page as a page class: it offers the handlers the definition
// names and logs what they see.
#include <string>
#include <vector>

#include "ui/Page.h"
#include "ui/PageLoader.h"
#include "ui/Picture.h"
#include "ui/Timer.h"

class SamplePage : public Page {
public:
    explicit SamplePage(PageOwner& owner) : Page(owner, 10, 10)
    {
        AddHandler("FormCreate", NotifyEvent([this] {
            const Picture& copy = Get<Picture>("Copy");
            Log.push_back("FormCreate copy " + std::to_string(copy.Image().Width()) + "x" +
                          std::to_string(copy.Image().Height()));
        }));
        AddHandler("PageMouseDown", MouseEvent([this](MouseButton, unsigned, int, int) { Log.push_back("PageMouseDown"); }));
        AddHandler("BackgroundMouseDown", MouseEvent([this](MouseButton, unsigned, int x, int y) {
            Log.push_back("BackgroundMouseDown " + std::to_string(x) + "," + std::to_string(y));
        }));
        AddHandler("CopyClick", NotifyEvent([this] { Log.push_back("CopyClick"); }));
        AddHandler("BrowseClick", NotifyEvent([this] { Log.push_back("BrowseClick"); }));
        AddHandler("TickTimer", NotifyEvent([this] {
            Get<Timer>("Tick").SetEnabled(false);
            Log.push_back("TickTimer");
        }));
        LoadPage(*this, "sample/sample.page");
    }

    std::vector<std::string> Log;
};
