#include "platform/QtSound.h"

#include "platform/GameFiles.h"

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
        m_effects.insert(fileName, effect);
    }
    if (m_playing && m_playing != effect)
        m_playing->stop();
    effect->stop();
    effect->play();
    m_playing = effect;
}
