#include "masterdata/QuickCode.h"

#include <QByteArray>
#include <QStringView>
#include <cstring>
#include <iconv.h>
#include <memory>

namespace kesvar {

namespace {

struct InitialRange
{
    char letter;
    unsigned from;
    unsigned to;
};

// The level-1 characters are ordered by pinyin, so each initial covers one range of codes.
constexpr InitialRange kRanges[] = {
    {'A', 0xB0A1, 0xB0C4}, {'B', 0xB0C5, 0xB2C0}, {'C', 0xB2C1, 0xB4ED}, {'D', 0xB4EE, 0xB6E9},
    {'E', 0xB6EA, 0xB7A1}, {'F', 0xB7A2, 0xB8C0}, {'G', 0xB8C1, 0xB9FD}, {'H', 0xB9FE, 0xBBF6},
    {'J', 0xBBF7, 0xBFA5}, {'K', 0xBFA6, 0xC0AB}, {'L', 0xC0AC, 0xC2E7}, {'M', 0xC2E8, 0xC4C2},
    {'N', 0xC4C3, 0xC5B5}, {'O', 0xC5B6, 0xC5BD}, {'P', 0xC5BE, 0xC6D9}, {'Q', 0xC6DA, 0xC8BA},
    {'R', 0xC8BB, 0xC8F5}, {'S', 0xC8F6, 0xCBF9}, {'T', 0xCBFA, 0xCDD9}, {'W', 0xCDDA, 0xCEF3},
    {'X', 0xCEF4, 0xD1B8}, {'Y', 0xD1B9, 0xD4D0}, {'Z', 0xD4D1, 0xD7F9},
};

struct IconvCloser
{
    void operator()(void *handle) const { iconv_close(static_cast<iconv_t>(handle)); }
};

// The GB2312 bytes of one character, empty when GB2312 has no such character.
QByteArray toGb2312(iconv_t converter, const QString &character)
{
    QByteArray utf8 = character.toUtf8();
    char in[8] = {};
    char out[8] = {};
    if (utf8.size() > int(sizeof in))
        return {};
    memcpy(in, utf8.constData(), size_t(utf8.size()));
    char *inPtr = in;
    char *outPtr = out;
    size_t inLeft = size_t(utf8.size());
    size_t outLeft = sizeof out;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    if (iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1) || inLeft != 0)
        return {};
    return QByteArray(out, int(sizeof out - outLeft));
}

} // namespace

char PinyinInitial(unsigned code)
{
    for (const InitialRange &range : kRanges)
        if (code >= range.from && code <= range.to)
            return range.letter;
    return 0;
}

QString QuickCode(const QString &name)
{
    const iconv_t raw = iconv_open("GB2312", "UTF-8");
    if (raw == iconv_t(-1))
        return name;
    const std::unique_ptr<void, IconvCloser> converter(raw);

    QString code;
    // Walk by whole characters (a surrogate pair is one character), never by bytes.
    for (qsizetype i = 0; i < name.size();) {
        const qsizetype length = name.at(i).isHighSurrogate() && i + 1 < name.size() ? 2 : 1;
        const QString character = name.mid(i, length);
        i += length;
        if (character.at(0).unicode() < 0x80) {
            code += character;
            continue;
        }
        const QByteArray bytes = toGb2312(raw, character);
        const char letter = bytes.size() == 2
            ? PinyinInitial((unsigned(uchar(bytes.at(0))) << 8) | uchar(bytes.at(1)))
            : 0;
        code += letter ? QString(QLatin1Char(letter)) : character;
    }
    return code;
}

} // namespace kesvar
