#pragma once

#include "ui/Window.h"

class QPlainTextEdit;
class QPushButton;

namespace documents {

// The whole plan of one business as text, which the user may edit before printing.
class ReportWindow : public ui::Window
{
    Q_OBJECT

public:
    explicit ReportWindow(QWidget *parent = nullptr);

    // The business to report on; read when the window loads.
    int BusinessInformationId = 0;

protected:
    // Throws db::DbError when the database cannot be read; the window stays unloaded.
    void formLoad() override;
    void formUnload() override;

private:
    void printReport();

    QPlainTextEdit *m_text;
    QPushButton *m_close;
    QPushButton *m_print;
};

} // namespace documents
