#pragma once

#include "app/BusinessInformationController.h"
#include "app/MainFormData.h"
#include "app/ui/TemplateColumn.h"
#include "records/ui/TextBoxRecordForm.h"

#include <functional>
#include <optional>

class QGroupBox;
class QPushButton;

namespace app {

class FileMenu;

// The start-up form: one business per screen, the planning menu that opens the other
// forms for the business on screen, and one button per stored template.
class GeneralInformation1 : public records::TextBoxRecordForm
{
    Q_OBJECT

public:
    explicit GeneralInformation1(QWidget *parent = nullptr);
    ~GeneralInformation1() override;

    // The business on screen, handed to every form that works on one business.
    qint64 businessInformationId() const;
    BusinessInformationController &businesses() const;
    QGroupBox *planningMenu() const { return m_planningMenu; }
    TemplateColumn *templateColumn() const { return m_templateColumn; }
    FileMenu *fileMenu() const { return m_fileMenu; }
    // The next load shows this, read before the window was built, instead of reading.
    void useReadAhead(MainFormData readAhead);

    void editTemplate();
    void uploadTemplate();
    // Asks for a part of a name and moves to the first business whose name holds it.
    void findBusiness();
    // The same without asking: the text as typed into the input box.
    void findBusinessNamed(const QString &text);
    // Moves to the next business whose name holds the text last searched for, wrapping
    // at the end.
    void findNext();

protected:
    void formLoad() override;
    void formUnload() override;
    bool queryClose() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildPlanningMenu();
    void buildBusinessMenu();
    void findAfter(std::optional<qint64> key);
    void buildTemplateCommands();
    void buildResourcesMenu();
    void buildHelpMenu();
    void buildTemplateButtons(const QStringList &names);
    void removeTemplateButtons();
    void growBy(int twips);
    void openTemplate(const QString &reportName);
    void openBusinessResources();
    void openResourceBrowser();
    QString showInResourceBrowser(const QUrl &page);
    void openUserGuide();
    void showAbout();
    void viewReport();
    void openFinancialPlan();
    void manageRssFeeds();
    template <class Form> void openPlanningForm();
    // A business being added has no key yet: nothing is handed over for it.
    bool mayHandOver() const;
    void enableHandOvers();
    void reportFailures(const std::function<void()> &step);

    std::optional<MainFormData> m_readAhead;
    QGroupBox *m_planningMenu = nullptr;
    QPushButton *m_templatePattern = nullptr;
    TemplateColumn *m_templateColumn = nullptr;
    int m_growth = 0;
    QString m_searchedText;
    QList<QAction *> m_findActions;
    // The buttons and menu items that open another form for the business on screen.
    QList<QWidget *> m_handOverButtons;
    QAction *m_agentAction = nullptr;
    FileMenu *m_fileMenu = nullptr;
};

} // namespace app
