#include "LessonChoice.h"

#include <algorithm>

namespace lumeport {

void SelectLessonFromNode(LessonIdentity& lesson) {
    if (!IsLessonNode(lesson.LessonNodeIndex)) return;
    lesson.LessonNo = lesson.LessonNodeIndex - 1;
    lesson.CourseName = TheCourse;
}

void ChooseLessonNode(LessonIdentity& lesson, int nodeIndex) {
    lesson.LessonNodeIndex = nodeIndex;
    SelectLessonFromNode(lesson);
    lesson.SavedNodeIndex = lesson.LessonNodeIndex;
}

int NextLessonNode(int nodeIndex, int treeNodeCount) {
    const int last =
        treeNodeCount >= FirstLessonNode ? std::min(LastLessonNode, treeNodeCount) : LastLessonNode;
    return std::clamp(nodeIndex + 1, FirstLessonNode, last);
}

int PreviousLessonNode(int nodeIndex) {
    return std::clamp(nodeIndex - 1, FirstLessonNode, LastLessonNode);
}

} // namespace lumeport
