#pragma once

#include "ui/Window.h"

class QPlainTextEdit;

namespace documents {

// A stored template filled with one business's data, shown for reading. Nothing typed
// into it is kept.
class ArticlesWindow : public ui::Window
{
    Q_OBJECT

public:
    explicit ArticlesWindow(QWidget *parent = nullptr);

    // The template to fill and the business whose data fills it; read when the window loads.
    QString ReportName;
    int BusinessInformationId = 0;

protected:
    void formLoad() override;
    void formUnload() override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitTextToWindow();

    QPlainTextEdit *m_text;
};

} // namespace documents
