#include "frame/codepage.h"

namespace {
// Windows-1252 0x80..0x9F; 0 marks the five undefined codes (kept as C1 controls).
constexpr char16_t kHigh[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

// Code page 850, bytes 0x80..0xFF, as Unicode.
constexpr char16_t kOem[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192,
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0, 0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4,
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE, 0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE, 0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4,
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8, 0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,
};

bool isAnsiCharacter(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return true;
    for (char16_t h : kHigh)
        if (h != 0 && h == u)
            return true;
    return false;
}

constexpr char16_t kSubstitute = u'?';
} // namespace

QString fromAnsi(const QByteArray& bytes)
{
    QString out;
    out.resize(bytes.size());
    // Through the raw buffers: component blocks and index pages pass here on
    // every read, and indexing the QString checks for sharing at each character.
    const unsigned char* in = reinterpret_cast<const unsigned char*>(bytes.constData());
    QChar* to = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const unsigned char b = in[i];
        char16_t c = b;
        if (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0)
            c = kHigh[b - 0x80];
        to[i] = QChar(c);
    }
    return out;
}

QByteArray toAnsi(const QString& text)
{
    QByteArray out;
    out.resize(text.size());
    const QChar* in = text.constData();
    char* to = out.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = in[i].unicode();
        char b = '?';
        if (c < 0x100) {
            b = static_cast<char>(c);
        } else {
            for (int k = 0; k < 32; ++k)
                if (kHigh[k] == c) {
                    b = static_cast<char>(0x80 + k);
                    break;
                }
        }
        to[i] = b;
    }
    return out;
}

QString fromBytes(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes);
}

QByteArray toBytes(const QString& text)
{
    return text.toLatin1();
}

QString OemToAnsi(const QString& text)
{
    const QByteArray bytes = toAnsi(text);
    QString out(bytes.size(), QChar(kSubstitute));
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const QChar u = oemToUnicode(QChar(char16_t(static_cast<unsigned char>(bytes[i]))));
        if (isAnsiCharacter(u.unicode()))
            out[i] = u;
    }
    return out;
}

QString AnsiToOem(const QString& text)
{
    const QString ansi = fromAnsi(toAnsi(text));
    QString out(ansi.size(), QChar(kSubstitute));
    for (qsizetype i = 0; i < ansi.size(); ++i) {
        const QChar oem = unicodeToOem(ansi[i]);
        if (!oem.isNull())
            out[i] = oem;
    }
    return out;
}

QChar oemToUnicode(QChar oem)
{
    const char16_t c = oem.unicode();
    if (c >= 0x80 && c <= 0xFF)
        return QChar(kOem[c - 0x80]);
    return oem;
}

QChar unicodeToOem(QChar unicode)
{
    const char16_t c = unicode.unicode();
    if (c < 0x80)
        return unicode;
    for (int k = 0; k < 128; ++k)
        if (kOem[k] == c)
            return QChar(char16_t(0x80 + k));
    return QChar();
}

QString OemToAnsiIfOem(const QString& text)
{
    // Compared as ANSI bytes, like OemToAnsi reads its input.
    static constexpr char umlauts[] = {char(132), char(148), char(129), char(142), char(153), char(154), char(225)};
    const QByteArray bytes = toAnsi(text);
    for (char b : umlauts)
        if (bytes.contains(b))
            return OemToAnsi(text);
    return text;
}

void ReplaceAll(QString& text, const QString& find, const QString& replacement, int compare)
{
    if (find.isEmpty())
        return;
    const Qt::CaseSensitivity cs = compare == 0 ? Qt::CaseSensitive : Qt::CaseInsensitive;
    qsizetype p = text.indexOf(find, 0, cs);
    while (p >= 0) {
        text.replace(p, find.size(), replacement);
        p = text.indexOf(find, p + replacement.size(), cs);
    }
}

QString oemTextToUnicode(const QString& oem)
{
    QString s = oem;
    for (QChar& c : s)
        c = oemToUnicode(c);
    return s;
}

QString unicodeTextToOem(const QString& text)
{
    QString s = text;
    for (QChar& c : s) {
        const QChar o = unicodeToOem(c);
        c = o.isNull() ? QChar(u'?') : o;
    }
    return s;
}
