#pragma once

#include "ui/Window.h"

#include <memory>
#include <typeindex>
#include <vector>

namespace ui {

// Keeps the one instance of each window class for the whole run. A window is made on
// first use; clear() destroys them all (at the end of the program, between tests).
class WindowRegistry
{
public:
    template <class W> static W &get()
    {
        Window *existing = find(typeid(W));
        if (!existing)
            existing = store(typeid(W), std::make_unique<W>());
        return static_cast<W &>(*existing);
    }

    // The instance of a class if it has been made, without making it.
    template <class W> static W *existing() { return static_cast<W *>(find(typeid(W))); }

    static void clear();
    // Every window made so far.
    static std::vector<Window *> windows();

private:
    static Window *find(std::type_index type);
    static Window *store(std::type_index type, std::unique_ptr<Window> window);
};

} // namespace ui
