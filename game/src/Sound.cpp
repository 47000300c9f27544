#include "game/src/Sound.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <cstring>

#include "client/SoundTable.h"
#include "qtcommon/Languages.h"
#include "rules/LessonTable.h"

#ifdef AUROVANE_MEDIA_RESOURCES
// The recordings are an object of their own in the game's library
// (game/CMakeLists.txt): naming them here links them in and registers them.
[[maybe_unused]] static const int mediaResources = [] {
    Q_INIT_RESOURCE(aurovane_media);
    return 0;
}();
#endif

QtSoundBackend::QtSoundBackend(std::function<void(int)> wait) : wait_(std::move(wait)) {}

// Asked at the first sound, not at start-up: finding the audio devices
// starts the platform's sound service, which the first frame does not need.
bool QtSoundBackend::hasOutput() const {
    if (!hasOutput_) hasOutput_ = !QMediaDevices::audioOutputs().isEmpty();
    return *hasOutput_;
}

QtSoundBackend::~QtSoundBackend() = default;

void QtSoundBackend::play(const QString& name, Mode mode) {
    if (!hasOutput()) return;
    if (effect_) effect_->stop();
    // A fresh effect per sound: switching the source of a playing effect is
    // where the platform back ends are least reliable.
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl(QStringLiteral("qrc:/sounds/%1.wav").arg(name)));
    effect_->setLoopCount(mode == Mode::Loop ? QSoundEffect::Infinite : 1);
    effect_->play();
    if (mode != Mode::Sync || !wait_) return;
    // Waits for the end of the sound, keeping the screen drawn. A sound that
    // cannot be loaded or never starts ends the wait; so does a generous cap.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 20000) {
        if (effect_->status() == QSoundEffect::Error) break;
        if (effect_->status() == QSoundEffect::Ready && !effect_->isPlaying() && clock.elapsed() > 300) break;
        if (effect_->status() == QSoundEffect::Null) break;
        if (!effect_->isPlaying() && clock.elapsed() > 3000) break;
        wait_(20);
    }
}

void QtSoundBackend::stop() {
    if (effect_) effect_->stop();
}

bool QtSoundBackend::isPlaying() const { return effect_ && effect_->isPlaying(); }

void GameSounds::tellNoAudioOnce() {
    if (backend_.hasOutput() || noticeGiven_) return;
    noticeGiven_ = true;
    if (noOutputNotice) noOutputNotice();
}

void GameSounds::play(const QString& name, SoundBackend::Mode mode) {
    tellNoAudioOnce();
    backend_.play(name, mode);
}

void GameSounds::playGameSound(SoundKind kind) {
    const GameSoundSpec* sound = gameSoundOf(kind);
    if (!enabled || !sound) return;
    // The screen as it stands shows while the game waits for the sound.
    if (sound->waits && repaint) repaint();
    play(QString::fromLatin1(sound->recording), sound->waits ? SoundBackend::Mode::Sync : SoundBackend::Mode::Async);
}
QString GameSounds::narrationFor(int picture, const QString& language) {
    for (const Lesson& l : LessonTable) {
        if (l.picture != picture) continue;
        const QString name = QString::fromLatin1(l.narration) + QStringLiteral(".wav");
        QString path = inLanguage(QStringLiteral(":/sounds"), name, language);
        path.chop(4);
        return path.mid(int(std::strlen(":/sounds/")));
    }
    return QString();
}
