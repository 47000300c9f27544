#pragma once
// The recording each sound of the rules plays, for the window and the page,
// and whether the game waits for its end (the enemy's march under a report
// does: the player hears the army before reading about it).
#include "rules/Presenter.h"

struct GameSoundSpec {
    SoundKind kind;
    const char* recording;
    bool waits;
};

inline constexpr GameSoundSpec GameSoundTable[] = {
    {SoundKind::Battle, "IDR_SWORD_SND", false},  {SoundKind::March, "IDR_MARCH_SND", true},
    {SoundKind::Plague, "IDR_COUGH_SND", false},  {SoundKind::Uprising, "IDR_PFJ_SND", false},
    {SoundKind::Introduction, "IDR_INTRO_SND", false},
};

inline const GameSoundSpec* gameSoundOf(SoundKind kind) {
    for (const GameSoundSpec& s : GameSoundTable)
        if (s.kind == kind) return &s;
    return nullptr;
}
