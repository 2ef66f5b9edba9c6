// Reading a lesson script into the sentence table.

#include "DocumentText.h"
#include "SentenceTable.h"

#include <benchmark/benchmark.h>

using namespace lumeport;

namespace {

// A script of `count` sentences of about 12 words each, with Chinese and a few notes.
QString GeneratedScript(int count) {
    QString text = "*";
    for (int i = 1; i <= count; ++i) {
        text += "^Sentence^ ^number^ ^" + QString::number(i) +
                "^ ^has^ ^quite^ ^a^ ^few^ ^words^,^ ^so^ ^it^ ^looks^ ^real^.^";
        text += "#这是第" + QString::number(i) + "句，有不少字。";
        text += QString("#%1.25#%2.75#").arg(i * 3).arg(i * 3 + 2);
        text += (i % 10 == 0 ? QString("a note\r\non two lines") : QString()) + "#####*";
    }
    return text;
}

void BM_SentenceTableOf1000Sentences(benchmark::State& state) {
    const QString script = GeneratedScript(1000);
    for (auto _ : state) {
        SentenceTable table = SentenceTable::FromScriptText(script);
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_SentenceTableOf1000Sentences)->Unit(benchmark::kMillisecond);

void BM_RtfScriptOf1000SentencesToTable(benchmark::State& state) {
    const QByteArray rtf = rtfFromPlainText(GeneratedScript(1000));
    for (auto _ : state) {
        SentenceTable table = SentenceTable::FromScriptText(documentPlainText(rtf));
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_RtfScriptOf1000SentencesToTable)->Unit(benchmark::kMillisecond);

} // namespace
