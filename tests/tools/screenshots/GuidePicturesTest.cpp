// The user guide's pictures: each one the guide shows is shipped, each one shipped is
// shown, and each shows its window as this build draws it (the screenshot tool's
// fingerprint of what the window shows, which does not depend on fonts or pixels).
#include "WindowSummary.h"
#include "support/QStringPrinter.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSet>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

const QDir guideFolder(QStringLiteral(TALLOWMERE_GUIDE_FOLDER));
// Where the test run of the screenshot tool wrote this build's pictures.
const QDir thisBuildsPictures(QStringLiteral(TALLOWMERE_SCREENSHOTS));

QString guideText()
{
    QFile guide(guideFolder.filePath(QStringLiteral("user-guide.html")));
    EXPECT_TRUE(guide.open(QIODevice::ReadOnly)) << guide.fileName().toStdString();
    return QString::fromUtf8(guide.readAll());
}

QSet<QString> picturesTheGuideShows()
{
    QSet<QString> names;
    for (const QRegularExpressionMatch &picture :
         QRegularExpression(QStringLiteral("<img [^>]*src=\"images/([^\"]+)\"")).globalMatch(guideText()))
        names.insert(picture.captured(1));
    return names;
}

QSet<QString> shippedPictures()
{
    const QStringList files = QDir(guideFolder.filePath(QStringLiteral("images"))).entryList(QDir::Files);
    return {files.begin(), files.end()};
}

QString fingerprintOf(const QString &path)
{
    return QImage(path).text(QLatin1String(screenshots::FingerprintKey));
}

TEST(UserGuidePictures, EveryPictureShownIsShippedAndEveryShippedOneIsShown)
{
    const QSet<QString> shown = picturesTheGuideShows();
    const QSet<QString> shipped = shippedPictures();
    EXPECT_FALSE(shown.isEmpty());
    for (const QString &name : shown - shipped)
        ADD_FAILURE() << "the guide shows images/" << name.toStdString() << ", which docs/images lacks";
    for (const QString &name : shipped - shown)
        ADD_FAILURE() << "docs/images/" << name.toStdString() << " is shipped but the guide never shows it";
}

TEST(UserGuidePictures, EachShowsItsWindowAsThisBuildDoes)
{
    for (const QString &name : picturesTheGuideShows()) {
        SCOPED_TRACE(name.toStdString());
        const QString made = thisBuildsPictures.filePath(name);
        ASSERT_TRUE(QFile::exists(made)) << "the screenshot tool no longer makes " << name.toStdString();
        const QString current = fingerprintOf(made);
        ASSERT_EQ(current.size(), 32) << "the tool's picture holds no fingerprint";
        EXPECT_EQ(fingerprintOf(guideFolder.filePath(QStringLiteral("images/") + name)), current)
            << "docs/images/" << name.toStdString()
            << " shows its window otherwise than this build: make the pictures again with "
               "tallowmere-screenshots (see the README), or compare with its --summaries";
    }
}

TEST(UserGuidePictures, TheGuideTellsOfHelpF1AndAbout)
{
    const QString text = guideText();
    for (const char *words : {"Help &gt; User Guide", "<b>F1</b>", "Help &gt; About Tallowmere", "<b>File</b>"})
        EXPECT_TRUE(text.contains(QLatin1String(words))) << words;
}

// The fingerprint follows what a person sees on the window, not how big it is drawn.
class WindowFingerprint : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = std::make_unique<QMainWindow>();
        window->setObjectName(QStringLiteral("frmSample"));
        window->setWindowTitle(QStringLiteral("Sample"));
        for (const char *title : {"&File", "&Business", "&Help"})
            window->menuBar()->addMenu(QLatin1String(title));
        auto *centre = new QWidget(window.get());
        label = new QLabel(QStringLiteral("Business Name:"), centre);
        field = new QLineEdit(QStringLiteral("Acme Bakery"), centre);
        field->move(0, 20);
        button = new QPushButton(QStringLiteral("&Add"), centre);
        button->move(0, 40);
        hidden = new QPushButton(QStringLiteral("&Update"), centre);
        hidden->hide();
        window->setCentralWidget(centre);
        window->resize(400, 300);
        window->show();
        before = screenshots::windowFingerprint(*window);
    }

public: // the table of changes below reaches in
    std::unique_ptr<QMainWindow> window;
    QLabel *label = nullptr;
    QLineEdit *field = nullptr;
    QPushButton *button = nullptr;
    QPushButton *hidden = nullptr;
    QString before;
};

TEST_F(WindowFingerprint, ChangesWithWhatTheWindowShows)
{
    const struct
    {
        const char *change;
        std::function<void(WindowFingerprint &)> apply;
    } changes[] = {
        {"a menu gone", [](WindowFingerprint &t) { t.window->menuBar()->actions().last()->setVisible(false); }},
        {"a label's text", [](WindowFingerprint &t) { t.label->setText(QStringLiteral("Busnines Name:")); }},
        {"a field's value", [](WindowFingerprint &t) { t.field->setText(QStringLiteral("Acme Bakery Ltd")); }},
        {"a button disabled", [](WindowFingerprint &t) { t.button->setEnabled(false); }},
        {"a hidden button shown", [](WindowFingerprint &t) { t.hidden->show(); }},
        {"the title", [](WindowFingerprint &t) { t.window->setWindowTitle(QStringLiteral("Sample (2)")); }},
    };
    for (const auto &change : changes) {
        SetUp();
        change.apply(*this);
        EXPECT_NE(screenshots::windowFingerprint(*window), before) << change.change;
    }
}

TEST_F(WindowFingerprint, StaysWhateverTheSizeAndFont)
{
    window->resize(640, 480);
    QFont larger = window->font();
    larger.setPointSize(larger.pointSize() + 3);
    window->setFont(larger);
    button->move(100, 100);
    QCoreApplication::processEvents();
    EXPECT_EQ(screenshots::windowFingerprint(*window), before);
}

TEST_F(WindowFingerprint, StaysWhetherTheWindowScrollsOrNot)
{
    // A form larger than its window scrolls, as on a small screen; its scroll bars and
    // Qt's parts of the scroll area come and go with the window's size.
    auto *scroll = new QScrollArea(window.get());
    auto *form = new QWidget;
    form->setMinimumSize(500, 500);
    new QLabel(QStringLiteral("Business Name:"), form);
    scroll->setWidget(form);
    window->setCentralWidget(scroll);
    window->resize(200, 200);
    QCoreApplication::processEvents();
    const QString scrolling = screenshots::windowFingerprint(*window);
    window->resize(900, 900);
    QCoreApplication::processEvents();
    EXPECT_EQ(screenshots::windowFingerprint(*window), scrolling);
}

TEST_F(WindowFingerprint, StaysWhicheverFolderTheSampleOfficeIsIn)
{
    const QString first = QStringLiteral("/tmp/Tallowmere-aB3x9Q");
    const QString second = QStringLiteral("/tmp/Tallowmere-Zz81kP");
    field->setText(QUrl::fromLocalFile(first + QStringLiteral("/BusineeResources.html")).toString());
    label->setText(first);
    const QString inFirst = screenshots::windowFingerprint(*window, first);
    field->setText(QUrl::fromLocalFile(second + QStringLiteral("/BusineeResources.html")).toString());
    label->setText(second);
    EXPECT_EQ(screenshots::windowFingerprint(*window, second), inFirst);
    EXPECT_NE(screenshots::windowFingerprint(*window, first), inFirst);
}

} // namespace
