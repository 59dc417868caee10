#include "ui/WindowRegistry.h"

#include <map>

namespace ui {

namespace {

std::map<std::type_index, std::unique_ptr<Window>> &registered()
{
    static std::map<std::type_index, std::unique_ptr<Window>> instances;
    return instances;
}

} // namespace

Window *WindowRegistry::find(std::type_index type)
{
    const auto it = registered().find(type);
    return it == registered().end() ? nullptr : it->second.get();
}

Window *WindowRegistry::store(std::type_index type, std::unique_ptr<Window> window)
{
    return (registered()[type] = std::move(window)).get();
}

std::vector<Window *> WindowRegistry::windows()
{
    std::vector<Window *> all;
    for (const auto &entry : registered())
        all.push_back(entry.second.get());
    return all;
}

void WindowRegistry::clear()
{
    // Taken out first, so a window that looks up another while being destroyed finds none.
    auto instances = std::move(registered());
    registered().clear();
    instances.clear();
}

} // namespace ui
