#include "ui/WindowRegistry.h"

#include <map>

namespace ui {

namespace {

std::map<std::type_index, std::unique_ptr<Window>> &windows()
{
    static std::map<std::type_index, std::unique_ptr<Window>> instances;
    return instances;
}

} // namespace

Window *WindowRegistry::find(std::type_index type)
{
    const auto it = windows().find(type);
    return it == windows().end() ? nullptr : it->second.get();
}

Window *WindowRegistry::store(std::type_index type, std::unique_ptr<Window> window)
{
    return (windows()[type] = std::move(window)).get();
}

void WindowRegistry::clear()
{
    // Taken out first, so a window that looks up another while being destroyed finds none.
    auto instances = std::move(windows());
    windows().clear();
    instances.clear();
}

} // namespace ui
