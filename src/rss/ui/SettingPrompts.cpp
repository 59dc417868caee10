#include "rss/ui/SettingPrompts.h"

#include "ui/Dialogs.h"

namespace rss {

namespace {

// Passwords are typed as dots, so nobody reads them over the person's shoulder.
ui::Dialogs::Echo echoFor(const PublishingSettings &settings, const QString &value)
{
    const bool secret = &value == &settings.ftpPassword || &value == &settings.twitterPassword;
    return secret ? ui::Dialogs::Echo::Password : ui::Dialogs::Echo::Normal;
}

} // namespace

void editSetting(QWidget *parent, const QString &prompt, int line)
{
    PublishingSettings settings = PublishingSettings::read();
    QString &value = settings.line(line);
    const QString answer
        = ui::Dialogs::inputText(parent, prompt, QLatin1String(GeneratorTitle), value, echoFor(settings, value));
    if (answer.trimmed().isEmpty())
        return;
    value = answer;
    settings.write();
}

std::optional<PublishingSettings> ftpAccountForUpload(QWidget *parent)
{
    if (PublishingSettings::exists())
        return PublishingSettings::read();
    PublishingSettings account;
    struct Question
    {
        const char *prompt;
        const char *refusal;
        QString PublishingSettings::*value;
    };
    const Question questions[] = {
        {"Enter FTP Site Address", "Invalid FTP Site Address", &PublishingSettings::ftpSite},
        {"Enter User Name", "Invalid User Name", &PublishingSettings::ftpUserName},
        {"Enter Password", "Invalid Password", &PublishingSettings::ftpPassword},
        {"Enter FTPDirectory", nullptr, &PublishingSettings::ftpDirectory},
    };
    for (const Question &question : questions) {
        QString &value = account.*question.value;
        value = ui::Dialogs::inputText(parent, QLatin1String(question.prompt), QLatin1String(GeneratorTitle), {},
                                       echoFor(account, value));
        if (question.refusal && value.trimmed().isEmpty()) {
            ui::Dialogs::message(parent, QLatin1String(question.refusal));
            return std::nullopt;
        }
    }
    return account;
}

} // namespace rss
