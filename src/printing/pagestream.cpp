#include "printing/pagestream.h"
#include "frame/codepage.h"
#include "frame/errors.h"

QByteArray PrLong4(int32_t n)
{
    if (n < 0)
        throw InvalidArgumentError(QStringLiteral("Invalid procedure call or argument (negative page value %1)").arg(n));
    QByteArray out(4, '\0');
    auto v = static_cast<uint32_t>(n);
    for (int k = 0; k < 4; ++k) {
        out[k] = static_cast<char>(v & 0xFF);
        v >>= 8;
    }
    return out;
}

QByteArray pageBytes(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() < 256)
            out += static_cast<char>(c.unicode());
        else
            out += toAnsi(QString(c));
    }
    return out;
}

QString pageText(const QByteArray& bytes)
{
    return fromAnsi(bytes);
}

QByteArray PrStr4(const QString& text)
{
    const QByteArray bytes = pageBytes(text);
    return PrLong4(int32_t(bytes.size())) + bytes;
}

int32_t PrGetLong(const QByteArray& stream, int& position)
{
    if (position < 1 || position + 3 > stream.size())
        throw InvalidArgumentError(QStringLiteral("Input past end of page stream"));
    const auto* b = reinterpret_cast<const unsigned char*>(stream.constData()) + position - 1;
    if (b[3] >= 128)
        throw OverflowError();
    position += 4;
    return int32_t(b[0]) | int32_t(b[1]) << 8 | int32_t(b[2]) << 16 | int32_t(b[3]) << 24;
}

QString PrGetStr(const QByteArray& stream, int& position)
{
    const int32_t length = PrGetLong(stream, position);
    if (position - 1 + qint64(length) > stream.size())
        throw InvalidArgumentError(QStringLiteral("Input past end of page stream"));
    const QString text = pageText(stream.mid(position - 1, length));
    position += length;
    return text;
}
