#include "platform/Transcript.h"

#include "platform/core/Scheduler.h"

namespace {
QString escapeField(QString field)
{
    field.replace(QLatin1String("\r\n"), QLatin1String("\\n"));
    field.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    field.replace(QLatin1Char('\r'), QLatin1String("\\n"));
    field.replace(QLatin1Char('\t'), QLatin1Char(' '));
    // Any other control character, from a record say, would act on the terminal that shows the
    // transcript; it is written as its code.
    for (qsizetype at = 0; at < field.size(); ++at) {
        const char16_t c = field[at].unicode();
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) {
            const QString code = QStringLiteral("\\x%1").arg(unsigned(c), 2, 16, QLatin1Char('0'));
            field.replace(at, 1, code);
            at += code.size() - 1;
        }
    }
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
