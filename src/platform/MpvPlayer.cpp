#include "MpvPlayer.h"

#include "MpvVideoWidget.h"

#include <QGuiApplication>
#include <QOpenGLContext>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <clocale>
#include <cmath>
#include <mpv/client.h>
#include <vector>

namespace lumeport {

namespace {

// Tags that tell mpv's replies apart.
enum : std::uint64_t { kOtherReply = 0, kSeekReply = 1, kPauseReply = 2, kPauseObserver = 3 };

// Long enough for a window shown right after start-up to create its OpenGL context, short
// enough that a lesson whose window stays hidden is still heard.
constexpr int kSurfaceTimeoutMs = 1500;

// mpv draws into our surface once the surface has a render context. A file opened before then
// would fail as a whole with the render output alone; with the null output after it, the
// sound plays and the picture comes when the output is chosen again.
constexpr const char* kSurfaceVo = "libmpv,null";

struct Option {
    const char* name;
    QByteArray value;
};

std::vector<Option> options(const MpvSettings& settings, const QByteArray& vo) {
    const QByteArray ao = settings.ao.isEmpty() ? "pulse,alsa,null" : settings.ao.toUtf8();
    std::vector<Option> list{
        // The program owns the window, the keys and the mouse; mpv only decodes and draws.
        {"config", "no"},
        {"terminal", "no"},
        {"osc", "no"},
        {"osd-level", "0"},
        {"input-default-bindings", "no"},
        {"input-vo-keyboard", "no"},
        {"input-cursor", "no"},
        {"cursor-autohide", "no"},
        {"ytdl", "no"},
        {"load-stats-overlay", "no"},
        {"load-osd-console", "no"},
        {"load-auto-profiles", "no"},
        // Sentence times are exact: seeks land on them, not on the nearest key frame.
        {"hr-seek", "yes"},
        // At the end the player holds the last frame and position instead of unloading.
        {"keep-open", "always"},
        {"idle", "yes"},
        {"audio-display", "no"},
        // The media area has the course's design size; the video fills it.
        {"video-unscaled", "no"},
        {"keepaspect", "no"},
        {"vo", vo},
        // Video is decoded in software; probing hardware interops only writes to stderr.
        {"gpu-hwdec-interop", "no"},
        // A machine without sound still needs a running clock, which the null output gives.
        {"ao", ao},
    };
    if (!settings.video) list.push_back({"vid", "no"});
    return list;
}

bool openGlAvailable() {
    // The offscreen platform may still hand out contexts on some builds, but they draw
    // nowhere a person can see.
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return false;
    QOpenGLContext probe;
    return probe.create();
}

QWidget* blackSurface(QWidget* parent) {
    auto* surface = new QWidget(parent);
    QPalette palette = surface->palette();
    palette.setColor(QPalette::Window, Qt::black);
    surface->setPalette(palette);
    surface->setAutoFillBackground(true);
    surface->setMouseTracking(true);
    return surface;
}

void commandAsync(mpv_handle* mpv, std::uint64_t tag, std::initializer_list<const char*> args) {
    std::vector<const char*> argv(args);
    argv.push_back(nullptr);
    mpv_command_async(mpv, tag, argv.data());
}

std::int64_t playlistEntry(const mpv_node& result) {
    if (result.format != MPV_FORMAT_NODE_MAP) return -1;
    const mpv_node_list& map = *result.u.list;
    for (int i = 0; i < map.num; ++i) {
        if (qstrcmp(map.keys[i], "playlist_entry_id") == 0 &&
            map.values[i].format == MPV_FORMAT_INT64)
            return map.values[i].u.int64;
    }
    return -1;
}

} // namespace

MpvPlayer::MpvPlayer(const MpvSettings& settings, QObject* parent)
    : QObject(parent) {
    sinceStart_.start();
    surfaceTimeout_.setSingleShot(true);
    surfaceTimeout_.setInterval(kSurfaceTimeoutMs);
    connect(&surfaceTimeout_, &QTimer::timeout, this, &MpvPlayer::giveUpOnSurface);
    // libmpv refuses to start under a locale whose numbers are not written the C way, and
    // QApplication has just set the user's.
    std::setlocale(LC_NUMERIC, "C");
    mpv_ = mpv_create();
    if (!mpv_) return;
    configure(settings);
    if (mpv_initialize(mpv_) < 0) {
        mpv_terminate_destroy(mpv_);
        mpv_ = nullptr;
        return;
    }
    // mpv pauses by itself at the end of a file.
    mpv_observe_property(mpv_, kPauseObserver, "pause", MPV_FORMAT_FLAG);
    mpv_set_wakeup_callback(mpv_, &MpvPlayer::wakeUp, this);
}

MpvPlayer::~MpvPlayer() {
    if (!mpv_) return;
    mpv_set_wakeup_callback(mpv_, nullptr, nullptr);
    // The render context must go while the core it draws for still exists.
    if (surface_) surface_->detach();
    mpv_terminate_destroy(mpv_);
}

void MpvPlayer::configure(const MpvSettings& settings) {
    const QByteArray vo = !settings.vo.isEmpty() ? settings.vo.toUtf8()
                          : settings.video       ? QByteArray(kSurfaceVo)
                                                 : QByteArray("null");
    drawsVideo_ = settings.video;
    drawsOnSurface_ = settings.video && vo.startsWith("libmpv");
    // An option this build of mpv lacks is simply not set.
    for (const Option& option : options(settings, vo))
        mpv_set_option_string(mpv_, option.name, option.value.constData());
}

QWidget* MpvPlayer::createVideoSurface(QWidget* parent) {
    if (!drawsVideo_ || !mpv_) return nullptr;
    if (surfaceWidget_) return surfaceWidget_;
    if (!drawsOnSurface_ || !openGlAvailable()) {
        if (drawsOnSurface_) onSurfaceFailed();
        surfaceWidget_ = blackSurface(parent);
        return surfaceWidget_;
    }
    auto* surface = new MpvVideoWidget(mpv_, parent);
    // Queued, so that loading never runs inside the widget's OpenGL set-up.
    connect(surface, &MpvVideoWidget::renderContextReady, this, &MpvPlayer::onSurfaceReady,
            Qt::QueuedConnection);
    connect(surface, &MpvVideoWidget::renderContextFailed, this, &MpvPlayer::onSurfaceFailed,
            Qt::QueuedConnection);
    surface_ = surface;
    surfaceWidget_ = surface;
    return surface;
}

bool MpvPlayer::waitsForSurface() const {
    return drawsOnSurface_ && surface_ && !surface_->hasRenderContext() && !surfaceGivenUp_;
}

void MpvPlayer::giveUpOnSurface() {
    surfaceGivenUp_ = true;
    surfaceTimeout_.stop();
    if (stage_ == Stage::Held) load();
}

void MpvPlayer::onSurfaceFailed() {
    // Nothing can draw the video: decode none, and play the sound at once.
    drawsOnSurface_ = false;
    if (mpv_) mpv_set_property_string(mpv_, "vo", "null");
    giveUpOnSurface();
}

void MpvPlayer::onSurfaceReady() {
    surfaceTimeout_.stop();
    if (stage_ == Stage::Held) {
        load();
    } else if (mpv_ && (stage_ == Stage::Opening || stage_ == Stage::Ready)) {
        // The file went to the null output (opened before the surface could draw, or the
        // surface's context was recreated): choosing the output again brings the picture.
        // mpv rebuilds its output only when the option's value changes.
        mpv_set_property_string(mpv_, "vo", "null");
        mpv_set_property_string(mpv_, "vo", kSurfaceVo);
    }
}

void MpvPlayer::SetFile(const QString& path) {
    file_ = path;
    lastPosition_ = 0.0;
    clock_.reset();
    requested_.reset();
    pendingSeek_.reset();
    playing_ = !path.isEmpty();
    if (path.isEmpty()) {
        stage_ = Stage::Empty;
        if (mpv_) commandAsync(mpv_, kOtherReply, {"stop"});
        return;
    }
    if (waitsForSurface()) {
        stage_ = Stage::Held;
        if (!surfaceTimeout_.isActive()) surfaceTimeout_.start();
        return;
    }
    load();
}

void MpvPlayer::load() {
    stage_ = Stage::Broken;
    if (!mpv_) return;
    // mpv keeps its pause from file to file; a new file starts as the program last asked.
    setPause(!playing_);
    const QByteArray path = file_.toUtf8();
    const char* args[] = {"loadfile", path.constData(), "replace", nullptr};
    mpv_node result;
    if (mpv_command_ret(mpv_, args, &result) < 0) {
        playing_ = false;
        return;
    }
    entry_ = playlistEntry(result);
    mpv_free_node_contents(&result);
    stage_ = Stage::Opening;
}

void MpvPlayer::Play() {
    if (stage_ == Stage::Empty || stage_ == Stage::Broken) return;
    playing_ = true;
    if (stage_ != Stage::Held) setPause(false);
}

void MpvPlayer::Pause() {
    playing_ = false;
    if (stage_ == Stage::Opening || stage_ == Stage::Ready) setPause(true);
}

void MpvPlayer::Stop() {
    Pause();
    SetPosition(0.0);
}

bool MpvPlayer::IsPlaying() const {
    return playing_ &&
           (stage_ == Stage::Held || stage_ == Stage::Opening || stage_ == Stage::Ready);
}

double MpvPlayer::Position() const {
    if (requested_) {
        clock_.reset();
        return *requested_;
    }
    if (stage_ != Stage::Ready) return 0.0;
    // While mpv rebuilds its decoders or output it has no position for a moment; the clock
    // must not jump back to the start then.
    double seconds = 0.0;
    if (mpv_get_property(mpv_, "time-pos", MPV_FORMAT_DOUBLE, &seconds) == 0)
        lastPosition_ = std::max(0.0, seconds);
    return clock_.read(lastPosition_, sinceStart_.nsecsElapsed() / 1e9, playing_);
}

void MpvPlayer::SetPosition(double seconds) {
    if (!std::isfinite(seconds)) return;
    if (stage_ == Stage::Empty || stage_ == Stage::Broken) return;
    seconds = std::max(0.0, seconds);
    requested_ = seconds;
    seekLanded_ = false;
    if (stage_ == Stage::Ready)
        seek(seconds);
    else
        pendingSeek_ = seconds;
}

void MpvPlayer::seek(double seconds) {
    if (!mpv_) return;
    const QByteArray target = QByteArray::number(seconds, 'f', 6);
    commandAsync(mpv_, kSeekReply, {"seek", target.constData(), "absolute+exact"});
    ++seeksInFlight_;
}

void MpvPlayer::setPause(bool paused) {
    if (!mpv_) return;
    int flag = paused ? 1 : 0;
    mpv_set_property_async(mpv_, kPauseReply, "pause", MPV_FORMAT_FLAG, &flag);
    ++pauseSetsInFlight_;
}

void MpvPlayer::SetVolume(int volume) {
    volume_ = std::clamp(volume, 0, 100);
    if (!mpv_) return;
    double level = volume_;
    mpv_set_property_async(mpv_, kOtherReply, "volume", MPV_FORMAT_DOUBLE, &level);
}

QString MpvPlayer::mpvProperty(const char* name) const {
    if (!mpv_) return {};
    char* text = mpv_get_property_string(mpv_, name);
    const QString value = text ? QString::fromUtf8(text) : QString();
    mpv_free(text);
    return value;
}

void MpvPlayer::wakeUp(void* self) {
    // Called on one of mpv's threads: only hand over to the Qt thread, once per batch.
    auto* player = static_cast<MpvPlayer*>(self);
    if (!player->wakeupPosted_.exchange(true))
        QMetaObject::invokeMethod(player, &MpvPlayer::drainEvents, Qt::QueuedConnection);
}

void MpvPlayer::drainEvents() {
    wakeupPosted_ = false;
    while (mpv_) {
        const mpv_event* event = mpv_wait_event(mpv_, 0);
        if (event->event_id == MPV_EVENT_NONE) break;
        handle(*event);
    }
}

void MpvPlayer::handle(const mpv_event& event) {
    switch (event.event_id) {
    case MPV_EVENT_START_FILE:
        startedEntry_ = static_cast<const mpv_event_start_file*>(event.data)->playlist_entry_id;
        break;
    case MPV_EVENT_FILE_LOADED:
        // A file replaced before it opened may still report; only the file set last counts.
        if (startedEntry_ == entry_) onFileLoaded();
        break;
    case MPV_EVENT_END_FILE:
        onEndFile(*static_cast<const mpv_event_end_file*>(event.data));
        break;
    case MPV_EVENT_PLAYBACK_RESTART:
        onPlaybackRestart();
        break;
    case MPV_EVENT_COMMAND_REPLY:
        if (event.reply_userdata == kSeekReply) onSeekReply(event.error);
        break;
    case MPV_EVENT_SET_PROPERTY_REPLY:
        if (event.reply_userdata == kPauseReply) onPauseReply();
        break;
    case MPV_EVENT_PROPERTY_CHANGE: {
        const auto* property = static_cast<const mpv_event_property*>(event.data);
        if (event.reply_userdata == kPauseObserver && property->format == MPV_FORMAT_FLAG)
            onPauseChanged(*static_cast<const int*>(property->data) != 0);
        break;
    }
    default:
        break;
    }
}

void MpvPlayer::onFileLoaded() {
    if (stage_ != Stage::Opening) return;
    stage_ = Stage::Ready;
    if (pendingSeek_) seek(*pendingSeek_);
    pendingSeek_.reset();
}

void MpvPlayer::onEndFile(const mpv_event_end_file& end) {
    // With keep-open a file that plays to its end stays open, so an end here means it could
    // not be opened or decoded. Ends of replaced files carry other entries.
    if (end.playlist_entry_id != entry_) return;
    if (stage_ != Stage::Opening && stage_ != Stage::Ready) return;
    stage_ = Stage::Broken;
    playing_ = false;
    pendingSeek_.reset();
    requested_.reset();
}

void MpvPlayer::onPlaybackRestart() {
    // A restart that comes before mpv took the last seek is an earlier one's.
    if (seeksInFlight_ > 0 || pendingSeek_) return;
    seekLanded_ = true;
    trustMpvPosition();
}

void MpvPlayer::onPauseReply() {
    --pauseSetsInFlight_;
    trustMpvPosition();
}

void MpvPlayer::trustMpvPosition() {
    // Paused after a seek, mpv reports the seek target less the sound it has already queued
    // for the output; only once it plays again does its position match where it plays from.
    if (seekLanded_ && playing_ && pauseSetsInFlight_ == 0) requested_.reset();
}

void MpvPlayer::onSeekReply(int error) {
    --seeksInFlight_;
    // A refused seek moves nothing, and no restart will come for it.
    if (error < 0 && seeksInFlight_ == 0 && !pendingSeek_) requested_.reset();
}

void MpvPlayer::onPauseChanged(bool paused) {
    // Changes from before the program's own last request are stale.
    if (stage_ == Stage::Ready && pauseSetsInFlight_ == 0) playing_ = !paused;
}

} // namespace lumeport
