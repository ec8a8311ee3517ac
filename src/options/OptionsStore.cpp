#include "options/OptionsStore.h"

#include "options/core/OptionText.h"
#include "platform/Settings.h"

namespace {
QString storeKey(const QString &name)
{
    return name.front().toUpper() + name.mid(1);
}
} // namespace

GameOptions loadOptions(const Settings &settings)
{
    GameOptions options;
    for (const QString &name : optionNames()) {
        const QVariant stored = settings.value(storeKey(name));
        // A value of another type (a list from a hand-edited line with commas) reads as no text.
        if (stored.canConvert<QString>())
            setOptionText(options, name, stored.toString().trimmed());
    }
    return options;
}

void saveOptions(Settings &settings, const GameOptions &options)
{
    for (const QString &name : optionNames())
        settings.setValue(storeKey(name), optionText(options, name));
}
