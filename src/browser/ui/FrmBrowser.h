#pragma once

#include "ui/Window.h"

class QLabel;
class QTimer;
class QToolBar;

namespace browser {

class AddressBox;
class WebView;

// A small web browser for business resources: a toolbar, an address box with preset
// pages and the page itself. The caption says "Working..." while a page loads and the
// page's name once it has. Every handler ends quietly at its first error. It opens
// large enough for web sites' full layout, within the screen, and keeps the size the
// person gives it from one run to the next.
class FrmBrowser : public ui::Window
{
    Q_OBJECT

public:
    explicit FrmBrowser(QWidget *parent = nullptr);

    // The address opened when the window loads; none when empty.
    QString StartingAddress;

    // The page; null until the window is loaded.
    WebView *webView() const { return m_view; }

protected:
    // Makes the web view (loading the web engine the first time; throws base::Error
    // when it cannot be loaded), then lays out and opens StartingAddress.
    void formLoad() override;
    void formUnload() override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // The title when no page names itself.
    static QString designCaption();
    void buildToolBar();
    void buildAddressStrip();
    void fillPresetAddresses();
    void createWebView();

    void pressToolBarButton(const QString &key);
    void chooseAddress();
    void showProgress();
    void fitToWindow();
    void showPageName();
    void recordVisit();
    void openStartingAddress();

    WebView &view() const;
    void setCaptionToPageName();

    QToolBar *m_toolBar = nullptr;
    QWidget *m_addressStrip = nullptr;
    QLabel *m_addressLabel = nullptr;
    AddressBox *m_address = nullptr;
    QTimer *m_timer = nullptr;
    WebView *m_view = nullptr;
    // True while the window itself changes the address box's selection, so that the
    // change does not start a navigation.
    bool dontNavigate = false;
};

} // namespace browser
