#pragma once

#include <QString>
#include <QtGlobal>

// Keeps Qt's notices that a player can do nothing about off the terminal, and lets every
// other message through to wherever it went before.
class QuietTerminal
{
public:
    // Puts the filter in front of the message handler in place now.
    static void install();
    // Whether a message is one of the known harmless notices the filter drops.
    static bool isHarmless(QtMsgType type, const QString &message);
};
