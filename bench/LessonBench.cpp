// Loading a lesson and moving from sentence to sentence with the real widgets (offscreen).

#include "LessonLoading.h"
#include "SentenceTracker.h"
#include "support/BenchProgram.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

using namespace lumeport;

namespace {

void BM_LoadLessonOf300Sentences(benchmark::State& state) {
    BenchProgram bench(GeneratedScript(300, 12));
    for (auto _ : state) {
        bench.program().loading().LoadLesson();
        state.PauseTiming();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadLessonOf300Sentences)->Unit(benchmark::kMillisecond);

// One sentence change with every display, for sentences of 40 tokens (20 words).
void BM_AdvanceSentence40Tokens(benchmark::State& state) {
    BenchProgram bench(GeneratedScript(300, 20));
    FormState& s = bench.form().state;
    for (auto _ : state) {
        if (s.CurrentSentence >= s.Sentences.SentenceCount()) s.CurrentSentence = 0;
        bench.program().tracker().AdvanceSentence();
    }
}
BENCHMARK(BM_AdvanceSentence40Tokens)->Unit(benchmark::kMicrosecond);

// From nothing to the first sentence playing: the window made from its design, start-up with
// its layout, and the load of a 300-sentence lesson.
void BM_StartupToFirstSentence(benchmark::State& state) {
    const QString script = GeneratedScript(300, 12);
    EnsureApplication();
    for (auto _ : state) {
        auto bench = std::make_unique<BenchProgram>(script);
        benchmark::DoNotOptimize(bench->lessonPlayer().playing);
        state.PauseTiming();
        bench.reset(); // taking the window down is not part of starting up
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupToFirstSentence)->Unit(benchmark::kMillisecond);

} // namespace
