#pragma once
// Which lesson the learner has chosen. The course tree's node 1 is the course and node n + 1
// is lesson n; only nodes 2..79 (lessons 1..78) map to a lesson.

#include <QString>

namespace lumeport {

inline constexpr int FirstLessonNode = 2;
inline constexpr int LastLessonNode = 79;
inline const QString TheCourse = QStringLiteral("Wandervale");

struct LessonIdentity {
    int LessonNodeIndex = 0;
    QString CourseName; // empty until a valid node is chosen
    int LessonNo = 0;
    int SavedNodeIndex = 0;
    int LoadedLessonNo = 0;
    QString CatalogueName;
};

inline bool IsLessonNode(int nodeIndex) {
    return nodeIndex >= FirstLessonNode && nodeIndex <= LastLessonNode;
}

// Sets CourseName and LessonNo from LessonNodeIndex; any other index changes nothing.
void SelectLessonFromNode(LessonIdentity& lesson);
// The learner's choice of a node: it becomes the lesson node, is mapped, and is the choice
// the settings file keeps.
void ChooseLessonNode(LessonIdentity& lesson, int nodeIndex);

// The node the next-lesson button goes to. It stops at the last lesson node, or at the last
// node of the tree when the catalogue lists fewer lessons (treeNodeCount < 2: no tree).
int NextLessonNode(int nodeIndex, int treeNodeCount);
// The node the previous-lesson button goes to; lesson 1 stays the first.
int PreviousLessonNode(int nodeIndex);

} // namespace lumeport
