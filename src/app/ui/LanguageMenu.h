#pragma once

#include <QObject>

class QMenu;
class QWidget;

namespace app {

// Help > Language: "System language" and each shipped language in its own name. The
// choice is kept in the user's settings and takes effect at the next start, as the
// windows are built in one language.
class LanguageMenu : public QObject
{
    Q_OBJECT

public:
    LanguageMenu(QWidget *form, QMenu *help);

private:
    void choose(const QString &code);

    QWidget *m_form;
};

} // namespace app
