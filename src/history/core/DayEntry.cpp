#include "history/core/DayEntry.h"

#include <array>
#include <utility>

namespace {
const std::array<std::pair<DayKind, const char *>, 6> KindNames = {{
    {DayKind::Rest, "rest"},
    {DayKind::SandBag, "sandbag"},
    {DayKind::PunchingBall, "punchingball"},
    {DayKind::Sparring, "sparring"},
    {DayKind::Bout, "bout"},
    {DayKind::Hospital, "hospital"},
}};
} // namespace

QString dayKindName(DayKind kind)
{
    for (const auto &[known, name] : KindNames)
        if (known == kind)
            return QString::fromLatin1(name);
    return {};
}

std::optional<DayKind> dayKindNamed(const QString &name)
{
    for (const auto &[kind, known] : KindNames)
        if (name == QLatin1String(known))
            return kind;
    return std::nullopt;
}
