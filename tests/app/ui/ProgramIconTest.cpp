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
        EXPECT_EQ(QImage(QStringLiteral(":/icons/tallowmere-%1.png").arg(size)).size(), QSize(size, size)) << size;
    }
    QWidget window;
    EXPECT_EQ(window.windowIcon().cacheKey(), icon.cacheKey());
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("tallowmere"));
}
