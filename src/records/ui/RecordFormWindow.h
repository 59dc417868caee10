#pragma once

#include "records/RecordFormController.h"
#include "ui/Twips.h"
#include "ui/Window.h"

#include <QMap>

#include <memory>
#include <optional>

class QLabel;
class QMenuBar;
class QPushButton;

namespace records {

// The window side of a record form: a client area laid out in twips, with the button
// strip and the status strip along its bottom, the buttons and keys wired to the
// controller, and its messages and beeps shown through ui::Dialogs.
class RecordFormWindow : public ui::Window
{
    Q_OBJECT

public:
    enum class Background {
        Picture,
        Plain
    };

    RecordFormWindow(std::unique_ptr<RecordFormController> controller, Background background,
                     QWidget *parent = nullptr);
    ~RecordFormWindow() override;

    RecordFormController &controller() const { return *m_controller; }

    // The area below the menu bar that the twips layout and the resize arithmetic use.
    QWidget *clientArea() const { return m_client; }

protected:
    void setClientSizeTwips(const ui::TwipsSize &size);
    void setCloseCaption(const QString &caption);
    // The form's menu bar, made on first use.
    QMenuBar *menuBar();
    // Lays out what stands above the strips; the grid forms size their grid here.
    virtual void layoutBody(std::optional<int> gridHeightTwips) { Q_UNUSED(gridHeightTwips); }
    virtual bool hasGrid() const { return false; }
    // Hands what is being typed into a control that has not passed it on yet (a grid
    // cell's editor) to the row, so that every operation and every closing sees it.
    virtual void settleTyping() { }
    // Where the cursor goes once Add or Edit has opened a row for typing.
    virtual void focusFirstField() { }

    void formLoad() override;
    bool queryClose() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildStrips();
    QPushButton *addStripButton(QWidget *strip, const char *name, const QString &caption, int left);
    void applyButtons();
    void layoutStrips();
    bool handleKey(QKeyEvent *event);
    void watchKeysOf(QObject *widget);
    void runCommand(void (RecordFormController::*action)());

    std::unique_ptr<RecordFormController> m_controller;
    QWidget *m_client = nullptr;
    QWidget *m_buttonStrip = nullptr;
    QWidget *m_statusStrip = nullptr;
    QLabel *m_status = nullptr;
    QMap<QString, QPushButton *> m_buttons;
};

} // namespace records
