#include "app/ui/FontsAhead.h"

#include <fontconfig/fontconfig.h>

#include <system_error>
#include <thread>

namespace app::fonts {

namespace {

struct Loader
{
    std::thread thread;

    // A run that ends before its first window still lets the helper finish.
    ~Loader()
    {
        if (thread.joinable())
            thread.join();
    }
};

Loader &loader()
{
    static Loader instance;
    return instance;
}

} // namespace

void startLoadingAhead()
{
    Loader &ahead = loader();
    if (ahead.thread.joinable())
        return;
    try {
        // FcInit is thread-safe; Qt's own later call finds the configuration loaded.
        ahead.thread = std::thread([] { FcInit(); });
    } catch (const std::system_error &) {
        // Without a thread to spare, Qt loads the fonts itself when it first needs them.
    }
}

void awaitLoaded()
{
    Loader &ahead = loader();
    if (ahead.thread.joinable())
        ahead.thread.join();
}

} // namespace app::fonts
