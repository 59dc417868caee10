// Runs every test program headless: Qt draws offscreen unless the caller chose a platform.
#ifdef TALLOWMERE_TESTS_WITH_WIDGETS
#include <QApplication>
#endif
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The desktop font's size in points for this run, or 0 for Qt's default (9 pt): the
// window tests run once per size (tests/CMakeLists.txt).
double desktopFontPoints()
{
    return std::max(0.0, qEnvironmentVariable("TALLOWMERE_TEST_FONT_POINTS").toDouble());
}

// Offscreen, windows open on a screen large enough for every window's design size
// (larger in proportion under a larger font, as the windows are); a second, small
// screen (800 x 600, to the right of the first) is there for the tests of windows that
// do not fit.
QByteArray offscreenWithTwoScreens()
{
    static QTemporaryDir configDir;
    const QString path = configDir.filePath(QStringLiteral("screens.json"));
    QFile config(path);
    if (!config.open(QIODevice::WriteOnly))
        return "offscreen";
    const double larger = std::max(1.0, desktopFontPoints() / 9);
    const int width = static_cast<int>(1920 * larger);
    const int height = static_cast<int>(1080 * larger);
    config.write(QStringLiteral(R"({"screens": [
        {"name": "Large", "x": 0, "y": 0, "width": %1, "height": %2, "logicalDpi": 96, "dpr": 1},
        {"name": "Small", "x": %1, "y": 0, "width": 800, "height": 600, "logicalDpi": 96, "dpr": 1}
    ]})")
                     .arg(width)
                     .arg(height)
                     .toUtf8());
    return "offscreen:configfile=" + QFile::encodeName(path);
}

// Each test starts without window places kept by an earlier one.
class ForgetKeptWindows : public ::testing::EmptyTestEventListener
{
    void OnTestStart(const ::testing::TestInfo &) override
    {
        QSettings(QStringLiteral("Tallowmere"), QStringLiteral("Tallowmere")).clear();
    }
};

} // namespace

int main(int argc, char **argv)
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM", offscreenWithTwoScreens());
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        static QTemporaryDir runtimeDir;
        QFile::setPermissions(runtimeDir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    }
    // What windows keep in the user's settings goes to a folder of this run, never to
    // the settings of the person running the tests.
    static QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new ForgetKeptWindows);
#ifdef TALLOWMERE_TESTS_WITH_WIDGETS
    // As in the program: a web engine loaded later needs shared OpenGL contexts.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
#else
    QGuiApplication app(argc, argv);
#endif
    if (const double points = desktopFontPoints(); points > 0) {
        QFont font = QGuiApplication::font();
        font.setPointSizeF(points);
        QGuiApplication::setFont(font);
    }
    return RUN_ALL_TESTS();
}
