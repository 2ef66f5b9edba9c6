// The libmpv player against real mpv, with null audio and video outputs (mpv's clock still
// runs), on tones the test writes itself.

#include "MpvPlayer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <thread>

namespace lumeport {
namespace {

// Generous: a loaded two-core machine may take seconds to open a file.
constexpr int kTimeoutMs = 10000;

QApplication& application() {
    static int argc = 1;
    static char name[] = "test_platform_media";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

void appendLittleEndian(QByteArray& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xff));
}

// A 16-bit mono PCM WAV of a sine tone.
QByteArray toneWav(double seconds, double frequency) {
    constexpr int rate = 22050;
    const int frames = static_cast<int>(seconds * rate);
    QByteArray samples;
    for (int i = 0; i < frames; ++i) {
        const double wave = std::sin(2.0 * M_PI * frequency * i / rate);
        appendLittleEndian(samples, static_cast<std::uint16_t>(std::lround(8000.0 * wave)), 2);
    }
    QByteArray wav("RIFF");
    appendLittleEndian(wav, 36 + samples.size(), 4);
    wav.append("WAVEfmt ");
    appendLittleEndian(wav, 16, 4);       // format chunk size
    appendLittleEndian(wav, 1, 2);        // PCM
    appendLittleEndian(wav, 1, 2);        // mono
    appendLittleEndian(wav, rate, 4);     // frames per second
    appendLittleEndian(wav, rate * 2, 4); // bytes per second
    appendLittleEndian(wav, 2, 2);        // bytes per frame
    appendLittleEndian(wav, 16, 2);       // bits per sample
    wav.append("data");
    appendLittleEndian(wav, samples.size(), 4);
    return wav + samples;
}

QByteArray randomBytes(int size) {
    std::mt19937 generator(20240611);
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>(generator() & 0xff));
    return bytes;
}

bool waitFor(const std::function<bool()>& condition) {
    return QTest::qWaitFor(condition, kTimeoutMs);
}

MpvSettings nullOutputs() {
    return MpvSettings{.video = false, .vo = "null", .ao = "null"};
}

class MpvPlayerTest : public testing::Test {
public:
    MpvPlayerTest() {
        tone_ = write("tone.wav", toneWav(6.0, 440.0));
        shortTone_ = write("short.wav", toneWav(3.0, 660.0));
    }

    QString write(const QString& name, const QByteArray& bytes) {
        QFile file(dir_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

protected:
    // mpv's own clock, behind the player's bookkeeping.
    double mpvPosition() const { return player_.mpvProperty("time-pos").toDouble(); }
    double mpvDuration() const { return player_.mpvProperty("duration").toDouble(); }

    // Plays the tone and waits until mpv itself stands at `seconds` or beyond.
    void playToneFrom(double seconds) {
        player_.SetFile(tone_);
        player_.SetPosition(seconds);
        ASSERT_TRUE(waitFor([&] { return mpvPosition() >= seconds + 0.1; }));
    }

    QApplication& app_ = application();
    QTemporaryDir dir_;
    QString tone_;
    QString shortTone_;
    MpvPlayer player_{nullOutputs()};
};

TEST_F(MpvPlayerTest, SettingAFileStartsIt) {
    player_.SetFile(tone_);
    EXPECT_EQ(player_.File(), tone_);
    EXPECT_TRUE(player_.IsPlaying());
    EXPECT_TRUE(waitFor([&] { return player_.Position() > 0.3; }));
    EXPECT_TRUE(player_.IsPlaying());
}

TEST_F(MpvPlayerTest, PauseHoldsThePositionAndPlayGoesOnFromIt) {
    ASSERT_NO_FATAL_FAILURE(playToneFrom(1.0));
    player_.Pause();
    EXPECT_FALSE(player_.IsPlaying());
    QTest::qWait(300); // let the pause reach mpv
    const double held = player_.Position();
    QTest::qWait(200);
    EXPECT_DOUBLE_EQ(player_.Position(), held);
    EXPECT_EQ(player_.mpvProperty("pause"), "yes");

    player_.Play();
    EXPECT_TRUE(player_.IsPlaying());
    EXPECT_TRUE(waitFor([&] { return player_.Position() > held + 0.3; }));
    EXPECT_LT(player_.Position(), held + 3.0) << "resumed from where it was held";
}

// How SetPosition reads back right after the call and while mpv catches up: a stale position
// from before the seek, or a jump back to the start of a file still opening, shows here.
struct SeekCase {
    const char* name;
    double from; // negative: the seek comes while the file is still opening
    bool paused;
    double target;
};

void PrintTo(const SeekCase& c, std::ostream* os) {
    *os << c.name;
}

class SeekReadBack : public MpvPlayerTest, public testing::WithParamInterface<SeekCase> {
protected:
    // Reads the position as the program's 10 ms tick does, for `ms`: it never falls short
    // of `target`, and runs ahead of it no faster than playback goes.
    void expectReadsFrom(double target, bool paused, int ms) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            const double read = player_.Position();
            const double ahead = paused ? 0.02 : clock.elapsed() / 1000.0 + 0.3;
            ASSERT_GE(read, target - 0.02) << "after " << clock.elapsed() << " ms";
            ASSERT_LE(read, target + ahead) << "after " << clock.elapsed() << " ms";
            QTest::qWait(10);
        }
    }
};

TEST_P(SeekReadBack, PositionIsTheTargetAtOnceAndThenFollowsPlayback) {
    const SeekCase& c = GetParam();
    if (c.from < 0) {
        player_.SetFile(tone_);
    } else {
        ASSERT_NO_FATAL_FAILURE(playToneFrom(c.from));
    }
    if (c.paused) player_.Pause();
    player_.SetPosition(c.target);
    if (!c.paused) player_.Play();
    EXPECT_DOUBLE_EQ(player_.Position(), c.target);

    expectReadsFrom(c.target, c.paused, 800);
    EXPECT_EQ(player_.IsPlaying(), !c.paused);
    if (c.paused) {
        EXPECT_EQ(player_.mpvProperty("pause"), "yes");
        player_.Play();
        expectReadsFrom(c.target, false, 500);
    }
    EXPECT_TRUE(waitFor([&] { return player_.Position() > c.target + 0.3; }));
}

INSTANTIATE_TEST_SUITE_P(MpvPlayer, SeekReadBack,
                         testing::Values(SeekCase{"WhileOpeningAndPlaying", -1.0, false, 2.5},
                                         SeekCase{"WhileOpeningAndPaused", -1.0, true, 2.5},
                                         SeekCase{"BackWhilePlaying", 3.5, false, 1.0},
                                         SeekCase{"BackWhilePaused", 3.5, true, 1.0},
                                         SeekCase{"ForwardWhilePlaying", 0.5, false, 4.0},
                                         SeekCase{"ForwardWhilePaused", 0.5, true, 4.0}),
                         [](const testing::TestParamInfo<SeekCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(MpvPlayerTest, AFileSetWhileAnotherPlaysReplacesIt) {
    ASSERT_NO_FATAL_FAILURE(playToneFrom(2.0));
    player_.SetFile(shortTone_);
    EXPECT_EQ(player_.File(), shortTone_);
    EXPECT_LT(player_.Position(), 0.5) << "the old file's position is gone";
    EXPECT_TRUE(waitFor([&] { return std::abs(mpvDuration() - 3.0) < 0.01; }));
    EXPECT_TRUE(player_.IsPlaying());
    EXPECT_TRUE(waitFor([&] { return player_.Position() > 0.3; }));
    EXPECT_LT(player_.Position(), 2.0);
}

TEST_F(MpvPlayerTest, ASeekForAFileReplacingOneJustOpenedLandsInTheNewFile) {
    // The program is busy while mpv opens the first file, so mpv's report that it opened
    // arrives only after the second file was set.
    player_.SetFile(tone_);
    for (int i = 0; i < kTimeoutMs / 10 && mpvDuration() == 0.0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_NEAR(mpvDuration(), 6.0, 0.01);
    player_.SetFile(shortTone_);
    player_.SetPosition(2.0);

    EXPECT_TRUE(waitFor([&] { return std::abs(mpvDuration() - 3.0) < 0.01; }));
    EXPECT_TRUE(waitFor([&] { return mpvPosition() >= 2.0; }));
    EXPECT_GE(player_.Position(), 2.0);
}

TEST_F(MpvPlayerTest, AtTheEndItPausesAndTheEndStays) {
    ASSERT_NO_FATAL_FAILURE(playToneFrom(5.5));
    EXPECT_TRUE(waitFor([&] { return !player_.IsPlaying(); }));
    EXPECT_NEAR(player_.Position(), 6.0, 0.1);
    QTest::qWait(200);
    EXPECT_NEAR(player_.Position(), 6.0, 0.1);
}

TEST_F(MpvPlayerTest, StopCutsOffAndPlayStartsAgainFromTheBeginning) {
    ASSERT_NO_FATAL_FAILURE(playToneFrom(3.0));
    player_.Stop();
    EXPECT_FALSE(player_.IsPlaying());
    EXPECT_DOUBLE_EQ(player_.Position(), 0.0);
    EXPECT_TRUE(waitFor([&] { return player_.mpvProperty("pause") == "yes"; }));
    player_.Play();
    EXPECT_TRUE(waitFor([&] { return player_.Position() > 0.3; }));
    EXPECT_LT(player_.Position(), 3.0);
}

struct VolumeCase {
    int asked;
    int applied;
};

void PrintTo(const VolumeCase& c, std::ostream* os) {
    *os << c.asked << " -> " << c.applied;
}

class VolumeApplies : public MpvPlayerTest, public testing::WithParamInterface<VolumeCase> {};

TEST_P(VolumeApplies, ToMpvAtOnceWithinZeroToHundred) {
    player_.SetFile(tone_);
    player_.SetVolume(GetParam().asked);
    EXPECT_EQ(player_.Volume(), GetParam().applied);
    EXPECT_TRUE(
        waitFor([&] { return player_.mpvProperty("volume").toDouble() == GetParam().applied; }));
}

INSTANTIATE_TEST_SUITE_P(MpvPlayer, VolumeApplies,
                         testing::Values(VolumeCase{35, 35}, VolumeCase{0, 0}, VolumeCase{150, 100},
                                         VolumeCase{-5, 0}));

// Files mpv cannot play, named by what is wrong with them.
struct UnplayableCase {
    const char* name;
    QString (*make)(MpvPlayerTest& test);
};

void PrintTo(const UnplayableCase& c, std::ostream* os) {
    *os << c.name;
}

class UnplayableFile : public MpvPlayerTest, public testing::WithParamInterface<UnplayableCase> {
protected:
    QString unplayable() { return GetParam().make(*this); }
};

TEST_P(UnplayableFile, StaysAtZeroAndWillNotPlay) {
    const QString path = unplayable();
    player_.SetFile(path);
    player_.SetPosition(2.0);
    player_.Play();
    EXPECT_TRUE(waitFor([&] { return !player_.IsPlaying(); }));
    EXPECT_DOUBLE_EQ(player_.Position(), 0.0);

    player_.Play();
    player_.SetPosition(1.0);
    EXPECT_FALSE(player_.IsPlaying());
    QTest::qWait(300);
    EXPECT_DOUBLE_EQ(player_.Position(), 0.0);
    EXPECT_EQ(player_.File(), path);
}

TEST_P(UnplayableFile, SilencesTheFileBeforeItAndTheNextFilePlays) {
    ASSERT_NO_FATAL_FAILURE(playToneFrom(1.0));
    player_.SetFile(unplayable());
    EXPECT_TRUE(waitFor([&] { return player_.mpvProperty("idle-active") == "yes"; }));
    EXPECT_FALSE(player_.IsPlaying());
    EXPECT_DOUBLE_EQ(player_.Position(), 0.0);

    player_.SetFile(tone_);
    EXPECT_TRUE(waitFor([&] { return player_.Position() > 0.3; }));
}

INSTANTIATE_TEST_SUITE_P(
    MpvPlayer, UnplayableFile,
    testing::Values(UnplayableCase{"Missing",
                                   [](MpvPlayerTest&) {
                                       return QStringLiteral("/nonexistent/lesson.wmv");
                                   }},
                    UnplayableCase{"RandomBytes",
                                   [](MpvPlayerTest& test) {
                                       return test.write("garbage.wmv", randomBytes(64 * 1024));
                                   }}),
    [](const testing::TestParamInfo<UnplayableCase>& info) {
        return std::string(info.param.name);
    });

TEST(MpvVideoPlayer, WithoutOpenGlItStillSoundsAtOnce) {
    // The offscreen platform has no OpenGL: the lesson player must not wait for a surface
    // that will never draw.
    application();
    QTemporaryDir dir;
    QFile file(dir.filePath("tone.wav"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(toneWav(3.0, 440.0));
    file.close();

    QWidget window;
    MpvPlayer player(MpvSettings{.video = true, .vo = {}, .ao = "null"});
    QWidget* surface = player.createVideoSurface(&window);
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(surface->parentWidget(), &window);
    EXPECT_TRUE(surface->hasMouseTracking());
    EXPECT_EQ(player.createVideoSurface(&window), surface);

    player.SetFile(file.fileName());
    EXPECT_TRUE(waitFor([&] { return player.Position() > 0.3; }));
    EXPECT_EQ(player.mpvProperty("vo"), "null");
}

} // namespace
} // namespace lumeport
