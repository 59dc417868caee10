#pragma once

#include <QScrollArea>
#include <QStringList>

#include <functional>
#include <vector>

class QPushButton;

namespace app {

// Where the template buttons stand inside the planning menu (twips).
struct TemplateColumnGeometry
{
    int left;
    int firstTop; // the first button's top
    int buttonWidth;
    int buttonHeight;
    int step;      // from one button's top to the next one's
    int rowsShown; // beyond this many the column scrolls instead of growing
};

// The control array cmdArticleOfCorporation, elements 1 to n: one button per template,
// each a step below the one before. The column grows with its buttons up to rowsShown
// of them, then scrolls, so a long list of templates never makes the form taller than
// a screen. Only the buttons shown at first are made at once, which keeps start-up
// short; the others are made when the column is scrolled or Tab leaves the last one made.
class TemplateColumn : public QScrollArea
{
    Q_OBJECT

public:
    TemplateColumn(const TemplateColumnGeometry &geometry, QWidget *frame);

    // Makes one button per caption, in order; a click hands the caption to open.
    void setTemplates(const QStringList &captions, const QFont &font, const std::function<void(const QString &)> &open);
    void clear();

    int count() const { return static_cast<int>(m_captions.size()); }
    // How many buttons exist so far.
    int madeCount() const { return static_cast<int>(m_buttons.size()); }
    // The bottom of the last button shown without scrolling, in twips from the frame's top.
    int shownBottom() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void makeButtons(int upTo);
    void makeTheRest();

    TemplateColumnGeometry m_geometry;
    QWidget *m_content = nullptr;
    QStringList m_captions;
    QFont m_font;
    std::function<void(const QString &)> m_open;
    int m_buttonWidth = 0;
    std::vector<QPushButton *> m_buttons;
};

} // namespace app
