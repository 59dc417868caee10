#include "documents/ui/ArticlesWindow.h"

#include "documents/LineBreaks.h"
#include "documents/MergeInputsLoader.h"
#include "documents/TemplateMerge.h"
#include "ui/BackgroundPicture.h"
#include "ui/Controls.h"
#include "ui/Twips.h"

#include <QPlainTextEdit>

#include <algorithm>

namespace documents {

namespace {

namespace Layout {
constexpr ui::TwipsSize Client{9315, 9210};
constexpr ui::TwipsBox Text1{1260, 1320, 7815, 7635};
// Space kept right of and below the text box, as at the design size.
constexpr int RightMargin = Client.width - Text1.left - Text1.width;
constexpr int BottomMargin = Client.height - Text1.top - Text1.height;
// The text box never gets smaller than this, however small the window.
constexpr ui::TwipsSize SmallestText{2880, 1440};
} // namespace Layout

const QString DesignCaption = QStringLiteral("Report Article Of Corporation");

} // namespace

ArticlesWindow::ArticlesWindow(QWidget *parent)
    : ui::Window(parent)
    , m_text(ui::makeTextBox(this, "Text1", QStringLiteral("Document"), Layout::Text1))
{
    setObjectName(QStringLiteral("rptArticlesOfCorporation"));
    setWindowTitle(DesignCaption);
    ui::setClientSize(this, Layout::Client);
    setMinimumSize(ui::twipsSize(Layout::Text1.left + Layout::SmallestText.width + Layout::RightMargin,
                                 Layout::Text1.top + Layout::SmallestText.height + Layout::BottomMargin));
    ui::applyBackground(this);
}

void ArticlesWindow::showTemplate(const QString &reportName, qint64 businessInformationId)
{
    const bool sameDocument = reportName == m_reportName && businessInformationId == m_businessInformationId;
    m_reportName = reportName;
    m_businessInformationId = businessInformationId;
    if (!sameDocument)
        reload();
    showWindow();
}

void ArticlesWindow::formLoad()
{
    const MergedDocument document = mergeTemplate(loadMergeInputs(m_reportName, m_businessInformationId));
    setWindowTitle(document.caption.value_or(DesignCaption));
    m_text->setPlainText(withDisplayLineBreaks(document.text));
}

void ArticlesWindow::formUnload()
{
    setWindowTitle(DesignCaption);
    m_text->clear();
}

void ArticlesWindow::resizeEvent(QResizeEvent *event)
{
    ui::Window::resizeEvent(event);
    fitTextToWindow();
}

void ArticlesWindow::fitTextToWindow()
{
    // The text box grows and shrinks with the window, its scroll bar always inside it.
    const int width = std::max(ui::pixelsToTwips(this->width()) - Layout::Text1.left - Layout::RightMargin,
                               Layout::SmallestText.width);
    const int height = std::max(ui::pixelsToTwips(this->height()) - Layout::Text1.top - Layout::BottomMargin,
                                Layout::SmallestText.height);
    ui::place(m_text, {Layout::Text1.left, Layout::Text1.top, width, height});
}

} // namespace documents
