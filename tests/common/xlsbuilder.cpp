#include "common/xlsbuilder.h"

#include <QtEndian>
#include <cstring>

namespace testutil::xls {

namespace {

void u8(QByteArray& b, int v) { b += char(v & 0xFF); }
void u16(QByteArray& b, int v)
{
    u8(b, v);
    u8(b, v >> 8);
}
void u32(QByteArray& b, quint32 v)
{
    u16(b, int(v & 0xFFFF));
    u16(b, int(v >> 16));
}
void f64(QByteArray& b, double d)
{
    quint64 bits;
    std::memcpy(&bits, &d, sizeof bits);
    u32(b, quint32(bits & 0xFFFFFFFFu));
    u32(b, quint32(bits >> 32));
}
void put32(QByteArray& b, qsizetype at, quint32 v) { qToLittleEndian<quint32>(v, b.data() + at); }

QByteArray cellHead(int row, int column)
{
    QByteArray b;
    u16(b, row);
    u16(b, column);
    u16(b, 15); // the default cell format
    return b;
}

QByteArray chars(const QString& text, bool wide)
{
    QByteArray b;
    for (const QChar c : text) {
        if (wide)
            u16(b, c.unicode());
        else
            u8(b, c.unicode());
    }
    return b;
}

QByteArray bof(quint16 version, int kind)
{
    QByteArray b;
    u16(b, version);
    u16(b, kind);
    u16(b, 0x0DBB);
    u16(b, 0x07CC);
    if (version == 0x0600) {
        u32(b, 0);
        u32(b, 0x0206);
    }
    return record(0x0809, b);
}

// The text table, cut into the SST record and its CONTINUE records.
class Pieces {
public:
    explicit Pieces(int max) : mMax(max) { mPieces.emplace_back(); }
    void whole(const QByteArray& b)
    {
        if (mPieces.back().size() + b.size() > mMax)
            mPieces.emplace_back();
        mPieces.back() += b;
    }
    void anywhere(const QByteArray& b)
    {
        for (const char c : b) {
            if (mPieces.back().size() >= mMax)
                mPieces.emplace_back();
            mPieces.back() += c;
        }
    }
    void text(const QString& t, bool wide)
    {
        const int width = wide ? 2 : 1;
        for (qsizetype i = 0; i < t.size(); ++i) {
            if (mPieces.back().size() + width > mMax) {
                mPieces.emplace_back();
                u8(mPieces.back(), wide ? 1 : 0);
            }
            mPieces.back() += chars(t.mid(i, 1), wide);
        }
    }
    QByteArray records() const
    {
        QByteArray out = record(0x00FC, mPieces.front());
        for (size_t i = 1; i < mPieces.size(); ++i)
            out += record(0x003C, mPieces[i]);
        return out;
    }

private:
    int mMax;
    std::vector<QByteArray> mPieces;
};

} // namespace

QByteArray record(quint16 type, const QByteArray& data)
{
    QByteArray b;
    u16(b, type);
    u16(b, int(data.size()));
    return b + data;
}

QByteArray number(int row, int column, double value)
{
    QByteArray b = cellHead(row, column);
    f64(b, value);
    return record(0x0203, b);
}

QByteArray rk(int row, int column, quint32 value)
{
    QByteArray b = cellHead(row, column);
    u32(b, value);
    return record(0x027E, b);
}

QByteArray mulRk(int row, int firstColumn, const std::vector<quint32>& rks)
{
    QByteArray b;
    u16(b, row);
    u16(b, firstColumn);
    for (const quint32 v : rks) {
        u16(b, 15);
        u32(b, v);
    }
    u16(b, firstColumn + int(rks.size()) - 1);
    return record(0x00BD, b);
}

QByteArray labelSst(int row, int column, quint32 index)
{
    QByteArray b = cellHead(row, column);
    u32(b, index);
    return record(0x00FD, b);
}

QByteArray label(int row, int column, const QString& text, bool wide)
{
    QByteArray b = cellHead(row, column);
    u16(b, int(text.size()));
    u8(b, wide ? 1 : 0);
    return record(0x0204, b + chars(text, wide));
}

QByteArray label5(int row, int column, const QByteArray& cp1252)
{
    QByteArray b = cellHead(row, column);
    u16(b, int(cp1252.size()));
    return record(0x0204, b + cp1252);
}

QByteArray boolErr(int row, int column, int value, bool error)
{
    QByteArray b = cellHead(row, column);
    u8(b, value);
    u8(b, error ? 1 : 0);
    return record(0x0205, b);
}

namespace {
QByteArray formula(int row, int column, const QByteArray& result)
{
    QByteArray b = cellHead(row, column) + result;
    u16(b, 0);            // flags
    u32(b, 0);            // cache
    u16(b, 3);            // the formula's tokens: one number
    b += QByteArray("\x1E\x01\x00", 3);
    return record(0x0006, b);
}
} // namespace

QByteArray formulaNumber(int row, int column, double value)
{
    QByteArray result;
    f64(result, value);
    return formula(row, column, result);
}

QByteArray formulaText(int row, int column, const QString& text)
{
    const QByteArray result("\x00\x00\x00\x00\x00\x00\xFF\xFF", 8);
    QByteArray s;
    u16(s, int(text.size()));
    u8(s, 1);
    return formula(row, column, result) + record(0x0207, s + chars(text, true));
}

QByteArray formulaSpecial(int row, int column, int kind, int value)
{
    QByteArray result;
    u8(result, kind);
    u8(result, 0);
    u8(result, value);
    result += QByteArray(3, '\0');
    u16(result, 0xFFFF);
    return formula(row, column, result);
}

QByteArray embedded(const QByteArray& records)
{
    return bof(0x0600, 0x0020) + records + record(0x000A, QByteArray());
}

QByteArray workbookStream(const Book& book)
{
    const bool biff8 = book.version == 0x0600;
    QByteArray globals = bof(book.version, 0x0005);
    QByteArray cp;
    u16(cp, biff8 ? 1200 : 1252);
    globals += record(0x0042, cp);
    std::vector<qsizetype> offsetAt;
    for (const Sheet& s : book.sheets) {
        QByteArray b;
        u32(b, 0);
        u8(b, 0);
        u8(b, s.kind);
        if (biff8) {
            u8(b, int(s.name.size()));
            u8(b, 1);
            b += chars(s.name, true);
        } else {
            u8(b, int(s.name.size()));
            b += s.name.toLatin1();
        }
        offsetAt.push_back(globals.size() + 4);
        globals += record(0x0085, b);
    }
    if (!book.shared.isEmpty()) {
        Pieces p(book.sstPiece);
        QByteArray head;
        u32(head, quint32(book.shared.size()));
        u32(head, quint32(book.shared.size()));
        p.whole(head);
        for (const QString& s : book.shared) {
            QByteArray h;
            u16(h, int(s.size()));
            u8(h, (book.sharedWide ? 1 : 0) | (book.richShared ? 0x0C : 0));
            if (book.richShared) {
                u16(h, 2);
                u32(h, 6);
            }
            p.whole(h);
            p.text(s, book.sharedWide);
            if (book.richShared)
                p.anywhere(QByteArray("\x00\x00\x01\x00\x01\x00\x02\x00" "PHONET", 14));
        }
        globals += p.records();
    }
    globals += book.extraGlobals;
    globals += record(0x000A, QByteArray());

    QByteArray stream = globals;
    for (size_t i = 0; i < book.sheets.size(); ++i) {
        put32(stream, offsetAt[i], quint32(stream.size()));
        stream += bof(book.version, book.sheets[i].kind == 2 ? 0x0020 : 0x0010);
        stream += book.sheets[i].cells;
        stream += record(0x000A, QByteArray());
    }
    return stream;
}

QByteArray compoundFile(const QString& streamName, const QByteArray& stream)
{
    constexpr quint32 Free = 0xFFFFFFFF, End = 0xFFFFFFFE, FatSector = 0xFFFFFFFD, NoEntry = 0xFFFFFFFF;
    const bool small = stream.size() < 4096;
    const qsizetype miniSectors = small ? (stream.size() + 63) / 64 : 0;
    const qsizetype miniFatSectors = small ? (miniSectors * 4 + 511) / 512 : 0;
    const qsizetype dataSectors = small ? (miniSectors * 64 + 511) / 512 : (stream.size() + 511) / 512;
    qsizetype fatSectors = 1;
    while (fatSectors * 128 < fatSectors + 1 + miniFatSectors + dataSectors)
        ++fatSectors;
    const quint32 dirSector = quint32(fatSectors);
    const quint32 miniFatStart = dirSector + 1;
    const quint32 dataStart = miniFatStart + quint32(miniFatSectors);
    const qsizetype total = qsizetype(dataStart) + dataSectors;

    std::vector<quint32> fat(size_t(fatSectors * 128), Free);
    for (qsizetype i = 0; i < fatSectors; ++i)
        fat[size_t(i)] = FatSector;
    fat[dirSector] = End;
    auto chain = [&](quint32 first, qsizetype count) {
        for (qsizetype i = 0; i < count; ++i)
            fat[first + size_t(i)] = i + 1 < count ? first + quint32(i) + 1 : End;
    };
    chain(miniFatStart, miniFatSectors);
    chain(dataStart, dataSectors);

    QByteArray header("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    header += QByteArray(16, '\0');
    u16(header, 0x003E);
    u16(header, 3);
    u16(header, 0xFFFE);
    u16(header, 9);
    u16(header, 6);
    header += QByteArray(6, '\0');
    u32(header, 0);
    u32(header, quint32(fatSectors));
    u32(header, dirSector);
    u32(header, 0);
    u32(header, 4096);
    u32(header, small ? miniFatStart : End);
    u32(header, quint32(miniFatSectors));
    u32(header, End);
    u32(header, 0);
    for (int i = 0; i < 109; ++i)
        u32(header, i < fatSectors ? quint32(i) : Free);

    auto entry = [](const QString& name, int type, quint32 child, quint32 start, quint64 size) {
        QByteArray e = chars(name, true);
        e += QByteArray(64 - e.size(), '\0');
        u16(e, name.isEmpty() ? 0 : int(name.size() + 1) * 2);
        u8(e, type);
        u8(e, 1);
        u32(e, NoEntry);
        u32(e, NoEntry);
        u32(e, child);
        e += QByteArray(16 + 4 + 16, '\0');
        u32(e, start);
        u32(e, quint32(size));
        u32(e, quint32(size >> 32));
        return e;
    };
    QByteArray dir = entry(QStringLiteral("Root Entry"), 5, 1, small && miniSectors ? dataStart : End,
                           quint64(miniSectors * 64));
    dir += entry(streamName, 2, NoEntry, small ? 0 : dataStart, quint64(stream.size()));
    dir += entry(QString(), 0, NoEntry, 0, 0) + entry(QString(), 0, NoEntry, 0, 0);

    QByteArray body;
    for (const quint32 v : fat)
        u32(body, v);
    body += dir;
    if (small) {
        QByteArray miniFat;
        for (qsizetype i = 0; i < miniSectors; ++i)
            u32(miniFat, i + 1 < miniSectors ? quint32(i + 1) : End);
        miniFat += QByteArray(miniFatSectors * 512 - miniFat.size(), char(0xFF));
        body += miniFat;
    }
    QByteArray data = stream;
    data += QByteArray(dataSectors * 512 - data.size(), '\0');
    body += data;
    Q_ASSERT(body.size() == total * 512);
    return header + body;
}

QByteArray file(const Book& book)
{
    return compoundFile(book.version == 0x0600 ? QStringLiteral("Workbook") : QStringLiteral("Book"),
                        workbookStream(book));
}

} // namespace testutil::xls
