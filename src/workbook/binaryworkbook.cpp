#include "workbook/binaryworkbook.h"
#include "frame/codepage.h"
#include "frame/program.h"
#include "workbook/workbook.h"

#include <QtEndian>
#include <cstring>
#include <vector>

namespace {

[[noreturn]] void damaged(const char* where)
{
    throw WorkbookFailure{txt("die Datei ist beschädigt (%1)", "the file is damaged (%1)").arg(QLatin1String(where))};
}

// Little-endian fields of a block of bytes; a field that does not lie wholly
// inside the block is damage, never a read past it.
class Bytes {
public:
    Bytes() = default;
    Bytes(const char* data, qsizetype size) : mData(data), mSize(size) {}
    explicit Bytes(const QByteArray& b) : mData(b.constData()), mSize(b.size()) {}

    qsizetype size() const { return mSize; }
    const char* data() const { return mData; }
    bool has(qsizetype at, qsizetype n) const { return at >= 0 && n >= 0 && at <= mSize && n <= mSize - at; }
    void need(qsizetype at, qsizetype n, const char* where) const
    {
        if (!has(at, n))
            damaged(where);
    }
    quint8 u8(qsizetype at, const char* where) const
    {
        need(at, 1, where);
        return quint8(mData[at]);
    }
    quint16 u16(qsizetype at, const char* where) const
    {
        need(at, 2, where);
        return qFromLittleEndian<quint16>(mData + at);
    }
    quint32 u32(qsizetype at, const char* where) const
    {
        need(at, 4, where);
        return qFromLittleEndian<quint32>(mData + at);
    }
    quint64 u64(qsizetype at, const char* where) const
    {
        need(at, 8, where);
        return qFromLittleEndian<quint64>(mData + at);
    }
    double f64(qsizetype at, const char* where) const
    {
        const quint64 bits = u64(at, where);
        double d;
        std::memcpy(&d, &bits, sizeof d);
        return d;
    }
    Bytes mid(qsizetype at, qsizetype n, const char* where) const
    {
        need(at, n, where);
        return Bytes(mData + at, n);
    }

private:
    const char* mData = nullptr;
    qsizetype mSize = 0;
};

// count characters at a place of a record, one or two bytes each.
QString textAt(const Bytes& data, qsizetype at, qsizetype count, bool wide)
{
    const Bytes chars = data.mid(at, count * (wide ? 2 : 1), "text");
    if (!wide)
        return QString::fromLatin1(chars.data(), chars.size());
    QString out;
    out.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        out += QChar(chars.u16(2 * i, "text"));
    return out;
}

// ---------------------------------------------------------------------------
// The compound file (a small file system of sectors) that holds the workbook
// stream.

constexpr quint32 EndOfChain = 0xFFFFFFFE;
constexpr quint32 LastRegularSector = 0xFFFFFFF9;

class CompoundFile {
public:
    explicit CompoundFile(const QByteArray& file) : mFile(file)
    {
        const char* where = "header";
        if (mFile.size() <= 512 || std::memcmp(mFile.data(), "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) != 0)
            damaged(where);
        const quint16 major = mFile.u16(0x1A, where);
        const quint16 shift = mFile.u16(0x1E, where);
        if (mFile.u16(0x1C, where) != 0xFFFE || !((major == 3 && shift == 9) || (major == 4 && shift == 12)) ||
            mFile.u16(0x20, where) != 6)
            damaged(where);
        mSectorSize = qsizetype(1) << shift;
        if (mFile.size() <= mSectorSize)
            damaged(where);
        mMajor = major;
        mSectors = quint32((mFile.size() - mSectorSize + mSectorSize - 1) / mSectorSize);
        mMiniCutoff = mFile.u32(0x38, where);

        // The sectors of the allocation table: 109 in the header, the rest in a
        // chain of its own.
        const quint32 fatSectors = mFile.u32(0x2C, where);
        if (fatSectors > mSectors)
            damaged("sector table");
        std::vector<quint32> fatList;
        for (quint32 i = 0; i < 109 && fatList.size() < fatSectors; ++i)
            fatList.push_back(mFile.u32(0x4C + 4 * i, where));
        const qsizetype perDifat = mSectorSize / 4 - 1;
        quint32 difat = mFile.u32(0x44, where);
        for (quint32 visited = 0; fatList.size() < fatSectors; ++visited) {
            if (difat > LastRegularSector || visited >= mSectors)
                damaged("sector table");
            const Bytes s = sector(difat);
            for (qsizetype i = 0; i < perDifat && fatList.size() < fatSectors; ++i)
                fatList.push_back(s.u32(4 * i, "sector table"));
            difat = s.u32(4 * perDifat, "sector table");
        }
        mFat.reserve(fatList.size() * size_t(mSectorSize / 4));
        for (const quint32 n : fatList) {
            const Bytes s = sector(n);
            for (qsizetype i = 0; i < mSectorSize / 4; ++i)
                mFat.push_back(s.u32(4 * i, "sector table"));
        }

        // The directory: 128 bytes per entry, in a chain of sectors.
        const QByteArray dir = chain(mFile.u32(0x30, where), std::nullopt);
        const Bytes d(dir);
        for (qsizetype at = 0; at + 128 <= d.size(); at += 128) {
            Entry e;
            const quint16 nameBytes = d.u16(at + 64, "directory");
            if (nameBytes >= 2 && nameBytes <= 64)
                e.name = textAt(d, at, nameBytes / 2 - 1, true);
            e.type = d.u8(at + 66, "directory");
            e.start = d.u32(at + 116, "directory");
            e.size = d.u64(at + 120, "directory");
            if (mMajor == 3)
                e.size &= 0xFFFFFFFFu; // the high half is undefined in files of 512-byte sectors
            mEntries.push_back(e);
        }
        if (mEntries.empty() || mEntries.front().type != 5)
            damaged("directory");
    }

    // The bytes of the stream of that name (compared without regard to case);
    // an empty array and false when there is none.
    bool stream(const QString& name, QByteArray& out)
    {
        for (const Entry& e : mEntries) {
            if (e.type != 2 || e.name.compare(name, Qt::CaseInsensitive) != 0)
                continue;
            if (e.size >= mMiniCutoff) {
                out = chain(e.start, e.size);
                return true;
            }
            out = miniChain(e.start, e.size);
            return true;
        }
        return false;
    }

private:
    struct Entry {
        QString name;
        quint8 type = 0; // 1 storage, 2 stream, 5 root
        quint32 start = 0;
        quint64 size = 0;
    };

    Bytes sector(quint32 n) const
    {
        if (n >= mSectors)
            damaged("sector number");
        const qsizetype at = (qsizetype(n) + 1) * mSectorSize;
        return mFile.mid(at, std::min(mSectorSize, mFile.size() - at), "sector");
    }

    // The bytes of the chain of sectors from start: size bytes of it, or the
    // whole chain when no size is given. A chain that ends early, leaves the
    // file or runs in a circle is damage.
    QByteArray chain(quint32 start, std::optional<quint64> size) const
    {
        QByteArray out;
        if (size && *size > quint64(mFile.size()))
            damaged("stream size");
        quint32 n = start;
        for (quint32 visited = 0; n != EndOfChain && (!size || quint64(out.size()) < *size); ++visited) {
            if (visited >= mSectors || n >= mFat.size())
                damaged("sector chain");
            const Bytes s = sector(n);
            out.append(s.data(), s.size());
            n = mFat[n];
        }
        if (size) {
            if (quint64(out.size()) < *size)
                damaged("sector chain");
            out.truncate(qsizetype(*size));
        }
        return out;
    }

    // A small stream lives in 64-byte pieces of the root entry's stream.
    QByteArray miniChain(quint32 start, quint64 size)
    {
        if (!mMiniLoaded) {
            const Entry& root = mEntries.front();
            mMiniStream = root.start == EndOfChain ? QByteArray() : chain(root.start, root.size);
            const quint32 first = mFile.u32(0x3C, "header");
            if (first != EndOfChain) {
                const QByteArray table = chain(first, std::nullopt);
                const Bytes t(table);
                for (qsizetype at = 0; at + 4 <= t.size(); at += 4)
                    mMiniFat.push_back(t.u32(at, "small sector table"));
            }
            mMiniLoaded = true;
        }
        if (size > quint64(mMiniStream.size()))
            damaged("small stream size");
        QByteArray out;
        const Bytes mini(mMiniStream);
        quint32 n = start;
        for (size_t visited = 0; quint64(out.size()) < size; ++visited) {
            if (n == EndOfChain || visited >= mMiniFat.size() || n >= mMiniFat.size())
                damaged("small sector chain");
            const qsizetype at = qsizetype(n) * 64;
            const Bytes s = mini.mid(at, std::min<qsizetype>(64, mini.size() - at), "small sector");
            out.append(s.data(), s.size());
            n = mMiniFat[n];
        }
        out.truncate(qsizetype(size));
        return out;
    }

    Bytes mFile;
    qsizetype mSectorSize = 512;
    quint16 mMajor = 3;
    quint32 mSectors = 0;
    quint32 mMiniCutoff = 4096;
    std::vector<quint32> mFat;
    std::vector<Entry> mEntries;
    bool mMiniLoaded = false;
    QByteArray mMiniStream;
    std::vector<quint32> mMiniFat;
};

// ---------------------------------------------------------------------------
// The records of the workbook stream.

namespace Rec {
constexpr quint16 Formula = 0x0006, Eof = 0x000A, FilePass = 0x002F, Continue = 0x003C, CodePage = 0x0042,
                  BoundSheet = 0x0085, MulRk = 0x00BD, Sst = 0x00FC, LabelSst = 0x00FD, RString = 0x00D6,
                  Number = 0x0203, Label = 0x0204, BoolErr = 0x0205, String = 0x0207, Rk = 0x027E, Bof = 0x0809;
}

struct Record {
    quint16 type = 0;
    Bytes data;
    qsizetype next = 0; // where the record after it begins
};

Record recordAt(const Bytes& stream, qsizetype at)
{
    Record r;
    r.type = stream.u16(at, "record");
    const quint16 length = stream.u16(at + 2, "record");
    r.data = stream.mid(at + 4, length, "record");
    r.next = at + 4 + length;
    return r;
}

// A record with the CONTINUE records that follow it, read as one: a text whose
// characters go on in the next piece starts that piece with a new flags byte
// (one or two bytes per character); every other field simply goes on.
class Pieces {
public:
    Pieces(const Bytes& stream, const Record& first) : mNext(first.next)
    {
        mPieces.push_back(first.data);
        while (stream.has(mNext, 4) && stream.u16(mNext, "record") == Rec::Continue) {
            const Record c = recordAt(stream, mNext);
            mPieces.push_back(c.data);
            mNext = c.next;
        }
    }
    // Where the record after the last CONTINUE begins.
    qsizetype next() const { return mNext; }
    bool atEnd()
    {
        skipEmpty();
        return mPiece >= mPieces.size();
    }
    quint8 u8()
    {
        skipEmpty();
        if (mPiece >= mPieces.size())
            damaged("text table");
        return mPieces[mPiece].u8(mPos++, "text table");
    }
    // Fields in file order: the low byte first.
    quint16 u16()
    {
        const quint16 low = u8();
        return quint16(low | (u8() << 8));
    }
    quint32 u32()
    {
        const quint32 low = u16();
        return low | (quint32(u16()) << 16);
    }
    void skip(quint64 n)
    {
        while (n > 0) {
            skipEmpty();
            if (mPiece >= mPieces.size())
                damaged("text table");
            const quint64 take = std::min<quint64>(n, quint64(mPieces[mPiece].size() - mPos));
            mPos += qsizetype(take);
            n -= take;
        }
    }
    QString chars(quint32 count, bool wide)
    {
        QString out;
        while (count > 0) {
            if (mPiece < mPieces.size() && mPos >= mPieces[mPiece].size()) {
                ++mPiece;
                mPos = 0;
                if (mPiece >= mPieces.size())
                    damaged("text");
                wide = mPieces[mPiece].u8(mPos++, "text") & 1;
                continue;
            }
            if (mPiece >= mPieces.size())
                damaged("text");
            const Bytes& p = mPieces[mPiece];
            const qsizetype room = (p.size() - mPos) / (wide ? 2 : 1);
            const qsizetype n = std::min<qsizetype>(count, room);
            if (n == 0)
                damaged("text");
            if (wide) {
                for (qsizetype i = 0; i < n; ++i)
                    out += QChar(p.u16(mPos + 2 * i, "text"));
            } else {
                out += QString::fromLatin1(p.data() + mPos, n);
            }
            mPos += n * (wide ? 2 : 1);
            count -= quint32(n);
        }
        return out;
    }

private:
    void skipEmpty()
    {
        while (mPiece < mPieces.size() && mPos >= mPieces[mPiece].size()) {
            ++mPiece;
            mPos = 0;
        }
    }
    std::vector<Bytes> mPieces;
    size_t mPiece = 0;
    qsizetype mPos = 0;
    qsizetype mNext = 0;
};

// A text of the Excel 97 format with its flags (one or two bytes per
// character, rich-text runs, phonetic data); only its characters are kept.
QString richText(Pieces& in)
{
    const quint16 count = in.u16();
    const quint8 flags = in.u8();
    const quint16 runs = (flags & 0x08) ? in.u16() : 0;
    const quint32 extra = (flags & 0x04) ? in.u32() : 0;
    QString text = in.chars(count, flags & 0x01);
    in.skip(quint64(runs) * 4 + extra);
    return text;
}

QString rkValue(quint32 rk)
{
    double value;
    if (rk & 0x02) {
        value = double(qint32(rk) >> 2);
    } else {
        const quint64 bits = quint64(rk & 0xFFFFFFFCu) << 32;
        std::memcpy(&value, &bits, sizeof value);
    }
    if (rk & 0x01)
        value /= 100;
    return workbookNumberText(value);
}

QString errorText(quint8 code)
{
    switch (code) {
    case 0x00: return QStringLiteral("#NULL!");
    case 0x07: return QStringLiteral("#DIV/0!");
    case 0x0F: return QStringLiteral("#VALUE!");
    case 0x17: return QStringLiteral("#REF!");
    case 0x1D: return QStringLiteral("#NAME?");
    case 0x24: return QStringLiteral("#NUM!");
    case 0x2A: return QStringLiteral("#N/A");
    default: return QStringLiteral("#N/A");
    }
}

class BiffReader {
public:
    BiffReader(const QByteArray& stream, Workbook& book, const WorkbookLimits& limits)
        : mBytes(stream), mStream(mBytes), mBook(book), mLimits(limits)
    {
    }

    void read()
    {
        const Record bof = recordAt(mStream, 0);
        if (bof.type != Rec::Bof)
            damaged("start of the workbook");
        const quint16 version = bof.data.u16(0, "start of the workbook");
        if (version != 0x0600 && version != 0x0500)
            throw WorkbookFailure{txt("das Format dieser Excel-Version wird nicht gelesen; bitte als .xlsx speichern",
                                      "this Excel version's format is not read; please save it as .xlsx")};
        mBiff8 = version == 0x0600;

        struct SheetRef {
            QString name;
            quint32 at;
        };
        std::vector<SheetRef> refs;
        qsizetype at = bof.next;
        for (;;) {
            const Record r = recordAt(mStream, at);
            at = r.next;
            if (r.type == Rec::Eof)
                break;
            switch (r.type) {
            case Rec::FilePass:
                throw WorkbookFailure{txt("die Arbeitsmappe ist mit einem Kennwort geschützt",
                                          "the workbook is protected by a password")};
            case Rec::CodePage: mCodePage = r.data.u16(0, "code page"); break;
            case Rec::BoundSheet: {
                // Only worksheets: chart, dialog and macro sheets hold no cells.
                const quint8 kind = r.data.u8(5, "sheet list");
                if (kind != 0)
                    break;
                const quint8 count = r.data.u8(6, "sheet list");
                const QString name = mBiff8 ? textAt(r.data, 8, count, r.data.u8(7, "sheet list") & 1)
                                            : narrowText(r.data.mid(7, count, "sheet list"));
                if (refs.size() >= size_t(mLimits.sheets))
                    throw WorkbookFailure{txt("die Arbeitsmappe hat mehr als %1 Tabellenblätter",
                                              "the workbook has more than %1 worksheets")
                                              .arg(mLimits.sheets)};
                refs.push_back({name, r.data.u32(0, "sheet list")});
                break;
            }
            case Rec::Sst: {
                Pieces p(mStream, r);
                p.skip(4);
                const quint32 unique = p.u32();
                for (quint32 i = 0; i < unique && !p.atEnd(); ++i)
                    mShared.push_back(richText(p));
                at = p.next();
                break;
            }
            default: break;
            }
        }
        mRanges.push_back({0, at});
        for (const SheetRef& ref : refs) {
            auto sheet = std::make_shared<Worksheet>(ref.name);
            readSheet(qsizetype(ref.at), *sheet);
            mBook.sheets.push_back(sheet);
        }
    }

private:
    QString narrowText(const Bytes& b) const
    {
        const QByteArray bytes(b.data(), b.size());
        // Excel 5.0 keeps 8-bit texts in the workbook's code page; the Western
        // one is the only one the program's users write.
        return mCodePage == 1200 ? QString::fromLatin1(bytes) : fromAnsi(bytes);
    }

    // A text of a cell record: in the Excel 97 format with its flags byte, in
    // Excel 5.0 one byte per character.
    QString cellText(const Bytes& data, qsizetype at)
    {
        const quint16 count = data.u16(at, "text");
        if (!mBiff8)
            return narrowText(data.mid(at + 2, count, "text"));
        return textAt(data, at + 3, count, data.u8(at + 2, "text") & 1);
    }

    void put(Worksheet& sheet, quint16 row, quint16 column, const QString& text)
    {
        if (text.isEmpty())
            return;
        if (++mCells > mLimits.cells)
            throw WorkbookFailure{txt("die Arbeitsmappe hat mehr als %1 Zellen", "the workbook has more than %1 cells")
                                      .arg(mLimits.cells)};
        sheet.setText(int(row) + 1, int(column) + 1, text);
    }

    void readSheet(qsizetype at, Worksheet& sheet)
    {
        const qsizetype begin = at;
        const Record bof = recordAt(mStream, at);
        if (bof.type != Rec::Bof)
            damaged("start of a worksheet");
        at = bof.next;
        // Charts embedded in the sheet bring records of their own between
        // another BOF and its EOF; their cells are not the sheet's.
        int depth = 1;
        bool awaitString = false;
        quint16 stringRow = 0, stringColumn = 0;
        while (depth > 0) {
            // Sheets that claim the same records again and again would only make
            // the reading take longer: all of them together are read at most once.
            if (mScanned + (at - begin) > mStream.size())
                damaged("worksheets overlap");
            const Record r = recordAt(mStream, at);
            at = r.next;
            if (r.type == Rec::Bof) {
                ++depth;
                continue;
            }
            if (r.type == Rec::Eof) {
                --depth;
                continue;
            }
            if (depth != 1)
                continue;
            const Bytes& d = r.data;
            switch (r.type) {
            case Rec::Number:
                put(sheet, d.u16(0, "cell"), d.u16(2, "cell"), workbookNumberText(d.f64(6, "cell")));
                break;
            case Rec::Rk: put(sheet, d.u16(0, "cell"), d.u16(2, "cell"), rkValue(d.u32(6, "cell"))); break;
            case Rec::MulRk: {
                const quint16 row = d.u16(0, "cell");
                const quint16 first = d.u16(2, "cell");
                if (d.size() < 6 || (d.size() - 6) % 6 != 0)
                    damaged("cell");
                const qsizetype count = (d.size() - 6) / 6;
                if (d.u16(d.size() - 2, "cell") != first + count - 1)
                    damaged("cell");
                for (qsizetype i = 0; i < count; ++i)
                    put(sheet, row, quint16(first + i), rkValue(d.u32(4 + 6 * i + 2, "cell")));
                break;
            }
            case Rec::LabelSst: {
                const quint32 index = d.u32(6, "cell");
                if (index >= mShared.size())
                    damaged("text number");
                put(sheet, d.u16(0, "cell"), d.u16(2, "cell"), mShared[index]);
                break;
            }
            case Rec::Label:
            case Rec::RString: put(sheet, d.u16(0, "cell"), d.u16(2, "cell"), cellText(d, 6)); break;
            case Rec::BoolErr: {
                const quint8 value = d.u8(6, "cell");
                put(sheet, d.u16(0, "cell"), d.u16(2, "cell"),
                    d.u8(7, "cell") ? errorText(value) : QString::number(value ? 1 : 0));
                break;
            }
            case Rec::Formula: {
                const quint16 row = d.u16(0, "cell");
                const quint16 column = d.u16(2, "cell");
                awaitString = false;
                if (d.u16(12, "cell") != 0xFFFF) {
                    put(sheet, row, column, workbookNumberText(d.f64(6, "cell")));
                    break;
                }
                switch (d.u8(6, "cell")) {
                case 0: // the text follows in a record of its own
                    awaitString = true;
                    stringRow = row;
                    stringColumn = column;
                    break;
                case 1: put(sheet, row, column, QString::number(d.u8(8, "cell") ? 1 : 0)); break;
                case 2: put(sheet, row, column, errorText(d.u8(8, "cell"))); break;
                default: break; // an empty text
                }
                break;
            }
            case Rec::String: {
                Pieces p(mStream, r);
                at = p.next();
                if (!awaitString)
                    break;
                awaitString = false;
                QString text;
                if (mBiff8) {
                    const quint16 count = p.u16();
                    const quint8 flags = p.u8();
                    text = p.chars(count, flags & 1);
                } else {
                    const quint16 count = p.u16();
                    QByteArray bytes;
                    for (quint16 i = 0; i < count; ++i)
                        bytes += char(p.u8());
                    text = narrowText(Bytes(bytes));
                }
                put(sheet, stringRow, stringColumn, text);
                break;
            }
            default: break;
            }
        }
        mScanned += at - begin;
        for (const auto& [from, to] : mRanges)
            if (begin < to && from < at)
                damaged("worksheets overlap");
        mRanges.push_back({begin, at});
    }

    QByteArray mBytes;
    Bytes mStream;
    Workbook& mBook;
    const WorkbookLimits& mLimits;
    bool mBiff8 = true;
    quint16 mCodePage = 1252;
    std::vector<QString> mShared;
    qint64 mCells = 0;
    qsizetype mScanned = 0;
    std::vector<std::pair<qsizetype, qsizetype>> mRanges; // of the globals and each sheet read
};

} // namespace

void readBinaryWorkbook(const QByteArray& file, Workbook& book, const WorkbookLimits& limits)
{
    CompoundFile container(file);
    QByteArray stream;
    if (!container.stream(QStringLiteral("Workbook"), stream) && !container.stream(QStringLiteral("Book"), stream))
        throw WorkbookFailure{txt("die Datei enthält keine Arbeitsmappe", "the file holds no workbook")};
    BiffReader(stream, book, limits).read();
}
