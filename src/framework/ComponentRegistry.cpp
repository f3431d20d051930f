#include "framework/ComponentRegistry.h"

#include "framework/Edit.h"
#include "framework/Label.h"
#include "framework/Picture.h"
#include "framework/ProgressBar.h"
#include "framework/PushButton.h"
#include "framework/Timer.h"

const ComponentRegistry::Factory* ComponentRegistry::Find(std::string_view className) const
{
    const auto it = factories_.find(className);
    return it == factories_.end() ? nullptr : &it->second;
}

const ComponentRegistry& StandardComponents()
{
    static const ComponentRegistry registry = [] {
        ComponentRegistry r;
        r.Add("Picture", [](Page& page) { return std::make_unique<Picture>(page); });
        r.Add("Label", [](Page& page) { return std::make_unique<Label>(page); });
        r.Add("Edit", [](Page& page) { return std::make_unique<Edit>(page); });
        r.Add("PushButton", [](Page& page) { return std::make_unique<PushButton>(page); });
        r.Add("ProgressBar", [](Page& page) { return std::make_unique<ProgressBar>(page); });
        r.Add("Timer", [](Page&) { return std::make_unique<Timer>(); });
        return r;
    }();
    return registry;
}
