#pragma once
// The media player on libmpv, one mpv core per player. mpv runs on its own threads; its events
// are read on the Qt thread, so every member below is only touched there.
//
// mpv answers most requests later than they are made (a file opens, a seek lands, a pause
// takes hold), while the program expects each call to hold at once. The player keeps what was
// asked until mpv confirms it: a seek asked for before the file is open is done when it opens,
// and the position asked for is the one reported until mpv has really moved there.

#include "MediaPlayer.h"
#include "PlaybackClock.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <atomic>
#include <cstdint>
#include <optional>

struct mpv_handle;
struct mpv_event;
struct mpv_event_end_file;

namespace lumeport {

class MpvVideoWidget;

struct MpvSettings {
    // The lesson player draws video; the word player only sounds.
    bool video = false;
    // mpv's video and audio outputs ("null" in tests); empty keeps the player's own choice.
    QString vo;
    QString ao;
};

class MpvPlayer : public QObject, public MediaPlayer {
    Q_OBJECT
public:
    explicit MpvPlayer(const MpvSettings& settings, QObject* parent = nullptr);
    ~MpvPlayer() override;
    MpvPlayer(const MpvPlayer&) = delete;
    MpvPlayer& operator=(const MpvPlayer&) = delete;

    void SetFile(const QString& path) override;
    QString File() const override { return file_; }
    void Play() override;
    void Pause() override;
    void Stop() override;
    bool IsPlaying() const override;
    double Position() const override;
    void SetPosition(double seconds) override;
    void SetVolume(int volume) override;
    int Volume() const override { return volume_; }

    // The widget the video is drawn in, a child of `parent`; made once, later calls return the
    // same one. A player without video gives none. Without OpenGL the surface stays black and
    // the player only sounds.
    QWidget* createVideoSurface(QWidget* parent);

    // One of mpv's properties as text ("" when mpv has no value); for diagnostics and tests.
    QString mpvProperty(const char* name) const;

private:
    // Where the file set last stands in mpv.
    enum class Stage {
        Empty,   // no file
        Held,    // waiting for the video surface before mpv may open it
        Opening, // mpv is opening it
        Ready,   // open: mpv's position and pause are the truth
        Broken,  // missing or undecodable: nothing plays until another file is set
    };

    void configure(const MpvSettings& settings);
    bool waitsForSurface() const;
    void giveUpOnSurface();
    void onSurfaceFailed();
    void onSurfaceReady();
    void load();
    void seek(double seconds);
    void setPause(bool paused);

    static void wakeUp(void* self);
    void drainEvents();
    void handle(const mpv_event& event);
    void onFileLoaded();
    void onEndFile(const mpv_event_end_file& end);
    void onPlaybackRestart();
    void onPauseReply();
    void trustMpvPosition();
    void onSeekReply(int error);
    void onPauseChanged(bool paused);

    mpv_handle* mpv_ = nullptr;
    bool drawsVideo_ = false;
    bool drawsOnSurface_ = false; // through mpv's render API, so loading waits for the surface
    QPointer<QWidget> surfaceWidget_;
    QPointer<MpvVideoWidget> surface_; // the same widget, when it draws with OpenGL
    bool surfaceGivenUp_ = false;
    QTimer surfaceTimeout_;
    std::atomic<bool> wakeupPosted_{false};

    QString file_;
    Stage stage_ = Stage::Empty;
    std::int64_t entry_ = -1;        // mpv's playlist entry of file_
    std::int64_t startedEntry_ = -1; // the entry mpv last began to open
    bool playing_ = false;
    int volume_ = 100;
    std::optional<double> pendingSeek_; // to do once the file is open
    std::optional<double> requested_;   // reported until mpv has moved there
    bool seekLanded_ = false;           // mpv has done the seek to requested_
    mutable double lastPosition_ = 0.0; // mpv's position when it last had one
    mutable PlaybackClock clock_;       // mpv's coarse steps made smooth
    QElapsedTimer sinceStart_;
    int seeksInFlight_ = 0;
    int pauseSetsInFlight_ = 0;
};

} // namespace lumeport
