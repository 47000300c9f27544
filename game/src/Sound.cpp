#include "game/src/Sound.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

QtSoundBackend::QtSoundBackend(std::function<void(int)> wait) : wait_(std::move(wait)) {
    hasOutput_ = !QMediaDevices::audioOutputs().isEmpty();
}

QtSoundBackend::~QtSoundBackend() = default;

void QtSoundBackend::play(const QString& name, Mode mode) {
    if (!hasOutput_) return;
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
    if (!enabled) return;
    switch (kind) {
        case SoundKind::Battle: play(QStringLiteral("IDR_SWORD_SND"), SoundBackend::Mode::Async); break;
        case SoundKind::March:
            if (repaint) repaint();
            play(QStringLiteral("IDR_MARCH_SND"), SoundBackend::Mode::Sync);
            break;
        case SoundKind::Plague: play(QStringLiteral("IDR_COUGH_SND"), SoundBackend::Mode::Async); break;
        case SoundKind::Uprising: play(QStringLiteral("IDR_PFJ_SND"), SoundBackend::Mode::Async); break;
        case SoundKind::Introduction: play(QStringLiteral("IDR_INTRO_SND"), SoundBackend::Mode::Async); break;
    }
}

QString GameSounds::narrationFor(int picture) {
    static const std::map<int, QString> table = {
        {162, "IDR_MAXIMINUS_THRAX"}, {233, "IDR_VALERIAN"},    {187, "IDR_AURELIAN"},
        {160, "IDR_DIOCLETIAN"},      {161, "IDR_CONSTANTINE"}, {249, "IDR_ADRIANOPLE"},
        {248, "IDR_THEODOSIUS"},      {235, "IDR_VISIGOTHS"},   {163, "IDR_VANDAL_SACK"},
        {164, "IDR_ODOACER"},
    };
    auto it = table.find(picture);
    return it == table.end() ? QString() : it->second;
}
