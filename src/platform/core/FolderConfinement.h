#pragma once

#include <QString>

// Whether path names the folder itself or something inside it, once every link on the way is
// followed: a link inside that points out lies outside. A path that does not exist yet lies
// where its folder lies; one whose folder does not exist lies nowhere, so outside.
bool liesWithinFolder(const QString &path, const QString &folder);
