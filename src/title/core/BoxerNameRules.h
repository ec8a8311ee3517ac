#pragma once

#include <QString>

// Longest name or birthplace, in UTF-16 code units (so five full-width characters fit).
constexpr int MaxBoxerNameLength = 5;

// Whether a typed name or birthplace can be taken: not empty, at most five units, and
// something the save file gives back exactly as typed (no comma, no leading double
// quote, no leading or trailing space, no control character, nothing that code page 932
// cannot hold).
bool isAcceptableBoxerName(const QString &text);
