#include "documents/ui/PageProgressDialog.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLocale>
#include <QProgressDialog>

#include <algorithm>

namespace documents {

namespace {
constexpr int Steps = 1000;
// Shorter printouts finish before the box would show.
constexpr int ShowAfterMilliseconds = 400;
} // namespace

PageProgressDialog::PageProgressDialog(QWidget *parent, const QString &action)
    : m_dialog(std::make_unique<QProgressDialog>(action + QStringLiteral("..."),
                                                 QCoreApplication::translate("documents::PageProgressDialog", "Cancel"),
                                                 0, Steps, parent))
    , m_action(action)
{
    m_dialog->setObjectName(QStringLiteral("PrintProgress"));
    m_dialog->setWindowTitle(action);
    // The rest of the program stays usable; only the window that prints waits.
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setMinimumDuration(ShowAfterMilliseconds);
    m_dialog->setAutoReset(false);
    m_dialog->setValue(0);
}

PageProgressDialog::~PageProgressDialog() = default;

PageProgress PageProgressDialog::callback()
{
    return [this](int pagesDone, double shareDone) { return pageDone(pagesDone, shareDone); };
}

bool PageProgressDialog::pageDone(int pagesDone, double shareDone)
{
    m_pagesDone = pagesDone;
    m_dialog->setLabelText(
        pagesDone == 1
            ? QCoreApplication::translate("documents::PageProgressDialog", "%1: 1 page done.").arg(m_action)
            : QCoreApplication::translate("documents::PageProgressDialog", "%1: %Ln pages done.", nullptr, pagesDone)
                  .arg(m_action));
    m_dialog->setValue(std::clamp(int(shareDone * Steps), 0, Steps - 1));
    // Until the box shows, nothing blocks the window, so clicks and keys wait: they
    // could start a second printout from inside this one.
    QCoreApplication::processEvents(m_dialog->isVisible() ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    return !m_dialog->wasCanceled();
}

} // namespace documents
