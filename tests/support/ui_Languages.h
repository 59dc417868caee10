#pragma once

// Helpers for checking a window in another language: its translation installed for one
// test, and the access keys its commands answer to.
#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QMultiHash>
#include <QStringList>
#include <QTranslator>

#include <gtest/gtest.h>

namespace testing_support {

// The program's translation into `code` (as the build puts it beside the program) and
// Qt's own, installed while the object lives.
class InstalledLanguage
{
public:
    explicit InstalledLanguage(const QString &code)
    {
        const QString built = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"));
        m_loaded = m_program.load(QStringLiteral("tallowmere_") + code, built);
        EXPECT_TRUE(m_loaded) << "no tallowmere_" << code.toStdString() << " in " << built.toStdString();
        QCoreApplication::installTranslator(&m_program);
        if (m_qt.load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&m_qt);
    }
    ~InstalledLanguage()
    {
        QCoreApplication::removeTranslator(&m_program);
        QCoreApplication::removeTranslator(&m_qt);
    }
    InstalledLanguage(const InstalledLanguage &) = delete;
    InstalledLanguage &operator=(const InstalledLanguage &) = delete;

    bool loaded() const { return m_loaded; }

private:
    QTranslator m_program;
    QTranslator m_qt;
    bool m_loaded = false;
};

// The letter after a lone '&', upper-cased; empty for a text without one.
inline QString accessKey(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return text.mid(i + 1, 1).toUpper();
        ++i;
    }
    return {};
}

// The texts whose access keys repeat one another's, "A: &Add, &Abbrechen".
inline QStringList accessKeyClashes(const QStringList &texts)
{
    QMultiHash<QString, QString> byKey;
    for (const QString &text : texts) {
        if (const QString key = accessKey(text); !key.isEmpty())
            byKey.insert(key, text);
    }
    QStringList found;
    for (const QString &key : byKey.uniqueKeys()) {
        if (byKey.count(key) > 1)
            found << key + QStringLiteral(": ") + byKey.values(key).join(QStringLiteral(", "));
    }
    return found;
}

} // namespace testing_support
