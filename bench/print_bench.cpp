// Printing into PDF files: a list of rows as a ruled table, and a long report text.
#include "documents/ListPrinter.h"
#include "documents/PrintSurface.h"
#include "documents/TextPrinter.h"

#include <QGuiApplication>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class GeneratedList final : public documents::ListSource
{
public:
    explicit GeneratedList(int rows)
        : m_rows(rows)
    {
    }

    int columnCount() const override { return 4; }
    QString headerText(int column) const override
    {
        static const QString headers[] = {QStringLiteral("Item"), QStringLiteral("Description"),
                                          QStringLiteral("Quantity"), QStringLiteral("Status")};
        return headers[column];
    }
    double headerWidth(int column) const override { return column == 1 ? 260 : 80; }
    documents::ColumnAlignment headerAlignment(int column) const override
    {
        return column == 2 ? documents::ColumnAlignment::Right : documents::ColumnAlignment::Left;
    }
    int itemCount() const override { return m_rows; }
    bool hasCell(int, int) const override { return true; }
    QString cellText(int item, int column) const override
    {
        switch (column) {
        case 0: return QStringLiteral("Part %1").arg(item + 1);
        case 1:
            return item % 7 == 3
                       ? QStringLiteral("Stainless steel hex bolt with washer and nut, packed in boxes of fifty")
                       : QStringLiteral("Hex bolt M%1").arg(4 + item % 8);
        case 2: return QString::number((item * 37) % 500);
        default: return QStringLiteral("In stock");
        }
    }
    QFont font() const override { return QFont(QStringLiteral("Sans"), 10); }

private:
    int m_rows;
};

void listToPdf(benchmark::State &state)
{
    const GeneratedList list(static_cast<int>(state.range(0)));
    QTemporaryDir folder;
    int64_t pages = 0;
    for (auto _ : state) {
        QPdfWriter writer(folder.filePath(QStringLiteral("list.pdf")));
        writer.setResolution(1200);
        writer.setPageSize(QPageSize(QPageSize::A4));
        documents::PainterSurface surface(writer);
        documents::ListPrinter().printList(list, surface);
        pages += surface.pageCount();
    }
    state.counters["pages/s"] = benchmark::Counter(double(pages), benchmark::Counter::kIsRate);
    state.counters["pages"] = double(pages) / double(state.iterations());
}
BENCHMARK(listToPdf)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void reportToPdf(benchmark::State &state)
{
    QStringList lines;
    for (int line = 0; line < state.range(0); ++line)
        lines << QStringLiteral("\t\tGoal %1: open a second shop in the neighbouring town and hire apprentices")
                     .arg(line);
    const QString text = lines.join(QStringLiteral("\r\n"));
    QTemporaryDir folder;
    int64_t pages = 0;
    for (auto _ : state) {
        QPdfWriter writer(folder.filePath(QStringLiteral("report.pdf")));
        writer.setResolution(1200);
        documents::PainterSurface surface(writer);
        documents::TextPrinter::print(text, surface);
        pages += surface.pageCount();
    }
    state.counters["pages/s"] = benchmark::Counter(double(pages), benchmark::Counter::kIsRate);
    state.counters["pages"] = double(pages) / double(state.iterations());
}
BENCHMARK(reportToPdf)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
