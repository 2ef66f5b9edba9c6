#pragma once
// Making the chosen lesson the current one.

namespace lumeport {

class Form1;
struct Platform;

class LessonLoading {
public:
    LessonLoading(Form1& form, Platform& platform);

    // Loads the lesson CourseName / LessonNo names: its script into the sentence table, its
    // media, notes and every view of its sentences. A missing script gives an empty lesson.
    void LoadLesson();

private:
    Form1& form_;
    Platform& platform_;
};

} // namespace lumeport
