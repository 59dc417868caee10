#include "documents/PrintSurface.h"

#include "documents/PrintError.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPagedPaintDevice>

namespace documents {

namespace {

constexpr double millimetresPerInch = 25.4;
constexpr double dotsPerInch = 1200;
constexpr double defaultPointSize = 10;

double pointSize(const QFont &font)
{
    return font.pointSizeF() > 0 ? font.pointSizeF() : defaultPointSize;
}

} // namespace

PainterSurface::PainterSurface(QPagedPaintDevice &device)
    : m_device(device)
    , m_pixelsPerMillimetreX(device.logicalDpiX() / millimetresPerInch)
    , m_pixelsPerMillimetreY(device.logicalDpiY() / millimetresPerInch)
    ,
    // The painter's origin is the corner of the paint rectangle, not of the paper.
    m_paintRectOrigin(device.pageLayout().paintRectPixels(device.logicalDpiX()).topLeft())
    , m_metrics(m_font, &device)
{
    setLineStyle(1, Qt::black);
}

PainterSurface::~PainterSurface()
{
    if (m_painter.isActive())
        m_painter.end();
}

double PainterSurface::pageWidth() const
{
    return m_device.pageLayout().fullRect(QPageLayout::Millimeter).width();
}

double PainterSurface::pageHeight() const
{
    return m_device.pageLayout().fullRect(QPageLayout::Millimeter).height();
}

void PainterSurface::setFont(const QFont &font)
{
    m_font = font;
    m_metrics = QFontMetricsF(m_font, &m_device);
    if (m_painter.isActive())
        m_painter.setFont(m_font);
}

double PainterSurface::textWidth(const QString &text) const
{
    return m_metrics.horizontalAdvance(text) / m_pixelsPerMillimetreX;
}

double PainterSurface::textHeight() const
{
    return m_metrics.height() / m_pixelsPerMillimetreY;
}

void PainterSurface::setTextColor(const QColor &color)
{
    m_textColor = color;
}

void PainterSurface::setLineStyle(int widthInDots, const QColor &color)
{
    m_linePen = QPen(color, widthInDots * m_device.logicalDpiX() / dotsPerInch);
}

void PainterSurface::drawText(double x, double y, const QString &text)
{
    beginIfNeeded();
    m_painter.setPen(m_textColor);
    m_painter.drawText(toDevice(x, y) + QPointF(0, m_metrics.ascent()), text);
}

void PainterSurface::drawLine(double x1, double y1, double x2, double y2)
{
    beginIfNeeded();
    m_painter.setPen(m_linePen);
    m_painter.drawLine(toDevice(x1, y1), toDevice(x2, y2));
}

void PainterSurface::newPage()
{
    beginIfNeeded();
    if (!m_device.newPage())
        throw PrintError(
            QCoreApplication::translate("documents::PrintSurface", "The printer could not start a new page."));
    ++m_pageCount;
}

void PainterSurface::endDocument()
{
    beginIfNeeded();
    if (!m_painter.end())
        throw PrintError(QCoreApplication::translate("documents::PrintSurface", "The printout could not be finished."));
}

void PainterSurface::beginIfNeeded()
{
    if (m_painter.isActive())
        return;
    if (!m_painter.begin(&m_device))
        throw PrintError(QCoreApplication::translate(
            "documents::PrintSurface", "Printing could not begin: the printer or the output file is not available."));
    m_painter.setFont(m_font);
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_pageCount = 1;
}

QPointF PainterSurface::toDevice(double x, double y) const
{
    return QPointF(x * m_pixelsPerMillimetreX, y * m_pixelsPerMillimetreY) - m_paintRectOrigin;
}

RecordingSurface::RecordingSurface(double pageWidth, double pageHeight)
    : m_pageWidth(pageWidth)
    , m_pageHeight(pageHeight)
{
    m_font.setPointSizeF(defaultPointSize);
}

double RecordingSurface::textWidth(const QString &text) const
{
    return 0.2 * pointSize(m_font) * text.size();
}

double RecordingSurface::textHeight() const
{
    return 0.4 * pointSize(m_font);
}

void RecordingSurface::setLineStyle(int widthInDots, const QColor &color)
{
    m_lineWidth = widthInDots;
    m_lineColor = color;
}

void RecordingSurface::drawText(double x, double y, const QString &text)
{
    texts.push_back({m_page, x, y, text, m_font, m_textColor});
}

void RecordingSurface::drawLine(double x1, double y1, double x2, double y2)
{
    lines.push_back({m_page, x1, y1, x2, y2, m_lineWidth, m_lineColor});
}

} // namespace documents
