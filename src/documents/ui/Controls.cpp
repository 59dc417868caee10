#include "documents/ui/Controls.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace documents {

QPushButton *makeButton(QWidget *window, const char *objectName, const QString &caption, const TwipsBox &box)
{
    auto *button = new QPushButton(caption, window);
    button->setObjectName(QLatin1String(objectName));
    button->setAccessibleName(QString(caption).remove(u'&'));
    place(button, box);
    return button;
}

QPlainTextEdit *makeTextBox(QWidget *window, const char *objectName, const QString &accessibleName,
                            const TwipsBox &box)
{
    auto *textBox = new QPlainTextEdit(window);
    textBox->setObjectName(QLatin1String(objectName));
    textBox->setAccessibleName(accessibleName);
    textBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
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

} // namespace documents
