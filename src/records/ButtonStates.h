#pragma once

namespace records {

// Which record buttons a form shows, and whether its navigation buttons work.
struct ButtonStates
{
    bool add = true;
    bool edit = true;
    bool update = false;
    bool cancel = false;
    bool remove = true;
    bool close = true;
    bool refresh = true;
    bool navigation = true;

    bool operator==(const ButtonStates &) const = default;
};

} // namespace records
