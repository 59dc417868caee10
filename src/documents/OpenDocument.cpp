#include "documents/OpenDocument.h"

#include "documents/LineBreaks.h"
#include "documents/PrintError.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextDocumentWriter>

namespace documents {

void saveOpenDocument(const QString &text, const QString &fileName)
{
    const auto failure = [&](const QString &reason) {
        return PrintError(QCoreApplication::translate("documents::OpenDocument", "The file %1 could not be written: %2")
                              .arg(QDir::toNativeSeparators(fileName), reason));
    };
    QTextDocument document;
    document.setPlainText(withDisplayLineBreaks(text));
    // The package is made in memory: its writer closes the device it writes to, which
    // a file that is replaced only once it is whole does not allow.
    QBuffer package;
    package.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&package, QByteArrayLiteral("odf"));
    if (!writer.write(&document))
        throw failure(QCoreApplication::translate("documents::OpenDocument", "the document could not be made."));

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(package.data()) != package.data().size() || !file.commit())
        throw failure(file.errorString());
}

} // namespace documents
