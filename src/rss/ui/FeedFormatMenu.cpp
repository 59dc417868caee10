#include "rss/ui/FeedFormatMenu.h"

#include "base/Error.h"
#include "rss/FeedFormat.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace rss {

namespace {

const char *actionName(FeedFormat format)
{
    switch (format) {
    case FeedFormat::Rss091: return "mnuFeedRss091";
    case FeedFormat::Rss20: return "mnuFeedRss20";
    case FeedFormat::Atom10: return "mnuFeedAtom10";
    }
    return "";
}

// The format's name with its access key.
QString caption(FeedFormat format)
{
    switch (format) {
    case FeedFormat::Rss091: return QStringLiteral("RSS &0.91");
    case FeedFormat::Rss20: return QStringLiteral("RSS &2.0");
    case FeedFormat::Atom10: return QStringLiteral("&Atom 1.0");
    }
    return {};
}

} // namespace

QMenu *addFeedFormatMenu(QMenuBar *bar, std::function<void(const QString &)> report)
{
    QMenu *menu = bar->addMenu(QStringLiteral("Feed F&ormat"));
    menu->setObjectName(QStringLiteral("mnuFeedFormat"));
    auto *group = new QActionGroup(menu);
    group->setExclusive(true);
    const auto checkKept = [menu] {
        if (auto *kept = menu->findChild<QAction *>(QLatin1String(actionName(keptFeedFormat()))))
            kept->setChecked(true);
    };
    for (const FeedFormat format : FeedFormats) {
        QAction *action = menu->addAction(caption(format));
        action->setObjectName(QLatin1String(actionName(format)));
        action->setCheckable(true);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, menu, [format, report, checkKept] {
            try {
                keepFeedFormat(format);
            } catch (const base::Error &error) {
                report(error.description());
                checkKept();
            }
        });
    }
    checkKept();
    // The program running twice may have kept another format since: the menu shows the one in force.
    QObject::connect(menu, &QMenu::aboutToShow, menu, checkKept);
    return menu;
}

} // namespace rss
