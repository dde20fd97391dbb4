#include "common/testutil.h"
#include "common/xlsbuilder.h"
#include "workbook/workbook.h"

#include <QBuffer>
#include <QtEndian>
#include <functional>
#include <gtest/gtest.h>

// The reader of binary workbooks, on files made record by record: every kind of
// cell record, and files damaged in each of the fields the reader relies on.
namespace {

using namespace testutil;

std::optional<Workbook> readBytes(const QByteArray& bytes, QString* error = nullptr, const WorkbookLimits& limits = {})
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return Workbook::read(buffer, QStringLiteral("made.xls"), error, limits);
}

// RK values: an integer, or the high 30 bits of a double; bit 0 divides by 100.
quint32 rkInteger(int v, bool hundredths = false)
{
    return (quint32(v) << 2) | 0x02 | (hundredths ? 0x01 : 0);
}
quint32 rkDouble(double d)
{
    quint64 bits;
    std::memcpy(&bits, &d, sizeof bits);
    return quint32(bits >> 32) & 0xFFFFFFFCu;
}

struct CellRow {
    const char* name;
    std::function<QByteArray()> records; // of the sheet, the cell at row 0, column 0 (A1) unless said
    QString expected;
};
void PrintTo(const CellRow& r, std::ostream* os) { *os << r.name; }

class BinaryCell : public ::testing::TestWithParam<CellRow> {
protected:
    ScriptedProgram program;
};

const QStringList kShared{QStringLiteral("first"), QStringLiteral("Prüfung ÄÖÜ"), QStringLiteral("R-10K")};

TEST_P(BinaryCell, ReadsAsTheXlsxReaderGivesIt)
{
    // Once in the small-stream area of the container, once in sectors of its own.
    for (const bool large : {false, true}) {
        xls::Book book;
        book.shared = kShared;
        QByteArray cells = GetParam().records();
        if (large)
            for (int i = 0; i < 600; ++i)
                cells += xls::number(1000 + i, 7, i); // far below, beside the cell under test
        book.sheets = {{QStringLiteral("Tabelle1"), cells}};
        QString error;
        const auto w = readBytes(xls::file(book), &error);
        ASSERT_TRUE(w) << error.toStdString();
        ASSERT_EQ(w->sheetNames(), QStringList{QStringLiteral("Tabelle1")});
        EXPECT_EQ(w->firstSheet()->text(1, 1), GetParam().expected) << (large ? "large" : "small");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Records, BinaryCell,
    ::testing::Values(
        CellRow{"number", [] { return xls::number(0, 0, 1.5); }, "1.5"},
        CellRow{"numberNoise", [] { return xls::number(0, 0, 0.1 + 0.2); }, "0.30000000000000004"},
        CellRow{"dateSerial", [] { return xls::number(0, 0, 45000.25); }, "45000.25"},
        CellRow{"rkInteger", [] { return xls::rk(0, 0, rkInteger(-7)); }, "-7"},
        CellRow{"rkHundredths", [] { return xls::rk(0, 0, rkInteger(150, true)); }, "1.5"},
        CellRow{"rkDouble", [] { return xls::rk(0, 0, rkDouble(2.5)); }, "2.5"},
        CellRow{"mulRkSecond", [] { return xls::mulRk(0, 0, {rkInteger(3), rkInteger(4)}); }, "3"},
        CellRow{"sharedText", [] { return xls::labelSst(0, 0, 1); }, QStringLiteral("Prüfung ÄÖÜ")},
        CellRow{"labelNarrow", [] { return xls::label(0, 0, QStringLiteral("Größe"), false); }, QStringLiteral("Größe")},
        CellRow{"labelWide", [] { return xls::label(0, 0, QStringLiteral("Ω-Wert €"), true); }, QStringLiteral("Ω-Wert €")},
        CellRow{"formulaNumber", [] { return xls::formulaNumber(0, 0, 4); }, "4"},
        CellRow{"formulaText", [] { return xls::formulaText(0, 0, QStringLiteral("R-10K")); }, "R-10K"},
        CellRow{"formulaTrue", [] { return xls::formulaSpecial(0, 0, 1, 1); }, "1"},
        CellRow{"formulaError", [] { return xls::formulaSpecial(0, 0, 2, 0x2A); }, "#N/A"},
        CellRow{"formulaEmptyText", [] { return xls::formulaSpecial(0, 0, 3, 0); }, ""},
        CellRow{"boolean", [] { return xls::boolErr(0, 0, 0, false); }, "0"},
        CellRow{"errorValue", [] { return xls::boolErr(0, 0, 0x07, true); }, "#DIV/0!"},
        // A chart inside the sheet has records of its own; they are not the sheet's cells.
        CellRow{"chartInsideSheet",
                [] { return xls::embedded(xls::number(0, 0, 99)) + xls::number(1, 0, 1); }, ""}),
    [](const auto& i) { return std::string(i.param.name); });

class BinaryWorkbook : public ::testing::Test {
protected:
    ScriptedProgram program;
};

TEST_F(BinaryWorkbook, TextTableAcrossContinueRecords)
{
    // Pieces of 20 bytes cut texts in their characters (the next piece begins
    // with a flags byte) and in their rich-text and phonetic data.
    const QString longText = QStringLiteral("Widerstand 10 kOhm, Metallschicht, 0,25 W");
    for (const bool wide : {false, true}) {
        for (const bool rich : {false, true}) {
            xls::Book book;
            book.shared = {QStringLiteral("a"), longText, QStringLiteral("Ende")};
            book.sstPiece = 20;
            book.sharedWide = wide;
            book.richShared = rich;
            book.sheets = {{QStringLiteral("S"), xls::labelSst(0, 0, 1) + xls::labelSst(0, 1, 2)}};
            QString error;
            const auto w = readBytes(xls::file(book), &error);
            ASSERT_TRUE(w) << error.toStdString() << " wide " << wide << " rich " << rich;
            EXPECT_EQ(w->firstSheet()->text(1, 1), longText) << "wide " << wide << " rich " << rich;
            EXPECT_EQ(w->firstSheet()->text(1, 2), QStringLiteral("Ende")) << "wide " << wide << " rich " << rich;
        }
    }
}

TEST_F(BinaryWorkbook, WorksheetsInOrderWithoutChartSheets)
{
    xls::Book book;
    book.sheets = {{QStringLiteral("VERS"), xls::number(1, 0, 12)},
                   {QStringLiteral("Diagramm"), QByteArray(), 2},
                   {QStringLiteral("AR"), xls::mulRk(2, 1, {rkInteger(1), rkInteger(2), rkInteger(3)})}};
    const auto w = readBytes(xls::file(book));
    ASSERT_TRUE(w);
    EXPECT_EQ(w->sheetNames(), (QStringList{QStringLiteral("VERS"), QStringLiteral("AR")}));
    EXPECT_EQ(w->sheet(QStringLiteral("VERS"))->text(2, 1), QStringLiteral("12"));
    const Worksheet* ar = w->sheet(QStringLiteral("AR"));
    EXPECT_EQ(ar->text(3, 4), QStringLiteral("3"));
    EXPECT_EQ(ar->lastRow(), 3);
    EXPECT_EQ(ar->lastColumn(), 4);
}

TEST_F(BinaryWorkbook, ExcelFiveTextsInTheWesternCodePage)
{
    xls::Book book;
    book.version = 0x0500;
    book.sheets = {{QStringLiteral("Liste"), xls::label5(0, 0, QByteArray("Gr\xF6\xDF" "e \x80", 7))}};
    QString error;
    const auto w = readBytes(xls::file(book), &error);
    ASSERT_TRUE(w) << error.toStdString();
    EXPECT_EQ(w->firstSheet()->name(), QStringLiteral("Liste"));
    EXPECT_EQ(w->firstSheet()->text(1, 1), QStringLiteral("Größe €"));
}

// ---- damaged and hostile files: a reason naming the file, never a read outside it

struct DamageRow {
    const char* name;
    std::function<QByteArray()> file;
    const char* reasonHas; // in the user's language (German in these tests)
};
void PrintTo(const DamageRow& r, std::ostream* os) { *os << r.name; }

class DamagedBinary : public ::testing::TestWithParam<DamageRow> {
protected:
    ScriptedProgram program;
};

xls::Book plainBook()
{
    xls::Book book;
    book.shared = kShared;
    QByteArray cells;
    for (int r = 0; r < 300; ++r)
        cells += xls::labelSst(r, 0, 2) + xls::number(r, 1, r);
    book.sheets = {{QStringLiteral("Tabelle1"), cells}};
    return book;
}

// The file of plainBook (its stream in sectors of its own) with a field changed.
QByteArray withField(qsizetype at, quint32 value)
{
    QByteArray f = xls::file(plainBook());
    qToLittleEndian<quint32>(value, f.data() + at);
    return f;
}

// A file whose workbook stream is the given one.
QByteArray withStream(const QByteArray& stream)
{
    return xls::compoundFile(QStringLiteral("Workbook"), stream);
}

// The offset in the stream of the first record of a type.
qsizetype recordOffset(const QByteArray& stream, quint16 type)
{
    for (qsizetype at = 0; at + 4 <= stream.size();) {
        if (qFromLittleEndian<quint16>(stream.constData() + at) == type)
            return at;
        at += 4 + qFromLittleEndian<quint16>(stream.constData() + at + 2);
    }
    return -1;
}

QByteArray streamWith(quint16 type, qsizetype fieldOffset, quint32 value, int bytes = 4)
{
    QByteArray s = xls::workbookStream(plainBook());
    const qsizetype at = recordOffset(s, type) + 4 + fieldOffset;
    if (bytes == 4)
        qToLittleEndian<quint32>(value, s.data() + at);
    else
        qToLittleEndian<quint16>(quint16(value), s.data() + at);
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedBinary,
    ::testing::Values(
        DamageRow{"cutInTheHeader", [] { return xls::file(plainBook()).left(300); }, "beschädigt (header)"},
        DamageRow{"cutInTheStream", [] { return xls::file(plainBook()).chopped(2048); }, "beschädigt (stream size)"},
        DamageRow{"bigSectors", [] { return withField(0x1E, 0x0010); }, "beschädigt (header)"},
        DamageRow{"tableSectorsBeyondTheFile", [] { return withField(0x2C, 0x00100000); }, "beschädigt (sector table)"},
        DamageRow{"tableSectorNumberBeyondTheFile", [] { return withField(0x4C, 0x7FFFFFF0); }, "beschädigt (sector number)"},
        DamageRow{"directoryBeyondTheFile", [] { return withField(0x30, 0x00FFFFFF); }, "beschädigt (sector chain)"},
        // The first entry of the allocation table points at itself: a chain in a circle.
        DamageRow{"chainInACircle",
                  [] {
                      QByteArray f = xls::file(plainBook());
                      const quint32 dir = qFromLittleEndian<quint32>(f.constData() + 0x30);
                      qToLittleEndian<quint32>(dir, f.data() + 512 + 4 * qsizetype(dir));
                      return f;
                  },
                  "beschädigt (sector chain)"},
        DamageRow{"streamLongerThanItsChain",
                  [] {
                      QByteArray f = xls::file(plainBook());
                      const quint32 dir = qFromLittleEndian<quint32>(f.constData() + 0x30);
                      const qsizetype entry = (qsizetype(dir) + 1) * 512 + 128;
                      qToLittleEndian<quint32>(qFromLittleEndian<quint32>(f.constData() + entry + 120) + 4096,
                                               f.data() + entry + 120);
                      return f;
                  },
                  "beschädigt (stream size)"},
        DamageRow{"smallStreamBeyondItsArea",
                  [] {
                      xls::Book b;
                      b.sheets = {{QStringLiteral("S"), xls::number(0, 0, 1)}};
                      QByteArray f = xls::file(b);
                      const quint32 dir = qFromLittleEndian<quint32>(f.constData() + 0x30);
                      const qsizetype entry = (qsizetype(dir) + 1) * 512 + 128;
                      qToLittleEndian<quint32>(4000, f.data() + entry + 120);
                      return f;
                  },
                  "beschädigt (small stream size)"},
        DamageRow{"noWorkbookStream", [] { return xls::compoundFile(QStringLiteral("Other"), QByteArray(100, 'x')); },
                  "keine Arbeitsmappe"},
        DamageRow{"sheetBeyondTheStream", [] { return withStream(streamWith(0x0085, 0, 0x7FFFFFFF)); }, "beschädigt (record)"},
        DamageRow{"textNumberBeyondTheTable", [] { return withStream(streamWith(0x00FD, 6, 1000)); }, "beschädigt (text number)"},
        DamageRow{"recordLongerThanTheStream", [] { return withStream(streamWith(0x00FD, -2, 0xFFFF, 2)); },
                  "beschädigt (record)"},
        DamageRow{"textLongerThanItsRecord",
                  [] {
                      xls::Book b;
                      QByteArray cells = xls::label(0, 0, QStringLiteral("abc"), false);
                      qToLittleEndian<quint16>(40000, cells.data() + 4 + 6);
                      b.sheets = {{QStringLiteral("S"), cells}};
                      return xls::file(b);
                  },
                  "beschädigt (text)"},
        DamageRow{"rowOfNumbersWithAWrongCount",
                  [] {
                      xls::Book b;
                      QByteArray cells = xls::mulRk(0, 0, {rkInteger(1), rkInteger(2)});
                      qToLittleEndian<quint16>(9, cells.data() + cells.size() - 2);
                      b.sheets = {{QStringLiteral("S"), cells}};
                      return xls::file(b);
                  },
                  "beschädigt (cell)"},
        DamageRow{"sheetWithoutItsEnd", [] { return withStream(xls::workbookStream(plainBook()).chopped(4)); },
                  "beschädigt (record)"},
        // Every sheet entry names the same records: reading them again and again
        // would only take time.
        DamageRow{"sheetsOverTheSameRecords",
                  [] {
                      xls::Book b = plainBook();
                      b.sheets.push_back(b.sheets.front());
                      QByteArray s = xls::workbookStream(b);
                      const qsizetype first = recordOffset(s, 0x0085);
                      const qsizetype second = first + 4 + qFromLittleEndian<quint16>(s.constData() + first + 2);
                      qToLittleEndian<quint32>(qFromLittleEndian<quint32>(s.constData() + first + 4),
                                               s.data() + second + 4);
                      return withStream(s);
                  },
                  "beschädigt (worksheets overlap)"},
        DamageRow{"protectedByAPassword",
                  [] {
                      xls::Book b = plainBook();
                      b.extraGlobals = xls::record(0x002F, QByteArray(6, '\0'));
                      return xls::file(b);
                  },
                  "Kennwort"},
        DamageRow{"olderExcelFormat",
                  [] {
                      QByteArray s = xls::workbookStream(plainBook());
                      qToLittleEndian<quint16>(0x0400, s.data() + 4);
                      return withStream(s);
                  },
                  ".xlsx speichern"}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_P(DamagedBinary, IsRefusedWithAReasonNamingTheFile)
{
    QString error;
    EXPECT_FALSE(readBytes(GetParam().file(), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("made.xls"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QString::fromUtf8(GetParam().reasonHas))) << error.toStdString();
}

TEST_F(BinaryWorkbook, LimitsOfSizeCellsAndSheets)
{
    QString error;
    const QByteArray f = xls::file(plainBook()); // 600 cells
    WorkbookLimits cells;
    cells.cells = 599;
    EXPECT_FALSE(readBytes(f, &error, cells));
    EXPECT_TRUE(error.contains(QStringLiteral("mehr als 599 Zellen"))) << error.toStdString();
    cells.cells = 600;
    EXPECT_TRUE(readBytes(f, &error, cells)) << error.toStdString();

    WorkbookLimits bytes;
    bytes.fileBytes = f.size() - 1;
    EXPECT_FALSE(readBytes(f, &error, bytes));
    EXPECT_TRUE(error.contains(QStringLiteral("größer als"))) << error.toStdString();

    xls::Book many;
    for (int i = 0; i < 5; ++i)
        many.sheets.push_back({QStringLiteral("S%1").arg(i), QByteArray()});
    WorkbookLimits sheets;
    sheets.sheets = 4;
    EXPECT_FALSE(readBytes(xls::file(many), &error, sheets));
    EXPECT_TRUE(error.contains(QStringLiteral("mehr als 4 Tabellenbl"))) << error.toStdString();
}

} // namespace
