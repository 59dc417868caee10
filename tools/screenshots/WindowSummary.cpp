#include "WindowSummary.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAction>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextEdit>
#include <QUrl>

#include <algorithm>

namespace screenshots {

namespace {

// The texts of a list or table as shown: its header and each row's cells.
QString itemViewText(const QAbstractItemView &view)
{
    const QAbstractItemModel *model = view.model();
    if (!model)
        return {};
    QStringList cells;
    for (int column = 0; column < model->columnCount(); ++column)
        cells << model->headerData(column, Qt::Horizontal).toString();
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column)
            cells << model->index(row, column).data().toString();
    }
    return QStringLiteral("%1 rows: ").arg(model->rowCount()) % cells.join(u'|');
}

// What one control shows; empty for a control that shows no text of its own.
QString shownText(const QWidget &widget)
{
    if (const auto *bar = qobject_cast<const QMenuBar *>(&widget)) {
        QStringList titles;
        for (const QAction *menu : bar->actions()) {
            if (menu->isVisible())
                titles << menu->text();
        }
        return titles.join(u'|');
    }
    if (const auto *label = qobject_cast<const QLabel *>(&widget))
        return label->text().isEmpty() && !label->pixmap().isNull() ? QStringLiteral("(picture)") : label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(&widget))
        return button->isCheckable() && button->isChecked() ? button->text() % QStringLiteral(" (on)") : button->text();
    if (const auto *field = qobject_cast<const QLineEdit *>(&widget))
        return field->text();
    if (const auto *box = qobject_cast<const QComboBox *>(&widget))
        return box->currentText();
    if (const auto *group = qobject_cast<const QGroupBox *>(&widget))
        return group->title();
    if (const auto *text = qobject_cast<const QPlainTextEdit *>(&widget))
        return text->toPlainText();
    if (const auto *text = qobject_cast<const QTextEdit *>(&widget))
        return text->toPlainText();
    if (const auto *status = qobject_cast<const QStatusBar *>(&widget))
        return status->currentMessage();
    if (const auto *view = qobject_cast<const QAbstractItemView *>(&widget))
        return itemViewText(*view);
    return {};
}

void summarise(const QWidget &widget, QStringList &lines)
{
    for (const QObject *object : widget.children()) {
        const auto *child = qobject_cast<const QWidget *>(object);
        // Windows of their own (menus, dialogs) and hidden controls are not in the picture.
        if (!child || child->isWindow() || !child->isVisibleTo(&widget))
            continue;
        // Scroll bars and Qt's own parts (a scroll area's viewport, the menu bar's button
        // for the menus that do not fit) come and go with sizes and fonts; what the
        // parts hold counts.
        if (child->inherits("QScrollBar") || child->inherits("QSizeGrip"))
            continue;
        if (child->objectName().startsWith(QLatin1String("qt_"))) {
            summarise(*child, lines);
            continue;
        }
        const QString kind = QString::fromLatin1(child->metaObject()->className());
        QString line
            = kind % u' ' % child->objectName() % (child->isEnabled() ? QString() : QStringLiteral(" disabled"));
        // A web page is drawn by the engine (or the tool's placeholder for it).
        if (child->inherits("browser::WebView")) {
            lines << line;
            continue;
        }
        const QString text = shownText(*child);
        if (!text.isEmpty())
            line += QStringLiteral(": ") + text;
        lines << line;
        // A list's or a text box's own parts (scroll bars, viewport) add nothing.
        if (!qobject_cast<const QAbstractScrollArea *>(child) || child->inherits("QScrollArea"))
            summarise(*child, lines);
    }
}

bool holdsWebPage(const QWidget &window)
{
    const QList<QWidget *> all = window.findChildren<QWidget *>();
    return std::any_of(all.begin(), all.end(),
                       [](const QWidget *widget) { return widget->inherits("browser::WebView"); });
}

} // namespace

QStringList windowSummary(const QWidget &window, const QString &sampleFolder)
{
    // A window showing a web page takes that page's title.
    QStringList lines{QString::fromLatin1(window.metaObject()->className()) % u' ' % window.objectName()
                      % (holdsWebPage(window) ? QString() : QStringLiteral(": ") + window.windowTitle())};
    summarise(window, lines);
    if (!sampleFolder.isEmpty()) {
        const QString folder = QDir::cleanPath(sampleFolder);
        // File addresses spell the folder with its special characters encoded.
        const QString address = QUrl::fromLocalFile(folder).toString(QUrl::FullyEncoded);
        for (QString &line : lines)
            line.replace(address, QStringLiteral("file://SAMPLE")).replace(folder, QStringLiteral("SAMPLE"));
    }
    return lines;
}

QString windowFingerprint(const QWidget &window, const QString &sampleFolder)
{
    // 32 hexadecimal digits: short enough that the picture keeps it as plain text.
    const QByteArray summary = windowSummary(window, sampleFolder).join(u'\n').toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(summary, QCryptographicHash::Sha256).toHex().left(32));
}

} // namespace screenshots
