#include "platform/QtSound.h"

#include "platform/GameFiles.h"

#include <QAudio>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

QtSound::QtSound() : m_haveAudio(!QMediaDevices::audioOutputs().isEmpty()) {}

QtSound::~QtSound()
{
    qDeleteAll(m_effects);
}

void QtSound::play(const QString &fileName)
{
    if (!m_haveAudio)
        return;
    QSoundEffect *effect = m_effects.value(fileName);
    if (!effect) {
        const QString path = findGameFile(fileName);
        if (path.isEmpty())
            return;
        effect = new QSoundEffect;
        effect->setSource(QUrl::fromLocalFile(path));
        effect->setVolume(m_level);
        effect->setMuted(m_muted);
        m_effects.insert(fileName, effect);
    }
    if (m_playing && m_playing != effect)
        m_playing->stop();
    effect->stop();
    effect->play();
    m_playing = effect;
}

void QtSound::setVolume(int volume, bool muted)
{
    // The ear hears loudness logarithmically: a volume of 50 should sound half as loud.
    m_level = static_cast<float>(QAudio::convertVolume(static_cast<float>(volume) / 100.0F, QAudio::LogarithmicVolumeScale,
                                                        QAudio::LinearVolumeScale));
    m_muted = muted;
    for (QSoundEffect *effect : std::as_const(m_effects)) {
        effect->setVolume(m_level);
        effect->setMuted(m_muted);
    }
}
