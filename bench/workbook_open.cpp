// Reading workbooks from outside under the default limits: a small .xlsx whose
// sheet inflates to 1 GiB (refused), the same with its declared size made
// small (so only the reading itself can stop it), and a parts list of 100,000
// rows of 9 cells (read). Prints for each the time, the growth of the peak
// memory of the process, and what came of it. With paths as arguments it
// opens those files instead.
#include "frame/interaction.h"
#include "frame/program.h"
#include "workbook/workbook.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>

#include <cstdio>
#include <functional>
#include <sys/resource.h>

namespace {

const QByteArray kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const QByteArray kRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

long peakKb()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

bool addPart(QuaZip& zip, const QString& name, const std::function<bool(QuaZipFile&)>& write)
{
    QuaZipFile f(&zip);
    if (!f.open(QIODevice::WriteOnly, QuaZipNewInfo(name)))
        return false;
    const bool ok = write(f);
    f.close();
    return ok && f.getZipError() == ZIP_OK;
}

// A one-sheet package whose sheet part is written by sheet, piece by piece.
bool makePackage(const QString& path, const std::function<bool(QuaZipFile&)>& sheet, const QByteArray& shared)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdCreate))
        return false;
    auto bytes = [](const QByteArray& b) { return [b](QuaZipFile& f) { return f.write(b) == b.size(); }; };
    const bool ok =
        addPart(zip, QStringLiteral("[Content_Types].xml"),
                bytes("<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>")) &&
        addPart(zip, QStringLiteral("_rels/.rels"),
                bytes("<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                      "<Relationship Id=\"rId1\" Type=\"" + kRel + "/officeDocument\" Target=\"xl/workbook.xml\"/>"
                      "</Relationships>")) &&
        addPart(zip, QStringLiteral("xl/workbook.xml"),
                bytes("<workbook xmlns=\"" + kMain + "\" xmlns:r=\"" + kRel +
                      "\"><sheets><sheet name=\"Stueckliste\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>")) &&
        addPart(zip, QStringLiteral("xl/_rels/workbook.xml.rels"),
                bytes("<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                      "<Relationship Id=\"rId1\" Type=\"" + kRel + "/worksheet\" Target=\"worksheets/sheet1.xml\"/>"
                      "<Relationship Id=\"rId2\" Type=\"" + kRel + "/sharedStrings\" Target=\"sharedStrings.xml\"/>"
                      "</Relationships>")) &&
        addPart(zip, QStringLiteral("xl/sharedStrings.xml"), bytes(shared)) &&
        addPart(zip, QStringLiteral("xl/worksheets/sheet1.xml"), sheet);
    zip.close();
    return ok && zip.getZipError() == ZIP_OK;
}

bool makeBomb(const QString& path)
{
    return makePackage(
        path,
        [](QuaZipFile& f) {
            if (f.write("<worksheet xmlns=\"" + kMain + "\"><sheetData><row r=\"1\"><c r=\"A1\"><v>1</v></c></row>") < 0)
                return false;
            const QByteArray blanks(1 << 20, ' ');
            for (int i = 0; i < 1024; ++i)
                if (f.write(blanks) != blanks.size())
                    return false;
            return f.write("</sheetData></worksheet>") > 0;
        },
        "<sst xmlns=\"" + kMain + "\"/>");
}

// The sheet part's declared size, in its local header and in the directory.
bool declareSize(const QString& path, quint32 size)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite))
        return false;
    QByteArray zip = f.readAll();
    const QByteArray name("xl/worksheets/sheet1.xml");
    for (const auto& [signature, sizeAt, nameAt] :
         {std::tuple{QByteArray("PK\x03\x04"), 22, 30}, std::tuple{QByteArray("PK\x01\x02"), 24, 46}})
        for (qsizetype at = zip.indexOf(signature); at >= 0; at = zip.indexOf(signature, at + 4))
            if (zip.mid(at + nameAt, name.size()) == name)
                qToLittleEndian<quint32>(size, zip.data() + at + sizeAt);
    f.seek(0);
    return f.write(zip) == zip.size();
}

bool makePartsList(const QString& path, int rows)
{
    QByteArray shared = "<sst xmlns=\"" + kMain + "\">";
    for (int i = 0; i < rows; ++i)
        shared += "<si><t>R-" + QByteArray::number(i) + "K</t></si>";
    shared += "</sst>";
    return makePackage(
        path,
        [rows](QuaZipFile& f) {
            QByteArray xml = "<worksheet xmlns=\"" + kMain + "\"><sheetData>";
            for (int r = 3; r < rows + 3; ++r) {
                const QByteArray n = QByteArray::number(r);
                xml += "<row r=\"" + n + "\"><c r=\"B" + n + "\"><v>2</v></c><c r=\"C" + n +
                       "\" t=\"inlineStr\"><is><t>T</t></is></c><c r=\"D" + n + "\" t=\"s\"><v>" +
                       QByteArray::number(r - 3) + "</v></c><c r=\"E" + n + "\"><v>1.5</v></c><c r=\"F" + n +
                       "\" t=\"inlineStr\"><is><t></t></is></c><c r=\"G" + n +
                       "\" t=\"inlineStr\"><is><t>oben</t></is></c><c r=\"H" + n + "\"><v>" + n + "</v></c><c r=\"I" +
                       n + "\" t=\"inlineStr\"><is><t>Bemerkung</t></is></c><c r=\"A" + n + "\" t=\"inlineStr\"><is><t></t></is></c></row>";
                if (xml.size() > (1 << 20)) {
                    if (f.write(xml) != xml.size())
                        return false;
                    xml.clear();
                }
            }
            xml += "</sheetData></worksheet>";
            return f.write(xml) == xml.size();
        },
        shared);
}

void open(const QString& label, const QString& path)
{
    const long before = peakKb();
    QElapsedTimer t;
    t.start();
    QString error;
    const std::optional<Workbook> book = Workbook::open(path, &error);
    const double seconds = t.nsecsElapsed() / 1e9;
    const long grown = peakKb() - before;
    const qint64 size = QFile(path).size();
    if (book) {
        qint64 cells = 0;
        for (const auto& s : book->sheets)
            cells += qint64(s->cells().size());
        std::printf("%s (%lld bytes): read, %lld cells, %.3f s, peak memory +%ld MB\n", qPrintable(label),
                    static_cast<long long>(size), static_cast<long long>(cells), seconds, grown / 1024);
    } else {
        std::printf("%s (%lld bytes): refused after %.3f s, peak memory +%ld MB: %s\n", qPrintable(label),
                    static_cast<long long>(size), seconds, grown / 1024, qPrintable(error));
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ProgramScope scope;
    prog().LangNr = 2;
    if (argc > 1) {
        for (int i = 1; i < argc; ++i)
            open(QString::fromLocal8Bit(argv[i]), QString::fromLocal8Bit(argv[i]));
        return 0;
    }
    QTemporaryDir dir;
    const QString bomb = dir.filePath(QStringLiteral("bomb.xlsx"));
    const QString lying = dir.filePath(QStringLiteral("lying.xlsx"));
    const QString parts = dir.filePath(QStringLiteral("parts.xlsx"));
    if (!makeBomb(bomb) || !QFile::copy(bomb, lying) || !declareSize(lying, 1000) || !makePartsList(parts, 100000)) {
        std::fprintf(stderr, "cannot make the workbooks in %s\n", qPrintable(dir.path()));
        return 1;
    }
    open(QStringLiteral("sheet inflating to 1 GiB"), bomb);
    open(QStringLiteral("the same, declared as 1,000 bytes"), lying);
    open(QStringLiteral("parts list of 100,000 rows"), parts);
    return 0;
}
