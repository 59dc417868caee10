#pragma once

#include <QString>

namespace base {

// A piece of the program that is loaded only when first used (the web engine, the
// network client), so that start-up does not pay for it. Modules sit in the program's
// own folder, beside the executable, or in TALLOWMERE_MODULE_DIR when that is set.
class Module
{
public:
    // The address of an exported C function of module `name` (file lib<name>.so).
    // Loads the module on first use and keeps it loaded. Throws Error with the loader's
    // reason when the module or the symbol cannot be found.
    static void *symbol(const QString &name, const char *symbolName);

    // Where a module of that name is looked for first.
    static QString filePath(const QString &name);
};

} // namespace base
