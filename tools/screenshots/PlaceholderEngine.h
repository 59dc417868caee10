#pragma once

#include "browser/ui/WebEngine.h"

#include <QLabel>

namespace screenshots {

// Stands in for the web engine where it cannot run (or should not, as in the test
// run): a grey area naming the address, which "loads" at once.
class PlaceholderEngine : public browser::WebEngine
{
public:
    PlaceholderEngine(QWidget *host, const browser::WebEngineEvents &events);

    QWidget *widget() override { return m_page; }
    void navigate(const QUrl &url) override;
    void back() override { }
    void forward() override { }
    void reload() override { }
    void stop() override { }
    QUrl url() const override { return m_url; }
    QString title() const override { return m_url.fileName(); }
    bool isLoading() const override { return false; }

private:
    QLabel *m_page;
    browser::WebEngineEvents m_events;
    QUrl m_url;
};

} // namespace screenshots
