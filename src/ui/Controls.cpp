#include "ui/Controls.h"

#include "ui/Buttons.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

#include <limits>

namespace ui {

namespace {
constexpr int TabStopCharacters = 8;
} // namespace

QPushButton *makeButton(QWidget *window, const char *objectName, const QString &caption, const TwipsBox &box)
{
    QPushButton *button = ui::makeButton(window, objectName, caption);
    place(button, box);
    return button;
}

QPlainTextEdit *makeTextBox(QWidget *window, const char *objectName, const QString &accessibleName, const TwipsBox &box)
{
    auto *textBox = new QPlainTextEdit(window);
    textBox->setObjectName(QLatin1String(objectName));
    textBox->setAccessibleName(accessibleName);
    textBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab stops every eight characters, as on paper, rather than Qt's wide default.
    textBox->setTabStopDistance(TabStopCharacters * QFontMetricsF(textBox->font()).averageCharWidth());
    place(textBox, box);
    return textBox;
}

QListWidget *makeList(QWidget *window, const char *objectName, const QString &accessibleName, const TwipsBox &box)
{
    auto *list = new QListWidget(window);
    list->setObjectName(QLatin1String(objectName));
    list->setAccessibleName(accessibleName);
    place(list, box);
    return list;
}

QLineEdit *keepWholeText(QLineEdit *box)
{
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}

QString heldText(const QPlainTextEdit *box)
{
    return box->document()->toRawText().replace(QChar::ParagraphSeparator, u'\n');
}

QString plainToolTip(const QString &text)
{
    return QStringLiteral("<qt>") + text.toHtmlEscaped() + QStringLiteral("</qt>");
}

} // namespace ui
