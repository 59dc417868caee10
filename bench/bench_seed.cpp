// Seeds the benchmark database for the whole-process comparisons:
// bench_seed TALLOWMERE_DB [BUSINESSES]
#include "BenchmarkDatabase.h"

#include "base/Error.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_seed TALLOWMERE_DB [BUSINESSES]\n");
        return 2;
    }
    try {
        bench::seedBenchmarkDatabase(QString::fromLocal8Bit(argv[1]),
                                     argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : bench::Businesses);
    } catch (const base::Error &error) {
        std::fprintf(stderr, "%s\n", error.description().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
