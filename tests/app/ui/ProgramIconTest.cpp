// The program's icon comes from the resources built into it, at every size a desktop asks for.
#include "app/ui/StartUp.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

TEST(ProgramIconTest, EveryWindowCarriesTheIconAtEachSize)
{
    app::useProgramIcon();
    const QIcon icon = QApplication::windowIcon();
    ASSERT_FALSE(icon.isNull()) << "the icons are missing from the program's resources";
    const QList<QSize> sizes = icon.availableSizes();
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
        // Each file is drawn at its own size, not stretched from another.
        const QImage file(QStringLiteral(":/icons/tallowmere-%1.png").arg(size));
        EXPECT_EQ(file.size(), QSize(size, size)) << size;
        // The files are read when a picture is first wanted; each size shows its own.
        EXPECT_EQ(icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32),
                  file.convertToFormat(QImage::Format_ARGB32))
            << size;
    }
    QWidget window;
    EXPECT_EQ(window.windowIcon().cacheKey(), icon.cacheKey());
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("tallowmere"));
}
