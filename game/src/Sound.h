#pragma once
#include <QString>

#include "rules/Presenter.h"
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QSoundEffect;

// Plays the game's recordings (":/sounds/<NAME>.wav"), one at a time: a new
// sound replaces the one playing.
class SoundBackend {
public:
    enum class Mode { Async, Sync, Loop };
    virtual ~SoundBackend() = default;
    virtual void play(const QString& name, Mode mode) = 0;
    virtual void stop() = 0;
    virtual bool isPlaying() const = 0;
    // Whether the machine has somewhere to play sounds at all.
    virtual bool hasOutput() const { return true; }
};

// The real player. Where the machine has no audio output it stays silent:
// nothing is played, nothing waits and nothing is reported as an error.
class QtSoundBackend : public SoundBackend {
public:
    // `wait` is the window's input-refusing pause, used while a synchronous
    // sound plays.
    explicit QtSoundBackend(std::function<void(int ms)> wait);
    ~QtSoundBackend() override;
    void play(const QString& name, Mode mode) override;
    void stop() override;
    bool isPlaying() const override;
    bool hasOutput() const override;

private:
    std::function<void(int)> wait_;
    mutable std::optional<bool> hasOutput_;
    std::unique_ptr<QSoundEffect> effect_;
};

// Records what was asked of it; used by tests and where sound is not wanted.
class RecordingSoundBackend : public SoundBackend {
public:
    struct Call { QString name; Mode mode; };
    void play(const QString& name, Mode mode) override {
        calls.push_back({name, mode});
        playing = mode != Mode::Sync;
        current = name;
    }
    void stop() override {
        ++stops;
        playing = false;
        current.clear();
    }
    bool isPlaying() const override { return playing; }
    bool hasOutput() const override { return output; }

    std::vector<Call> calls;
    int stops = 0;
    bool playing = false;
    bool output = true;
    QString current;
};

// What the rules' sound kinds play, with the Sound option in front of them.
class GameSounds {
public:
    explicit GameSounds(SoundBackend& backend) : backend_(backend) {}

    // Silent while the Sound option is off; unknown kinds are silent too.
    // The march of an enemy report waits for its end, the screen repainted first.
    void playGameSound(SoundKind kind);
    std::function<void()> repaint;

    // Where the machine has no audio output, the player is told once, at the
    // first sound that cannot play.
    std::function<void()> noOutputNotice;
    void tellNoAudioOnce();

    bool enabled = true;
    SoundBackend& backend() { return backend_; }

    // The narration recording of a lesson picture told in the language
    // ("<lang>/<name>" where there is one, else the English recording), or an
    // empty name.
    static QString narrationFor(int picture, const QString& language = QStringLiteral("en"));

private:
    void play(const QString& name, SoundBackend::Mode mode);

    SoundBackend& backend_;
    bool noticeGiven_ = false;
};
