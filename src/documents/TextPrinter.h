#pragma once

#include "documents/PageProgress.h"

#include <QString>
#include <QStringList>

class QPagedPaintDevice;

namespace documents {

class PrintSurface;

// Prints plain text page after page in a fixed-pitch font within 20 mm margins: every
// line end starts a new line, tabs stop every 8 characters, and a line too long for
// the page wraps at spaces (inside a word only when the word alone is too long),
// continuing under its own indentation.
class TextPrinter
{
public:
    static constexpr int tabSize = 8;
    static constexpr double margin = 20;

    // Throws PrintError when the device cannot begin, start a page or finish. False,
    // with the document left unfinished, when progress asked to stop.
    static bool print(const QString &text, QPagedPaintDevice &device, const PageProgress &progress = {});
    static bool print(const QString &text, PrintSurface &surface, const PageProgress &progress = {});

    static QString expandTabs(const QString &line);
    // The printed lines that line becomes within width.
    static QStringList wrapLine(const QString &line, double width, const PrintSurface &surface);
};

} // namespace documents
