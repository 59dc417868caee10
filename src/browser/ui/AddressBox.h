#pragma once

#include <QComboBox>

namespace browser {

// The browser's address box. The arrow keys and the mouse wheel step through its
// entries, and leaving it takes up a typed text that matches an entry, without opening
// anything: only Enter and a pick from the opened list say that the person chose an
// address (addressChosen).
class AddressBox : public QComboBox
{
    Q_OBJECT

public:
    explicit AddressBox(QWidget *parent = nullptr);

signals:
    void addressChosen();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // True while the box handles a key, the wheel or the loss of focus itself: what it
    // selects then is no choice.
    bool m_ownStep = false;
};

} // namespace browser
