#include "app/ui/ProgramIcon.h"

#include <QApplication>
#include <QIcon>
#include <QIconEngine>

// The icons live in this static library's resources, which a linker leaves out unless
// something names them.
static void initialiseProgramResources()
{
    Q_INIT_RESOURCE(tallowmere);
}

namespace app {

namespace {

// The program's icon, its files read the first time a picture of it is wanted: an X11
// window manager asks for every size as the first window opens; desktops that take the
// icon from the desktop entry never ask, and reading the six files is a good part of
// the start-up's work.
class ProgramIconEngine : public QIconEngine
{
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        if (mode != QIcon::Normal || state != QIcon::Off)
            return icon().availableSizes(mode, state);
        QList<QSize> sizes;
        for (const int size : Sizes)
            sizes << QSize(size, size);
        return sizes;
    }
    QIconEngine *clone() const override { return new ProgramIconEngine; }
    QString key() const override { return QStringLiteral("tallowmere-program"); }

private:
    static constexpr int Sizes[] = {16, 32, 48, 64, 128, 256};

    const QIcon &icon()
    {
        if (m_icon.isNull()) {
            // PNGs, not the SVG the desktop uses: drawing an SVG would need Qt's SVG plug-in.
            for (const int size : Sizes)
                m_icon.addFile(QStringLiteral(":/icons/tallowmere-%1.png").arg(size), QSize(size, size));
        }
        return m_icon;
    }

    QIcon m_icon;
};

} // namespace

void useProgramIcon()
{
    initialiseProgramResources();
    QApplication::setWindowIcon(QIcon(new ProgramIconEngine));
    QGuiApplication::setDesktopFileName(QStringLiteral("tallowmere"));
}

} // namespace app
