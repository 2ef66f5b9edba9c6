#include "CourseSelection.h"

#include "CourseCatalogue.h"
#include "CoursePaths.h"
#include "DocumentText.h"
#include "Form1.h"
#include "LessonLoading.h"
#include "TipBox.h"
#include "ViewFocus.h"

#include <QFileInfo>

namespace lumeport {

namespace {
constexpr int PagePicture = 1;
constexpr int BookPicture = 2;
} // namespace

CourseSelection::CourseSelection(Form1& form, LessonLoading& loading)
    : form_(form)
    , loading_(loading) {
    connect(form.TreeView1, &TreeView::nodeClicked, this, &CourseSelection::ChooseLessonInTree);
    connect(form.Command8, &Control::clicked, this, &CourseSelection::NextLesson);
    connect(form.Command9, &Control::clicked, this, &CourseSelection::PreviousLesson);
    connect(form.Command13, &Control::clicked, this, &CourseSelection::ToggleCoursePanel);
    const struct {
        CommandButton* button;
        const char* tip;
    } tips[] = {
        {form.Command13, "打开/关闭选课面板"},
        {form.Command8, "下一课"},
        {form.Command9, "上一课"},
    };
    for (const auto& t : tips)
        connect(t.button, &Control::mouseMove, this,
                [this, t] { showButtonTip(t.button, QString::fromUtf8(t.tip)); });
}

void CourseSelection::BuildCourseTree() {
    TreeView& tree = *form_.TreeView1;
    const QString& course = form_.state.Lesson.CatalogueName;
    const DocumentRead catalogue = readDocument(CataloguePath(form_.state.ProgramDir, course));
    tree.clear();
    if (!catalogue.ok) return;
    const int root = tree.addRoot(course, course, BookPicture);
    for (const QString& title : CatalogueTitles(catalogue.text))
        tree.addChild(root, title, PagePicture);
}

void CourseSelection::ChooseLessonInTree(int node) {
    LessonIdentity& lesson = form_.state.Lesson;
    if (form_.TreeView1->hasNode(node) && form_.TreeView1->nodeChildren(node) == 0) {
        ChooseLessonNode(lesson, node);
        const QString script =
            LessonScriptPath(form_.state.ProgramDir, lesson.CourseName, lesson.LessonNo);
        if (QFileInfo(script).isFile()) {
            loading_.LoadLesson();
        } else {
            // A lesson without a script cannot be chosen: back to the one that is loaded.
            lesson.LessonNo = lesson.LoadedLessonNo;
            lesson.LessonNodeIndex = lesson.SavedNodeIndex = lesson.LoadedLessonNo + 1;
            form_.TreeView1->selectNode(lesson.LessonNodeIndex);
        }
    }
    FocusViewKeyReceiver(form_);
}

void CourseSelection::NextLesson() {
    chooseNode(NextLessonNode(form_.state.Lesson.LessonNodeIndex, form_.TreeView1->nodeCount()));
}

void CourseSelection::PreviousLesson() {
    chooseNode(PreviousLessonNode(form_.state.Lesson.LessonNodeIndex));
}

// The buttons do not check for the script: a lesson without one loads as an empty lesson.
void CourseSelection::chooseNode(int node) {
    LessonIdentity& lesson = form_.state.Lesson;
    ChooseLessonNode(lesson, node);
    form_.TreeView1->selectNode(lesson.LessonNodeIndex);
    loading_.LoadLesson();
    FocusViewKeyReceiver(form_);
}

void CourseSelection::ToggleCoursePanel() {
    PictureBox& panel = *form_.Picture3;
    PictureBox& media = *form_.Picture12;
    const double r = form_.state.ScaleRatio;
    const double w = panel.width();
    if (panel.visible()) {
        panel.setVisible(false);
        media.setGeometry(105 * r, media.top(), media.width() + w, media.height());
    } else {
        panel.setVisible(true);
        media.setGeometry(panel.left() + w + 30 * r, media.top(), media.width() - w,
                          media.height());
    }
    form_.WindowsMediaPlayer1->setWidth(media.width());
}

void CourseSelection::showButtonTip(const CommandButton* button, const QString& text) {
    ShowTip(form_, button->top() + 400 * form_.state.ScaleRatio, button->left(), text);
}

} // namespace lumeport
