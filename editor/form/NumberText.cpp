#include "editor/form/NumberText.h"

namespace
{
bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool IsAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// A Japanese input method types full-width digits, signs and blanks
// ("１２"); compatibility normalisation makes them the ASCII ones they mean.
// Digits of other scripts stay what they are, and are no decimal here.
QString AsTyped(const QString& text)
{
    return text.normalized(QString::NormalizationForm_KC);
}

qsizetype SkipBlanks(const QString& text, qsizetype pos)
{
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    return pos;
}
}

std::optional<std::uint32_t> ParseNumberField(const QString& typed)
{
    const QString text = AsTyped(typed);
    qsizetype pos = SkipBlanks(text, 0);
    const QChar first = pos < text.size() ? text[pos] : QChar();
    if (first == u'-')
        return std::nullopt;
    if (first == u'+')
        ++pos;

    std::uint64_t number = 0;
    for (; pos < text.size() && IsAsciiDigit(text[pos]); ++pos)
        number = std::min<std::uint64_t>(number * 10 + (text[pos].unicode() - u'0'), UINT32_MAX);

    // No digits at all ('', 'abc', '+', and also '+0' by the same rule).
    if (number == 0 && first != u'0')
        return std::nullopt;
    if (SkipBlanks(text, pos) != text.size())
        return std::nullopt;
    return static_cast<std::uint32_t>(number);
}

std::int32_t LeadingInteger(const QString& typed)
{
    const QString text = AsTyped(typed);
    qsizetype pos = 0;
    while (pos < text.size() && text[pos].isSpace())
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-'))
        negative = text[pos++] == u'-';
    std::uint32_t value = 0; // unsigned so that overflow wraps instead of being undefined
    for (; pos < text.size() && IsAsciiDigit(text[pos]); ++pos)
        value = value * 10u + static_cast<std::uint32_t>(text[pos].unicode() - u'0');
    if (negative)
        value = 0u - value;
    return static_cast<std::int32_t>(value);
}

QString UnsignedText(std::uint32_t value)
{
    return QString::number(value);
}
