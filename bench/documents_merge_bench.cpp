// Filling a 100 kB and a 1 MB template in which every merge field occurs many times.
#include "documents/MergeFields.h"
#include "documents/TemplateMerge.h"

#include <benchmark/benchmark.h>

namespace {

using namespace documents;

// A template of about `bytes` characters in which every merge field occurs `occurrences` times.
QString largeTemplate(qsizetype bytes, int occurrences)
{
    QString fields;
    for (const MergeField &field : mergeFields())
        fields += field.field + QStringLiteral(" ");
    const qsizetype fieldChars = fields.size() * occurrences;
    const QString filler = QStringLiteral("Plain words between the fields. ");
    const qsizetype fillersPerRound = std::max<qsizetype>(0, (bytes - fieldChars) / occurrences / filler.size());

    QString text;
    text.reserve(bytes);
    for (int round = 0; round < occurrences; ++round) {
        text += fields;
        for (qsizetype i = 0; i < fillersPerRound; ++i)
            text += filler;
        text += QStringLiteral("\r\n");
    }
    return text;
}

MergeInputs everyRow(const QString &info)
{
    MergeInputs inputs;
    inputs.templateRow = MergeInputs::Template{QStringLiteral("large"), info};
    QVariantHash business, agent;
    for (const MergeField &field : mergeFields()) {
        if (field.source == MergeSource::Business)
            business.insert(field.column.toString(), QStringLiteral("Business value"));
        if (field.source == MergeSource::RegisteredAgent)
            agent.insert(field.column.toString(), QStringLiteral("Agent value"));
    }
    inputs.business = business;
    inputs.registeredAgent = agent;
    inputs.businessType = QStringLiteral("Manufacturing");
    inputs.longTermGoals = {QStringLiteral("Grow"), QStringLiteral("Hire")};
    return inputs;
}

void BM_MergeTemplate(benchmark::State &state)
{
    const qsizetype bytes = state.range(0) * 1024;
    const MergeInputs inputs = everyRow(largeTemplate(bytes, static_cast<int>(state.range(1))));
    for (auto _ : state)
        benchmark::DoNotOptimize(mergeTemplate(inputs).text.size());
    state.SetBytesProcessed(state.iterations() * inputs.templateRow->info.toString().size() * 2);
}

// 100 kB with every field 100 times, 1 MB with every field 1,000 times.
BENCHMARK(BM_MergeTemplate)->Args({100, 100})->Args({1024, 1000})->Unit(benchmark::kMillisecond);

} // namespace
