#pragma once

#include "support/GameFixture.h"

// Starts a new career through the title screen with the given name and birthplace,
// leaving the hub shown.
void startCareer(GameFixture &fixture, const QString &name = QStringLiteral("山田"),
                 const QString &birthplace = QStringLiteral("東京"));

