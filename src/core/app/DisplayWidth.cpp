#include "app/DisplayWidth.h"

#include <QChar>

namespace kesvar::DisplayWidth {

namespace {

// The wide ranges of Unicode's East Asian Width property (W and F), coarse enough to stay short and
// exact for the scripts an operator name is written in.
bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) || (c >= 0x3041 && c <= 0x33FF)
        || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF)
        || (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F)
        || (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1F64F)
        || (c >= 0x1F900 && c <= 0x1F9FF) || (c >= 0x20000 && c <= 0x3FFFD);
}

int width(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_Enclosing:
    case QChar::Other_Format:
        return 0;
    default:
        return isWide(c) ? 2 : 1;
    }
}

// Position after the code point that starts at `i`.
qsizetype nextCodePoint(const QString &text, qsizetype i, char32_t *codePoint)
{
    const QChar high = text.at(i);
    if (high.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
        *codePoint = QChar::surrogateToUcs4(high, text.at(i + 1));
        return i + 2;
    }
    *codePoint = high.unicode();
    return i + 1;
}

} // namespace

int columns(const QString &text)
{
    int total = 0;
    char32_t c = 0;
    for (qsizetype i = 0; i < text.size();) {
        i = nextCodePoint(text, i, &c);
        total += width(c);
    }
    return total;
}

QString cut(const QString &text, int maxColumns)
{
    int used = 0;
    qsizetype end = 0; // end of the last whole character that fits
    char32_t c = 0;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype next = nextCodePoint(text, i, &c);
        const int w = width(c);
        if (w > 0 && used + w > maxColumns)
            break;
        used += w;
        i = next;
        end = next;
    }
    return text.left(end);
}

} // namespace kesvar::DisplayWidth
