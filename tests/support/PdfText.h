#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace testing_support {

// What a command prints on its standard output (empty when it cannot run).
inline QString toolOutput(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of a PDF file as laid out on paper (pdftotext -layout): what a printout or
// a saved PDF carries, so tests read it as a person would.
inline QString pdfText(const QString &pdf)
{
    return toolOutput(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

// The same, page by page.
inline QStringList pdfPages(const QString &pdf)
{
    QStringList pages = pdfText(pdf).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

} // namespace testing_support
