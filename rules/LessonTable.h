#pragma once
#include <array>

#include "model/TranslationMarks.h"

// The history lessons, in the History menu's order: the year each one is shown
// in, where the window's zoom starts, its picture and its narration.
struct Lesson {
    int command;
    const char* menuText;
    int year;
    int zoomX, zoomY;
    int picture;
    const char* narration;
};

inline constexpr std::array<Lesson, 10> LessonTable = {{
    {2000, QT_TRANSLATE_NOOP("Lessons", "Maximinus Thrax"), 236, 673, 300, 162, "IDR_MAXIMINUS_THRAX"},
    {2002, QT_TRANSLATE_NOOP("Lessons", "Three Empires"), 260, 910, 360, 233, "IDR_VALERIAN"},
    {2003, QT_TRANSLATE_NOOP("Lessons", "Aurelian"), 275, 489, 308, 187, "IDR_AURELIAN"},
    {2004, QT_TRANSLATE_NOOP("Lessons", "Diocletian"), 285, 737, 343, 160, "IDR_DIOCLETIAN"},
    {2005, QT_TRANSLATE_NOOP("Lessons", "Constantine I"), 313, 737, 343, 161, "IDR_CONSTANTINE"},
    {2010, QT_TRANSLATE_NOOP("Lessons", "Battle of Adrianople"), 378, 702, 312, 249, "IDR_ADRIANOPLE"},
    {2009, QT_TRANSLATE_NOOP("Lessons", "Theodosius I"), 379, 737, 343, 248, "IDR_THEODOSIUS"},
    {2006, QT_TRANSLATE_NOOP("Lessons", "Sack of 410 AD"), 410, 489, 308, 235, "IDR_VISIGOTHS"},
    {2007, QT_TRANSLATE_NOOP("Lessons", "Sack of 455 AD"), 455, 489, 308, 163, "IDR_VANDAL_SACK"},
    {2008, QT_TRANSLATE_NOOP("Lessons", "Romulus Augustulus"), 476, 489, 308, 164, "IDR_ODOACER"},
}};

// The introduction: its picture and the music that loops under it.
inline constexpr int IntroductionPicture = 266;
inline constexpr const char* IntroductionMusic = "IDR_INTRO_SND";

// The lesson shown in `year`, or nullptr.
inline const Lesson* lessonOfYear(int year) {
    for (const Lesson& l : LessonTable) {
        if (l.year == year) return &l;
    }
    return nullptr;
}
