#pragma once

#include <QDialog>

class QLabel;
class QPrintPreviewWidget;
class QPrinter;

namespace documents {

// The pages of a printout as they will come out of the printer, with zoom, before
// anything is printed. Print accepts the dialog; the caller then asks for the printer
// through the program's own print dialog, so every printout starts the same way.
class PrintPreviewDialog : public QDialog
{
    Q_OBJECT

public:
    PrintPreviewDialog(QPrinter &printer, const QString &documentName, QWidget *parent = nullptr);

    // Draws the pages through the widget's paintRequested signal.
    QPrintPreviewWidget *preview() const { return m_preview; }
    int pageCount() const;

private:
    void showPageCount();

    QPrintPreviewWidget *m_preview;
    QLabel *m_pages;
};

} // namespace documents
