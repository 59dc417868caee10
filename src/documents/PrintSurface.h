#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QString>

#include <vector>

class QPagedPaintDevice;

namespace documents {

// A page to print on, measured in millimetres from the top-left corner of the paper.
// Text is placed by the top-left corner of its line. Line widths are in printer dots
// of 1/1200 inch (0.0211 mm), so a line keeps its thickness on any device.
class PrintSurface
{
public:
    static constexpr double millimetresPerDot = 25.4 / 1200.0;

    virtual ~PrintSurface() = default;

    virtual double pageWidth() const = 0;
    virtual double pageHeight() const = 0;

    virtual void setFont(const QFont &font) = 0;
    virtual QFont font() const = 0;
    // Width and height of one line of text in the current font.
    virtual double textWidth(const QString &text) const = 0;
    virtual double textHeight() const = 0;

    virtual void setTextColor(const QColor &color) = 0;
    virtual void setLineStyle(int widthInDots, const QColor &color) = 0;

    virtual void drawText(double x, double y, const QString &text) = 0;
    virtual void drawLine(double x1, double y1, double x2, double y2) = 0;

    // The pages so far are finished; the following drawing goes onto a new page.
    virtual void newPage() = 0;
    // Releases the printout to the printer or the file.
    virtual void endDocument() = 0;
};

// Prints on a QPrinter or QPdfWriter. Painting begins with the first drawing, so
// measuring alone starts no print job. Throws PrintError when the device refuses to
// begin, to start a page or to finish.
class PainterSurface final : public PrintSurface
{
public:
    explicit PainterSurface(QPagedPaintDevice &device);
    ~PainterSurface() override;

    double pageWidth() const override;
    double pageHeight() const override;
    void setFont(const QFont &font) override;
    QFont font() const override { return m_font; }
    double textWidth(const QString &text) const override;
    double textHeight() const override;
    void setTextColor(const QColor &color) override;
    void setLineStyle(int widthInDots, const QColor &color) override;
    void drawText(double x, double y, const QString &text) override;
    void drawLine(double x1, double y1, double x2, double y2) override;
    void newPage() override;
    void endDocument() override;

    int pageCount() const { return m_pageCount; }

private:
    void beginIfNeeded();
    QPointF toDevice(double x, double y) const;

    QPagedPaintDevice &m_device;
    const double m_pixelsPerMillimetreX;
    const double m_pixelsPerMillimetreY;
    const QPointF m_paintRectOrigin;
    QPainter m_painter;
    QFont m_font;
    QFontMetricsF m_metrics;
    QColor m_textColor = Qt::black;
    QPen m_linePen;
    int m_pageCount = 0;
};

// Keeps what is drawn instead of printing it. Text measures 0.2 mm per character and
// 0.4 mm high per point of font size (2 mm by 4 mm at 10 points), so positions are
// easy to work out by hand.
class RecordingSurface final : public PrintSurface
{
public:
    struct Text
    {
        int page;
        double x, y;
        QString text;
        QFont font;
        QColor color;
    };
    struct Line
    {
        int page;
        double x1, y1, x2, y2;
        int widthInDots;
        QColor color;
    };

    explicit RecordingSurface(double pageWidth = 210, double pageHeight = 297);

    double pageWidth() const override { return m_pageWidth; }
    double pageHeight() const override { return m_pageHeight; }
    void setFont(const QFont &font) override { m_font = font; }
    QFont font() const override { return m_font; }
    double textWidth(const QString &text) const override;
    double textHeight() const override;
    void setTextColor(const QColor &color) override { m_textColor = color; }
    void setLineStyle(int widthInDots, const QColor &color) override;
    void drawText(double x, double y, const QString &text) override;
    void drawLine(double x1, double y1, double x2, double y2) override;
    void newPage() override { ++m_page; }
    void endDocument() override { ++endedDocuments; }

    int pageBreaks() const { return m_page; }
    std::vector<Text> texts;
    std::vector<Line> lines;
    int endedDocuments = 0;

private:
    double m_pageWidth;
    double m_pageHeight;
    QFont m_font;
    QColor m_textColor = Qt::black;
    int m_lineWidth = 1;
    QColor m_lineColor = Qt::black;
    int m_page = 0;
};

} // namespace documents
