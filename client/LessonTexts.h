#pragma once

// The words of the history lessons, for players without the pictures: the
// introduction is filed under 235, every lesson under the year it is shown.
struct LessonText {
    int year;
    const char* title;
    const char* dates;
    const char* text;
};

const LessonText* lessonTextOfYear(int year);
