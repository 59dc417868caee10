#include "app/ui/LanguageMenu.h"

#include "app/Language.h"
#include "ui/Dialogs.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace app {

LanguageMenu::LanguageMenu(QWidget *form, QMenu *help)
    : QObject(form)
    , m_form(form)
{
    QMenu *menu = help->addMenu(tr("&Language"));
    menu->setObjectName(QStringLiteral("mnuLanguage"));
    auto *group = new QActionGroup(menu);
    const QString chosen = Language::storedChoice();
    const auto add = [&](const QString &text, const QString &code) {
        QAction *action = menu->addAction(text);
        action->setObjectName(code.isEmpty() ? QStringLiteral("mnuLanguageSystem")
                                             : QStringLiteral("mnuLanguage_") + code);
        action->setCheckable(true);
        action->setActionGroup(group);
        // A choice the program no longer ships counts as the system language.
        action->setChecked(code.isEmpty() ? !Language::isShipped(chosen) : code == chosen);
        connect(action, &QAction::triggered, this, [this, code] { choose(code); });
    };
    add(tr("&System language"), QString());
    menu->addSeparator();
    // A language's own name needs no translation; the & would take a letter of it from
    // the others' access keys, so the names go without.
    for (const Language::Shipped &language : Language::shipped())
        add(language.nativeName, language.code);
}

void LanguageMenu::choose(const QString &code)
{
    if (code == Language::storedChoice())
        return;
    Language::storeChoice(code);
    ui::Dialogs::information(m_form, tr("Tallowmere will use the language you chose the next time it starts."),
                             tr("Language"));
}

} // namespace app
