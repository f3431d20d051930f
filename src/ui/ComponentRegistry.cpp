#include "ui/ComponentRegistry.h"

#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/Picture.h"
#include "ui/ProgressBar.h"
#include "ui/PushButton.h"
#include "ui/Timer.h"

const ComponentRegistry::Factory* ComponentRegistry::Find(std::string_view className) const
{
    const auto it = factories_.find(className);
    return it == factories_.end() ? nullptr : &it->second;
}

const ComponentRegistry& StandardComponents()
{
    static const ComponentRegistry registry = [] {
        ComponentRegistry r;
        r.Add("Picture", [](ControlHost& page) { return std::make_unique<Picture>(page); });
        r.Add("Label", [](ControlHost& page) { return std::make_unique<Label>(page); });
        r.Add("Edit", [](ControlHost& page) { return std::make_unique<Edit>(page); });
        r.Add("PushButton", [](ControlHost& page) { return std::make_unique<PushButton>(page); });
        r.Add("ProgressBar", [](ControlHost& page) { return std::make_unique<ProgressBar>(page); });
        r.Add("Timer", [](ControlHost&) { return std::make_unique<Timer>(); });
        return r;
    }();
    return registry;
}
