#pragma once

#include <QString>
#include <QStringList>

class QImage;
class QWidget;

namespace screenshots {

// What a window shows, as lines of text: its title and, for each control on it, its
// kind, name, whether it can be used, and its text or value (menu titles, labels,
// fields, buttons, lists). Positions and sizes stay out, as they follow the desktop's
// fonts; the inside of a web page stays out, as it follows the web engine. The path of
// sampleFolder, where the tour's office lives (a new temporary folder on each run),
// reads as "SAMPLE".
QStringList windowSummary(const QWidget &window, const QString &sampleFolder = {});

// A short fingerprint of that summary, kept in each picture the tool writes, so that a
// picture can be told current or stale on any machine, whatever its fonts.
QString windowFingerprint(const QWidget &window, const QString &sampleFolder = {});

// The picture's text key that holds the fingerprint.
inline constexpr auto FingerprintKey = "Tallowmere-window";

} // namespace screenshots
