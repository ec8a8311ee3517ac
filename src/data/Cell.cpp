#include "data/Cell.h"

int Cell::toInt() const
{
    if (const int *number = std::get_if<int>(&m_value))
        return *number;
    if (const QString *text = std::get_if<QString>(&m_value)) {
        bool ok = false;
        const int parsed = text->trimmed().toInt(&ok);
        return ok ? parsed : 0;
    }
    return 0;
}

QString Cell::toText() const
{
    if (const int *number = std::get_if<int>(&m_value))
        return QString::number(*number);
    if (const QString *text = std::get_if<QString>(&m_value))
        return *text;
    return {};
}
