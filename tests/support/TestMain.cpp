// Runs every test program headless: Qt draws offscreen unless the caller chose a platform.
#ifdef TALLOWMERE_TESTS_WITH_WIDGETS
#include <QApplication>
#endif
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Offscreen, windows open on a screen large enough for every window's design size; a
// second, small screen (800 x 600, to the right of the first) is there for the tests
// of windows that do not fit.
QByteArray offscreenWithTwoScreens()
{
    static QTemporaryDir configDir;
    const QString path = configDir.filePath(QStringLiteral("screens.json"));
    QFile config(path);
    if (!config.open(QIODevice::WriteOnly))
        return "offscreen";
    config.write(R"({"screens": [
        {"name": "Large", "x": 0, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96, "dpr": 1},
        {"name": "Small", "x": 1920, "y": 0, "width": 800, "height": 600, "logicalDpi": 96, "dpr": 1}
    ]})");
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
    return RUN_ALL_TESTS();
}
