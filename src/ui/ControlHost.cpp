#include "ui/ControlHost.h"

#include "ui/Window.h"

ControlHost* ControlHost::FromHandle(HWND window) { return dynamic_cast<ControlHost*>(Window::FromHandle(window)); }
