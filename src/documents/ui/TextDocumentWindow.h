#pragma once

#include "ui/Twips.h"
#include "ui/Window.h"

class QLabel;
class QMenu;
class QMenuBar;
class QPlainTextEdit;

namespace documents {

// A window that shows a document as text (the business report, a merged template) and
// gets it out: a File menu with Print Preview, Print (the print dialog) and Save as
// PDF, all laid out as the printout. Its controls sit in client(), below the menu bar,
// placed in twips over the background picture; a notice line under them says what the
// person should know about the document, when there is something.
class TextDocumentWindow : public ui::Window
{
    Q_OBJECT

public:
    explicit TextDocumentWindow(QWidget *parent = nullptr);

protected:
    QWidget *client() const { return m_client; }
    QMenu *fileMenu() const { return m_fileMenu; }
    // The window's size for a client area of this size in twips.
    void setClientSizeTwips(const ui::TwipsSize &size);
    // The box whose text the File menu prints.
    void setDocumentBox(QPlainTextEdit *box) { m_document = box; }
    // Shows text under the document; empty text hides the line.
    void setNotice(const QString &text);
    // The name of the print job, the PDF's title and the file name offered.
    virtual QString documentName() const { return windowTitle(); }
    // The document as printed: CR LF line ends.
    QString documentText() const;

private:
    void previewDocument();
    void printDocument();
    void saveAsPdf();

    QMenuBar *m_menuBar;
    QMenu *m_fileMenu;
    QWidget *m_client;
    QLabel *m_notice;
    QPlainTextEdit *m_document = nullptr;
};

} // namespace documents
