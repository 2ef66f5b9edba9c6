// How late the real player and the real timers change the sentence after each EndTime, and how
// far past EndTime the per-sentence pause lands: the whole program on libmpv (no sound card,
// no picture), a generated WAV, the event loop running as it does for the learner.

#include "DocumentText.h"
#include "FakePlatform.h"
#include "MpvPlayer.h"
#include "Platform.h"
#include "Program.h"
#include "SentenceDisplay.h"
#include "Transport.h"
#include "support/BenchProgram.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>

using namespace lumeport;

namespace {

constexpr int Sentences = 20;
constexpr double SentenceLength = 3.0; // each sentence: 2.5 s of speech, then 0.5 s gap

void writeTone(const QString& path, double seconds) {
    const int rate = 22050;
    const auto samples = static_cast<quint32>(seconds * rate);
    QByteArray wav;
    auto u32 = [&](quint32 v) { wav.append(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](quint16 v) { wav.append(reinterpret_cast<const char*>(&v), 2); };
    wav += "RIFF";
    u32(36 + samples * 2);
    wav += "WAVEfmt ";
    u32(16), u16(1), u16(1), u32(rate), u32(rate * 2), u16(2), u16(16);
    wav += "data";
    u32(samples * 2);
    for (quint32 i = 0; i < samples; ++i)
        u16(static_cast<quint16>(static_cast<qint16>(3000 * std::sin(i * 2 * M_PI * 440 / rate))));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(wav);
}

QString script() {
    QString text = "*";
    for (int i = 0; i < Sentences; ++i)
        text += QString("^Sentence^ ^%1^.^#第%1句。#%2#%3######*")
                    .arg(i + 1)
                    .arg(i * SentenceLength + 0.2)
                    .arg(i * SentenceLength + 2.7);
    return text;
}

struct Figures {
    std::vector<double> late; // ms past EndTime
    void report(benchmark::State& state, const char* name) const {
        if (late.empty()) return;
        std::vector<double> sorted = late;
        std::sort(sorted.begin(), sorted.end());
        state.counters[std::string(name) + "_median_ms"] = sorted[sorted.size() / 2];
        state.counters[std::string(name) + "_worst_ms"] = sorted.back();
        state.counters[std::string(name) + "_count"] = static_cast<double>(sorted.size());
    }
};

class MpvLesson {
public:
    MpvLesson() {
        EnsureApplication();
        QDir(dir_.path()).mkpath("SETTING/BookList");
        QDir(dir_.path()).mkpath("Book/Wandervale");
        QDir(dir_.path()).mkpath("Sound/Wandervale");
        writeDocument(dir_.filePath("SETTING/BookList/Wandervale.dat"), "^第1课：Timing^");
        writeDocument(dir_.filePath("Book/Wandervale/1.dat"), script());
        writeTone(dir_.filePath("Sound/Wandervale/1.wmv"), Sentences * SentenceLength + 1);
        program_ = std::make_unique<Program>(platform_, dir_.path());
    }
    Form1& form() { return program_->form(); }
    Program& program() { return *program_; }
    MpvPlayer& player() { return player_; }
    void start() { program_->Start(); }
    // Runs the event loop, calling `sample` every millisecond, until `done` says so.
    void run(const std::function<void()>& sample, const std::function<bool()>& done, int limitMs) {
        QTimer sampler;
        sampler.setTimerType(Qt::PreciseTimer);
        sampler.setInterval(1);
        QObject::connect(&sampler, &QTimer::timeout, sample);
        sampler.start();
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < limitMs)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }

private:
    QTemporaryDir dir_;
    MpvPlayer player_{MpvSettings{.video = false, .vo = "null", .ao = "null"}};
    FakeOutsideWorld world_;
    Platform platform_ = world_.platformWith(player_);
    std::unique_ptr<Program> program_;
};

// Continuous tracking: at each change of sentence, how far the position is past the end of
// the sentence before.
void BM_SentenceSwitchLateness(benchmark::State& state) {
    Figures figures;
    for (auto _ : state) {
        MpvLesson lesson;
        lesson.start();
        FormState& s = lesson.form().state;
        int shown = s.CurrentSentence;
        double previousEnd = s.SentenceEndSeconds;
        lesson.run(
            [&] {
                if (s.CurrentSentence == shown) return;
                figures.late.push_back((lesson.player().Position() - previousEnd) * 1000);
                shown = s.CurrentSentence;
                previousEnd = s.SentenceEndSeconds;
            },
            [&] { return shown >= 12; }, 60000);
    }
    figures.report(state, "switch_late");
}
BENCHMARK(BM_SentenceSwitchLateness)->Iterations(1)->Unit(benchmark::kMillisecond);

// Per-sentence tracking: each sentence repeated alone; how far past its end playback rests.
void BM_SentencePauseOvershoot(benchmark::State& state) {
    Figures figures;
    for (auto _ : state) {
        MpvLesson lesson;
        lesson.start();
        Form1& form = lesson.form();
        for (int sentence = 2; sentence <= 9; ++sentence) {
            form.state.CurrentSentence = sentence;
            SelectSentence(form);
            lesson.program().transport().Repeat();
            lesson.run([] {}, [&] { return !form.Timer1->isActive(); }, 10000);
            lesson.run([] {}, [] { return false; }, 150); // let the pause settle
            figures.late.push_back((lesson.player().Position() - form.state.SentenceEndSeconds) *
                                   1000);
        }
    }
    figures.report(state, "pause_overshoot");
}
BENCHMARK(BM_SentencePauseOvershoot)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
