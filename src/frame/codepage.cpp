#include "frame/codepage.h"

namespace {
// Windows-1252 0x80..0x9F; 0 marks the five undefined codes (kept as C1 controls).
constexpr char16_t kHigh[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};
} // namespace

QString fromAnsi(const QByteArray& bytes)
{
    QString out;
    out.resize(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        char16_t c = b;
        if (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0)
            c = kHigh[b - 0x80];
        out[i] = QChar(c);
    }
    return out;
}

QByteArray toAnsi(const QString& text)
{
    QByteArray out;
    out.resize(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
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
        out[i] = b;
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
