#include "rss/ui/SettingPrompts.h"

#include "ui/Dialogs.h"

namespace rss {

namespace {

QString ask(QWidget *parent, const char *prompt)
{
    return ui::Dialogs::inputText(parent, QLatin1String(prompt), QLatin1String(GeneratorTitle));
}

} // namespace

void editSetting(QWidget *parent, const QString &prompt, int line)
{
    PublishingSettings settings = PublishingSettings::read();
    const QString answer = ui::Dialogs::inputText(parent, prompt, QLatin1String(GeneratorTitle), settings.line(line));
    if (answer.trimmed().isEmpty())
        return;
    settings.line(line) = answer;
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
        const QString answer = ask(parent, question.prompt);
        if (question.refusal && answer.trimmed().isEmpty()) {
            ui::Dialogs::message(parent, QLatin1String(question.refusal));
            return std::nullopt;
        }
        account.*question.value = answer;
    }
    return account;
}

} // namespace rss
