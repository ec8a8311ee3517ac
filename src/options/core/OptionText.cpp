#include "options/core/OptionText.h"

#include <array>
#include <utility>

namespace {
const std::array<std::pair<GameOptions::Scale, const char *>, 5> ScaleWords{{
    {GameOptions::Scale::Auto, "auto"},
    {GameOptions::Scale::Percent100, "100"},
    {GameOptions::Scale::Percent150, "150"},
    {GameOptions::Scale::Percent200, "200"},
    {GameOptions::Scale::Percent300, "300"},
}};

// The word for an enum value and back, from a table of both.
template <typename Value, std::size_t N>
QString wordOf(const std::array<std::pair<Value, const char *>, N> &words, Value value)
{
    for (const auto &[known, word] : words)
        if (known == value)
            return QString::fromLatin1(word);
    return {};
}

template <typename Value, std::size_t N>
bool valueOf(const std::array<std::pair<Value, const char *>, N> &words, const QString &text, Value &value)
{
    for (const auto &[known, word] : words)
        if (text == QLatin1String(word)) {
            value = known;
            return true;
        }
    return false;
}

const std::array<std::pair<bool, const char *>, 2> MuteWords{{{false, "off"}, {true, "on"}}};
const std::array<std::pair<GameOptions::RiseAssist, const char *>, 2> RiseAssistWords{{
    {GameOptions::RiseAssist::Off, "off"},
    {GameOptions::RiseAssist::Hold, "hold"},
}};
const std::array<std::pair<GameOptions::GuardCue, const char *>, 2> GuardCueWords{{
    {GameOptions::GuardCue::Colour, "colour"},
    {GameOptions::GuardCue::Outline, "outline"},
}};

// Whole numbers 0 to 100 written plainly: no sign, blank, fraction or more than three digits.
bool volumeOf(const QString &text, int &volume)
{
    if (text.isEmpty() || text.size() > 3)
        return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    const int value = text.toInt();
    if (value > 100)
        return false;
    volume = value;
    return true;
}
} // namespace

QStringList optionNames()
{
    return {QStringLiteral("scale"), QStringLiteral("volume"), QStringLiteral("mute"), QStringLiteral("riseAssist"),
            QStringLiteral("guardCue")};
}

bool setOptionText(GameOptions &options, const QString &name, const QString &value)
{
    if (name == QLatin1String("scale"))
        return valueOf(ScaleWords, value, options.scale);
    if (name == QLatin1String("volume"))
        return volumeOf(value, options.volume);
    if (name == QLatin1String("mute"))
        return valueOf(MuteWords, value, options.mute);
    if (name == QLatin1String("riseAssist"))
        return valueOf(RiseAssistWords, value, options.riseAssist);
    if (name == QLatin1String("guardCue"))
        return valueOf(GuardCueWords, value, options.guardCue);
    return false;
}

QString optionText(const GameOptions &options, const QString &name)
{
    if (name == QLatin1String("scale"))
        return wordOf(ScaleWords, options.scale);
    if (name == QLatin1String("volume"))
        return QString::number(options.volume);
    if (name == QLatin1String("mute"))
        return wordOf(MuteWords, options.mute);
    if (name == QLatin1String("riseAssist"))
        return wordOf(RiseAssistWords, options.riseAssist);
    if (name == QLatin1String("guardCue"))
        return wordOf(GuardCueWords, options.guardCue);
    return {};
}

double scaleFactor(GameOptions::Scale scale)
{
    switch (scale) {
    case GameOptions::Scale::Percent150:
        return 1.5;
    case GameOptions::Scale::Percent200:
        return 2.0;
    case GameOptions::Scale::Percent300:
        return 3.0;
    case GameOptions::Scale::Auto:
    case GameOptions::Scale::Percent100:
        break;
    }
    return 1.0;
}
