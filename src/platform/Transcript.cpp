#include "platform/Transcript.h"

#include "platform/core/Scheduler.h"

namespace {
QString escapeField(QString field)
{
    field.replace(QLatin1String("\r\n"), QLatin1String("\\n"));
    field.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    field.replace(QLatin1Char('\r'), QLatin1String("\\n"));
    field.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return field;
}
} // namespace

void Transcript::write(const QString &event, const QStringList &fields)
{
    QStringList parts{QString::number(m_clock ? m_clock->now() : 0), event};
    for (const QString &field : fields)
        parts.append(escapeField(field));
    m_out << parts.join(QLatin1Char('\t')) << '\n';
    m_out.flush();
}

void Transcript::error(const QString &message)
{
    m_hadErrors = true;
    write(QStringLiteral("error"), {message});
}
