#include "LessonLoading.h"

#include "CoursePaths.h"
#include "DocumentText.h"
#include "Form1.h"
#include "LessonLabels.h"
#include "MediaRules.h"
#include "Platform.h"
#include "RtfReader.h"
#include "SentenceList.h"
#include "SentenceTracker.h"
#include "TransportState.h"

#include <QFile>
#include <QFileInfo>
#include <cmath>

namespace lumeport {

namespace {

const QString NoticeTitle = QStringLiteral("提示");
const QString NoticeA = QStringLiteral(
    "本课的语音文件尚未安装。\n下载并安装本册的 MP3 语音包后，即可听到本课的真人录音。");
const QString NoticeB =
    QStringLiteral("当前课程的语音文件尚未安装。\n请到本软件主页下载相应的语音库并安装（免费）。");

QString mediaPath(const FormState& s) {
    const QString relative = MediaForLesson(s.Lesson.CourseName, s.Lesson.LessonNo).relativePath;
    return relative.isEmpty() ? QString() : ProgramPath(s.ProgramDir, {relative});
}

} // namespace

LessonLoading::LessonLoading(Form1& form, Platform& platform, SentenceTracker& tracker,
                             SentenceList& list)
    : form_(form)
    , platform_(platform)
    , tracker_(tracker)
    , list_(list) {
    connect(form.Timer6, &QTimer::timeout, this, &LessonLoading::OpenDownloadPage);
}

const std::vector<Step<LessonLoading>>& LessonLoading::Steps() {
    static const std::vector<Step<LessonLoading>> steps = {
        {"set the trackers by view", &LessonLoading::SetTrackersByView},
        {"reset the current sentence", &LessonLoading::ResetCurrentSentence},
        {"set the volumes", &LessonLoading::SetVolumes},
        {"set the media file", &LessonLoading::SetMediaFile},
        {"check the media file", &LessonLoading::CheckMediaFile},
        {"read the script", &LessonLoading::ReadScript},
        {"load the notes", &LessonLoading::LoadNotes},
        {"set the row wrap width", &LessonLoading::SetRowWrapWidth},
        {"count the sentences", &LessonLoading::CountSentences},
        {"clear the previous lesson", &LessonLoading::ClearPreviousLesson},
        {"build the rows", &LessonLoading::BuildRows},
        {"show the first sentence", &LessonLoading::ShowFirstSentence},
        {"play the first sentence", &LessonLoading::PlayFirstSentence},
        {"show the playing buttons", &LessonLoading::ShowPlaying},
        {"measure the lesson", &LessonLoading::MeasureLesson},
        {"show the total time", &LessonLoading::ShowTotalTime},
        {"keep the lesson start", &LessonLoading::KeepLessonStart},
        {"show the course label", &LessonLoading::ShowCourseLabel},
        {"reset the scroll positions", &LessonLoading::ResetScrollPositions},
        {"start the full-text build", &LessonLoading::StartFullTextBuild},
        {"reset the translation rows", &LessonLoading::ResetTranslationRows},
        {"restore the translation exercise", &LessonLoading::RestoreTranslationExercise},
        {"remember the loaded lesson", &LessonLoading::RememberLoadedLesson},
    };
    return steps;
}

void LessonLoading::LoadLesson() {
    RunSteps(*this, Steps());
}

void LessonLoading::SetTrackersByView() {
    const int view = form_.state.ViewMode;
    if (view == 4) return;
    QTimer* on = view == 0 ? form_.Timer2 : form_.Timer1;
    QTimer* off = view == 0 ? form_.Timer1 : form_.Timer2;
    on->start();
    off->stop();
}

void LessonLoading::ResetCurrentSentence() {
    form_.state.CurrentSentence = 0;
}

void LessonLoading::SetVolumes() {
    platform_.lessonPlayer.SetVolume(LessonPlayerVolume(form_.state.Lesson.CourseName));
    platform_.wordPlayer.SetVolume(WordPlayerVolume);
}

void LessonLoading::SetMediaFile() {
    const QString path = mediaPath(form_.state);
    if (!path.isEmpty()) platform_.lessonPlayer.SetFile(path);
}

void LessonLoading::CheckMediaFile() {
    const FormState& s = form_.state;
    const MissingMediaNotice notice =
        MediaForLesson(s.Lesson.CourseName, s.Lesson.LessonNo).noticeWhenMissing;
    const QString path = mediaPath(s);
    if (notice == MissingMediaNotice::None || path.isEmpty() || QFileInfo(path).isFile()) return;
    platform_.notices.Inform(NoticeTitle, notice == MissingMediaNotice::A ? NoticeA : NoticeB);
    if (notice == MissingMediaNotice::B) form_.Timer6->start();
}

void LessonLoading::OpenDownloadPage() {
    form_.Timer6->stop();
    platform_.shell.Open(ProgramPath(form_.state.ProgramDir, {"download.htm"}));
}

void LessonLoading::ReadScript() {
    FormState& s = form_.state;
    // A lesson whose script is missing or unreadable is shown as an empty lesson rather than
    // with the previous lesson's sentences.
    const DocumentRead script =
        readDocument(LessonScriptPath(s.ProgramDir, s.Lesson.CourseName, s.Lesson.LessonNo));
    s.ScriptText = script.ok ? script.text : QString();
}

void LessonLoading::LoadNotes() {
    const FormState& s = form_.state;
    QFile notes(LessonNotesPath(s.ProgramDir, s.Lesson.CourseName, s.Lesson.LessonNo));
    if (!notes.open(QIODevice::ReadOnly)) {
        form_.RichTextBox7->setPlainText(QString());
        return;
    }
    const QByteArray bytes = notes.readAll();
    if (isRtf(bytes))
        form_.RichTextBox7->setDocument(readRtf(bytes));
    else
        form_.RichTextBox7->setPlainText(documentPlainText(bytes));
}

void LessonLoading::SetRowWrapWidth() {
    form_.state.RowWrapWidth = form_.Picture14->width() - 500 * form_.state.ScaleRatio;
}

void LessonLoading::CountSentences() {
    form_.state.Sentences = SentenceTable::FromScriptText(form_.state.ScriptText);
}

void LessonLoading::ClearPreviousLesson() {
    form_.Label5.UnloadAll();
    form_.Label8.UnloadAll();
    form_.Label14.UnloadAll();
    form_.Label58.UnloadAll();
    form_.Line1.UnloadAll();
    form_.Image18.UnloadAll();
    form_.AllChineseLabel.UnloadAll();
    form_.AllVoiceImage.UnloadAll();
}

// The translation view adds its rows here too.
void LessonLoading::BuildRows() {
    list_.BuildRows();
}

void LessonLoading::ShowFirstSentence() {
    tracker_.AdvanceSentence();
}

void LessonLoading::PlayFirstSentence() {
    MediaPlayer& player = platform_.lessonPlayer;
    if (std::isfinite(form_.state.SentenceStartSeconds))
        player.SetPosition(form_.state.SentenceStartSeconds);
    player.Play();
}

void LessonLoading::ShowPlaying() {
    SetPlayingKeepingStop(form_);
}

void LessonLoading::MeasureLesson() {
    FormState& s = form_.state;
    const SentenceEntry* last = s.Sentences.find(s.Sentences.SentenceCount());
    const std::optional<double> end = last ? SecondsFromTimeText(last->EndTime) : std::nullopt;
    s.LessonLength = end ? *end - s.SentenceStartSeconds : std::nan("");
}

void LessonLoading::ShowTotalTime() {
    form_.Label11->setCaption(TotalTimeText(form_.state.LessonLength));
}

void LessonLoading::KeepLessonStart() {
    FormState& s = form_.state;
    s.LessonStart = std::isfinite(s.SentenceStartSeconds) ? s.SentenceStartSeconds : 0;
}

void LessonLoading::ShowCourseLabel() {
    form_.Label13->setCaption(
        CourseLabelText(form_.TreeView1->nodeFullPath(form_.state.Lesson.LessonNodeIndex)));
}

void LessonLoading::ResetScrollPositions() {
    const double r = form_.state.ScaleRatio;
    form_.Picture10->setTop(0);
    form_.Image14->setTop(255 * r);
    form_.Image15->setTop(0);
    form_.Picture14->setTop(0);
    form_.Image17->setTop(255 * r);
}

void LessonLoading::StartFullTextBuild() {
    form_.Timer5->start();
}

// The translation view gives its rows their starting look and the exercise kind's covers.
void LessonLoading::ResetTranslationRows() {}
void LessonLoading::RestoreTranslationExercise() {}

void LessonLoading::RememberLoadedLesson() {
    form_.state.Lesson.LoadedLessonNo = form_.state.Lesson.LessonNo;
}

} // namespace lumeport
