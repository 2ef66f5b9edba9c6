#include "Startup.h"

#include "Artwork.h"
#include "BannerLink.h"
#include "CourseSelection.h"
#include "Form1.h"
#include "LessonLoading.h"
#include "Platform.h"
#include "StateFiles.h"
#include "WindowLayout.h"

#include <limits>

namespace lumeport {

namespace {
const QColor Paper(0xED, 0xF2, 0xF9);
} // namespace

Startup::Startup(Form1& form, Platform& platform, CourseSelection& courses, LessonLoading& loading,
                 BannerLink& banner)
    : form_(form)
    , platform_(platform)
    , courses_(courses)
    , loading_(loading)
    , banner_(banner) {}

const std::vector<Step<Startup>>& Startup::Steps() {
    static const std::vector<Step<Startup>> steps = {
        {"scale the interface", &Startup::ScaleInterface},
        {"place the course panel", &Startup::PlaceCoursePanel},
        {"fit the subtitle tile strip", &Startup::FitSubtitleTileStrip},
        {"set the word-tile fonts", &Startup::SetWordTileFonts},
        {"read the dictionary", &Startup::ReadDictionary},
        {"colour the course tree", &Startup::ColourCourseTree},
        {"read the settings file", &Startup::ReadSettingsFile},
        {"count this run", &Startup::CountThisRun},
        {"restore the lesson choice", &Startup::RestoreLessonChoice},
        {"map the lesson choice", &Startup::MapLessonChoice},
        {"give the tree its pictures", &Startup::GiveTreeItsPictures},
        {"fill the course tree", &Startup::FillCourseTree},
        {"select the saved lesson", &Startup::SelectSavedLesson},
        {"set the exercise kind", &Startup::SetExerciseKind},
        {"lay out the window", &Startup::LayOutWindow},
        {"load the lesson", &Startup::LoadFirstLesson},
        {"show the install path", &Startup::ShowInstallPath},
        {"open the wave device", &Startup::OpenWaveDevice},
        {"place the banner link", &Startup::PlaceBannerLink},
    };
    return steps;
}

void Startup::Run() {
    RunSteps(*this, Steps());
    form_.setVisible(true);
}

void Startup::ScaleInterface() {
    lumeport::ScaleInterface(form_, platform_.display);
}

void Startup::PlaceCoursePanel() {
    form_.Picture3->setLeft(105 * form_.state.ScaleRatio);
}

void Startup::FitSubtitleTileStrip() {
    form_.Picture30->setHeight(form_.Label6->height());
}

void Startup::SetWordTileFonts() {
    Label* card = form_.SenWordLabel.Template();
    Label* const others[] = {form_.AllWordTextLabel.Template(), form_.WriteWordLabel.Template(),
                             form_.WordEnglishTextLabel};
    FontDesign font = card->font();
    font.family = QStringLiteral("Times New Roman");
    card->setFont(font);
    for (Label* label : others) {
        FontDesign own = label->font();
        own.family = font.family;
        label->setFont(own);
    }
    // Both templates hold the same one-letter caption in the same font, so the first subtitle
    // tile, laid right after its template, starts at the strip's left edge.
    Label* subtitle = form_.WriteWordLabel.Template();
    subtitle->setLeft(subtitle->left() - card->width());
}

void Startup::ReadDictionary() {}

void Startup::ColourCourseTree() {
    form_.TreeView1->setBackColor(Paper);
}

void Startup::ReadSettingsFile() {
    const DocumentRead read = readDocument(SettingsFilePath(form_.state.ProgramDir));
    settingsText_ = read.ok ? read.text : QString();
}

void Startup::CountThisRun() {
    const QString path = RunCountFilePath(form_.state.ProgramDir);
    const int count = ReadStateNumber(path);
    form_.state.RunCount = count < std::numeric_limits<int>::max() ? count + 1 : count;
    WriteStateNumber(path, form_.state.RunCount);
}

void Startup::RestoreLessonChoice() {
    LessonIdentity& lesson = form_.state.Lesson;
    lesson.SavedNodeIndex = LeadingNumber(settingsText_);
    lesson.LessonNodeIndex = lesson.SavedNodeIndex;
}

void Startup::MapLessonChoice() {
    SelectLessonFromNode(form_.state.Lesson);
}

void Startup::GiveTreeItsPictures() {
    form_.TreeView1->setImageList(
        {DrawArt(Art::TreePage, {16, 16}, form_.widget()->devicePixelRatioF()),
         DrawArt(Art::TreeBook, {16, 16}, form_.widget()->devicePixelRatioF())});
}

void Startup::FillCourseTree() {
    form_.state.Lesson.CatalogueName = TheCourse;
    courses_.BuildCourseTree();
}

void Startup::SelectSavedLesson() {
    LessonIdentity& lesson = form_.state.Lesson;
    TreeView& tree = *form_.TreeView1;
    // A saved choice that names no lesson of the tree opens lesson 1.
    if (!IsLessonNode(lesson.LessonNodeIndex) || !tree.hasNode(lesson.LessonNodeIndex)) {
        lesson.LessonNodeIndex = lesson.SavedNodeIndex = FirstLessonNode;
        SelectLessonFromNode(lesson);
    }
    tree.selectNode(lesson.LessonNodeIndex);
    for (int node = 1; node <= tree.nodeCount(); ++node)
        tree.setNodeBackColor(node, Paper);
}

void Startup::SetExerciseKind() {
    form_.state.ExerciseKind = 1;
}

void Startup::LayOutWindow() {
    lumeport::LayOutWindow(form_, platform_.display);
}

void Startup::LoadFirstLesson() {
    loading_.LoadLesson();
}

void Startup::ShowInstallPath() {
    form_.Text10->setText(form_.state.ProgramDir);
}

void Startup::OpenWaveDevice() {}

void Startup::PlaceBannerLink() {
    banner_.PlaceAtStart();
}

void Shutdown(Form1& form) {
    WriteStateNumber(SettingsFilePath(form.state.ProgramDir), form.state.Lesson.SavedNodeIndex);
}

} // namespace lumeport
