#pragma once

#include "documents/ui/PrintOutput.h"
#include "ui/Window.h"

class QMenu;
class QTabWidget;

namespace plan::ui {

class PlanSession;

// "Financial Plan - <business name>": the plan of the business on the main form, its
// settings and lines in tabs, its statements and charts following every change, and a
// File menu that saves, prints and exports them.
class PlanWindow : public ::ui::Window
{
    Q_OBJECT

public:
    explicit PlanWindow(QWidget *parent = nullptr);
    ~PlanWindow() override;

    // Shows the plan of a business; a window showing another one is loaded anew. Throws
    // db::DbError or PlanError naming what could not be read; the window is then unloaded.
    void showForBusiness(qint64 businessInformationId);
    qint64 businessInformationId() const { return m_businessInformationId; }

    QTabWidget *tabs() const { return m_tabs; }
    PlanSession &session() const { return *m_session; }

protected:
    void formLoad() override;
    void formUnload() override;
    // A value still being typed is stored first; when it cannot be, the window stays
    // open with the reason, so nothing typed is dropped unsaid.
    bool queryClose() override;

private:
    void buildFileMenu(QMenu *file);
    void buildTabs();
    // The plan as it stands, to print; empty, having said why, when the charts cannot
    // be drawn: asked before a file or printer is chosen, so nothing is left half made.
    documents::PrintOutput::Printout printout();
    void saveAsPdf();
    void printPreview();
    void print();
    void exportStatements();
    QString documentName() const;

    PlanSession *m_session;
    QTabWidget *m_tabs = nullptr;
    QWidget *m_body = nullptr;
    qint64 m_businessInformationId = 0;
};

} // namespace plan::ui
