#pragma once

#include "documents/ui/TextDocumentWindow.h"

class QPlainTextEdit;
class QPushButton;

namespace documents {

// The whole plan of one business as text, which the user may edit before printing.
// Print sends it to the default printer; the File menu previews it, prints it through
// the print dialog or saves it as PDF.
class ReportWindow : public TextDocumentWindow
{
    Q_OBJECT

public:
    explicit ReportWindow(QWidget *parent = nullptr);

    // Shows the report of a business. A window that is loaded already comes to the
    // front, rebuilt when it showed another business. Throws db::DbError when the
    // database cannot be read; the window is then unloaded.
    void showForBusiness(qint64 businessInformationId);
    // The business last handed over, read when the window loads.
    qint64 businessInformationId() const { return m_businessInformationId; }

protected:
    // Throws db::DbError when the database cannot be read; the window stays unloaded.
    void formLoad() override;
    void formUnload() override;
    // The business's name and today's date: the print job's and the PDF's title.
    QString documentName() const override;

private:
    void printReport();

    QPlainTextEdit *m_text;
    QPushButton *m_close;
    QPushButton *m_print;
    qint64 m_businessInformationId = 0;
    QString m_businessName;
};

} // namespace documents
