#pragma once

#include "db/DbError.h"

#include <QString>

#include <functional>

namespace testing_support {

// The description of the data-layer error an action throws, or "<no error>".
inline QString errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const db::DbError &error) {
        return error.description();
    }
    return QStringLiteral("<no error>");
}

} // namespace testing_support
