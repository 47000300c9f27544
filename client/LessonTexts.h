#pragma once
#include <string_view>

// The words of the history lessons, for players without the pictures: the
// introduction is filed under 235, every lesson under the year it is shown,
// each in English ("en") and the languages it is told in.
struct LessonText {
    int year;
    const char* language;
    const char* title;
    const char* dates;
    const char* text;
};

// The lesson of the year in the language, or in English where it is not told
// in that language; nullptr for a year without a lesson.
const LessonText* lessonTextOfYear(int year, std::string_view language = "en");
