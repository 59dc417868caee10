#pragma once

#include <QSize>
#include <QWidget>

#include <functional>

class QScrollArea;

namespace ui {

// A window that exists once for the whole run. showWindow() runs the load step when
// the window is not loaded and only raises it otherwise; closing unloads it (hides it
// and drops what the load step built) while its public members keep their values.
//
// A window opens where the person last left it and at the size they gave it (kept in
// the user's settings from one run to the next), always whole on the screen; the
// first time it opens centred at its design size, or smaller on a smaller screen.
class Window : public QWidget
{
    Q_OBJECT

public:
    explicit Window(QWidget *parent = nullptr);
    ~Window() override;

    void showWindow();
    // Unloads the window as its close button does; returns false when it stayed open.
    bool unload();
    bool isLoaded() const { return m_loaded; }
    // Settles what closing would ask about (pending edits) without closing; false
    // when the person chose to keep the window open.
    bool confirmClose() { return !m_loaded || queryClose(); }
    // Unloads and hides the window without asking, once confirmClose() has settled what
    // closing would ask about (the program ends).
    void unloadUnasked();

protected:
    // The load step (Form_Load); may throw, in which case the window stays unloaded.
    virtual void formLoad() = 0;
    // Drops what formLoad() built; called when the window closes.
    virtual void formUnload() { }
    // Asked before closing; false keeps the window open (pending edits, for instance).
    virtual bool queryClose() { return true; }
    // Runs the load step again on a loaded window that was handed other inputs, without
    // taking it off the screen. A load that fails leaves the window unloaded and hidden,
    // so nothing stale stays on view, and throws.
    void reload();

    // The size the window opens at when it has none kept, where it should be larger
    // than its design size (a web page needs room).
    void setOpeningSize(QSize size) { m_openingSize = size; }
    // Escape does `action`, or without one closes the window as its close box does.
    void closeOnEscape(std::function<void()> action = {});

    // Lets the window's controls scroll where the window is smaller than their design
    // size, instead of being cut off or drawn over each other; on a larger window they
    // lie exactly where they would without it. `body` holds the controls and sits in
    // the window's layout; its minimum size is the design size. Without a body (and
    // then without a layout), the controls placed on the window itself are gathered
    // into one, whose design size is the window's present size.
    QScrollArea *makeScrollable(QWidget *body = nullptr);
    // Scrolls a scrolling window so that `control` is in view (Tab does it by itself).
    void bringIntoView(QWidget *control);

    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void placeOnScreen();
    // Once the window manager has put its frame around the window: the frame too lies
    // on the screen, title bar included.
    void settleFrame();
    // Asks again for a while: the window manager may frame the window after every event
    // that would have asked.
    void settleFrameLater(int triesLeft);
    void keepGeometry();
    QWidget *gatherControls();

    bool m_loaded = false;
    bool m_unloading = false;
    bool m_openMaximized = false;
    // Placed before its frame was known; settleFrame() has still to see it.
    bool m_frameUnsettled = false;
    // What makeScrollable() put in the scroll area.
    QWidget *m_body = nullptr;
    QSize m_openingSize;
    std::function<void()> m_escapeAction;
    // Where the window's place is kept; named when it is first placed.
    QString m_settingsKey;
};

} // namespace ui
