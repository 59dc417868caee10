#pragma once

// Header only: it reaches the web view, which only the browser's window library offers,
// and the shared window helpers see the engine interface alone.
#include "base/Error.h"
#include "browser/ui/WebView.h"
#include "support/ui_FakeWebEngine.h"

#include <memory>

namespace testing_support {

// Every web view made while this lives gets a fake engine (the last one made is
// `latest`), or with Missing fails to get one as where the web engine module cannot
// be loaded.
class FakeEngines
{
public:
    enum Kind {
        Working,
        Missing
    };

    explicit FakeEngines(Kind kind = Working)
    {
        if (kind == Missing) {
            browser::WebView::setEngineFactory(
                [](QWidget *, const browser::WebEngineEvents &) -> std::unique_ptr<browser::WebEngine> {
                    throw base::Error("The program part tallowmere_webengine could not be loaded: not found");
                });
            return;
        }
        browser::WebView::setEngineFactory([this](QWidget *host, const browser::WebEngineEvents &events) {
            auto engine = std::make_unique<FakeWebEngine>(host, events);
            latest = engine.get();
            ++made;
            return engine;
        });
    }
    ~FakeEngines() { browser::WebView::setEngineFactory({}); }
    FakeEngines(const FakeEngines &) = delete;
    FakeEngines &operator=(const FakeEngines &) = delete;

    FakeWebEngine *latest = nullptr;
    int made = 0;
};

} // namespace testing_support
