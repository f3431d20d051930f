#pragma once
#include <string>

#include "ui/Page.h"
#include "ui/Picture.h"

// The finish page: records the channel tag when created; its button registers the
// plug-in, starts the player and ends the application. Silent runs finish at once.
class TForm3 : public Page {
public:
    explicit TForm3(PageOwner& owner);

    std::string InstallFolder; // given by the install sequence before Show
    Picture* Image1 = nullptr;
    Picture* Image2 = nullptr;

    void Image2Click();

private:
    void FormCreate();
    void FormShow();

    bool finished_ = false;
};

// Writes the installer's channel tag to APPDATA\Tavio\mirelff.dat (in the system's
// ANSI code page, then CR LF); deletes an old file first; never raises.
void WriteChannelTag();
