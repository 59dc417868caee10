#pragma once

#include "documents/PageProgress.h"

#include <QString>

#include <memory>

class QProgressDialog;
class QWidget;

namespace documents {

// The progress of a long printout, page by page, with a Cancel button. Between two
// pages the window's events are handled, so it keeps repainting and Cancel is heard.
// The box appears only when the printout looks like taking a while.
class PageProgressDialog
{
public:
    // action: what runs, "Printing" or "Preparing the preview".
    PageProgressDialog(QWidget *parent, const QString &action);
    ~PageProgressDialog();

    // Hands the progress to a printer; answers false once Cancel was pressed.
    PageProgress callback();
    // Pages finished when the printout ended or was stopped.
    int pagesDone() const { return m_pagesDone; }

private:
    bool pageDone(int pagesDone, double shareDone);

    std::unique_ptr<QProgressDialog> m_dialog;
    QString m_action;
    int m_pagesDone = 0;
};

} // namespace documents
