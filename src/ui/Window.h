#pragma once

#include <QWidget>

namespace ui {

// A window that exists once for the whole run. showWindow() runs the load step when
// the window is not loaded and only raises it otherwise; closing unloads it (hides it
// and drops what the load step built) while its public members keep their values.
class Window : public QWidget
{
    Q_OBJECT

public:
    explicit Window(QWidget *parent = nullptr);

    void showWindow();
    // Unloads the window as its close button does; returns false when it stayed open.
    bool unload();
    bool isLoaded() const { return m_loaded; }
    // Settles what closing would ask about (pending edits) without closing; false
    // when the person chose to keep the window open.
    bool confirmClose() { return !m_loaded || queryClose(); }

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

    void closeEvent(QCloseEvent *event) override;

private:
    bool m_loaded = false;
    bool m_unloading = false;
};

} // namespace ui
