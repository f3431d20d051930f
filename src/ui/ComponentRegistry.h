#pragma once
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "base/Component.h"

class ControlHost;

// Makes components by class name.
class ComponentRegistry {
public:
    using Factory = std::function<std::unique_ptr<TComponent>(ControlHost&)>;
    void Add(std::string className, Factory factory) { factories_[std::move(className)] = std::move(factory); }
    const Factory* Find(std::string_view className) const;

private:
    std::map<std::string, Factory, std::less<>> factories_;
};

// The framework's own classes: Picture, Label, Edit, PushButton, ProgressBar, Timer.
const ComponentRegistry& StandardComponents();
