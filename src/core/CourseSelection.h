#pragma once
// Choosing a lesson: the course tree, the next- and previous-lesson buttons, the course-panel
// toggle and the three buttons' tips.

#include <QObject>
#include <QString>

namespace lumeport {

class CommandButton;
class Form1;
class LessonLoading;

class CourseSelection : public QObject {
    Q_OBJECT
public:
    CourseSelection(Form1& form, LessonLoading& loading);

    // Fills the tree from the catalogue of CatalogueName: the course node, then one node per
    // lesson title.
    void BuildCourseTree();

    void ChooseLessonInTree(int node);
    void NextLesson();
    void PreviousLesson();
    void ToggleCoursePanel();

private:
    void chooseNode(int node);
    void showButtonTip(const CommandButton* button, const QString& text);

    Form1& form_;
    LessonLoading& loading_;
};

} // namespace lumeport
