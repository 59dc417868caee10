// The program's icon comes from the resources built into it, at every size a desktop asks for.
#include "app/ui/StartUp.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

// Largest difference of any colour or alpha value between two pictures of one size, both compared
// premultiplied as a pixmap keeps them: undoing the premultiplication is lossy, and processors round
// the step differently, so the pixels of a drawn icon never match a file's exactly.
int largestDifference(const QImage &shown, const QImage &file)
{
    const QImage one = shown.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage other = file.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (one.size() != other.size())
        return 256;
    int largest = 0;
    for (int y = 0; y < one.height(); ++y) {
        const auto *a = reinterpret_cast<const QRgb *>(one.constScanLine(y));
        const auto *b = reinterpret_cast<const QRgb *>(other.constScanLine(y));
        for (int x = 0; x < one.width(); ++x) {
            largest = std::max({largest, std::abs(qRed(a[x]) - qRed(b[x])), std::abs(qGreen(a[x]) - qGreen(b[x])),
                                std::abs(qBlue(a[x]) - qBlue(b[x])), std::abs(qAlpha(a[x]) - qAlpha(b[x]))});
        }
    }
    return largest;
}

} // namespace

TEST(ProgramIconTest, EveryWindowCarriesTheIconAtEachSize)
{
    app::useProgramIcon();
    const QIcon icon = QApplication::windowIcon();
    ASSERT_FALSE(icon.isNull()) << "the icons are missing from the program's resources";
    const QList<QSize> sizes = icon.availableSizes();
    const QImage largestFile(":/icons/tallowmere-256.png");
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
        // Each file is drawn at its own size, not stretched from another.
        const QImage file(QStringLiteral(":/icons/tallowmere-%1.png").arg(size));
        EXPECT_EQ(file.size(), QSize(size, size)) << size;
        // The files are read when a picture is first wanted; each size shows its own file.
        const QImage shown = icon.pixmap(QSize(size, size)).toImage();
        EXPECT_LE(largestDifference(shown, file), 2) << size;
        if (size < 256) {
            const QImage stretched = largestFile.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            EXPECT_GT(largestDifference(stretched, file), 2) << size << ": the file is the large one shrunk";
        }
    }
    QWidget window;
    EXPECT_EQ(window.windowIcon().cacheKey(), icon.cacheKey());
    EXPECT_EQ(QGuiApplication::desktopFileName(), "tallowmere");
}
