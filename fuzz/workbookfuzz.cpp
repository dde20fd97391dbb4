// Fuzz target: reading a workbook from untrusted bytes.
//
// The input is either a file as it stands (an .xlsx package, a binary .xls, or
// anything else), or, when it begins with "XLSX\n", the XML of the parts of a
// package that the target zips before reading it:
//   XLSX\n<sheet>\n--part--\n<shared strings>\n--part--\n<workbook>\n--part--\n<workbook relationships>
// (parts left out take a plain default). Mutations of compressed bytes rarely
// get past the checksums; this form lets them reach the XML readers.
#include "frame/program.h"
#include "workbook/workbook.h"

#include <QBuffer>
#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>

#include <cstdint>
#include <cstdlib>

namespace {

const QByteArray kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const QByteArray kRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

QByteArray packageOf(const QByteArray& spec)
{
    QList<QByteArray> parts;
    const QByteArray separator = "\n--part--\n";
    for (qsizetype from = 0;;) {
        const qsizetype at = spec.indexOf(separator, from);
        parts << spec.mid(from, at < 0 ? -1 : at - from);
        if (at < 0)
            break;
        from = at + separator.size();
    }
    while (parts.size() < 4)
        parts << QByteArray();
    if (parts[2].isEmpty())
        parts[2] = "<workbook xmlns=\"" + kMain + "\" xmlns:r=\"" + kRel +
                   "\"><sheets><sheet name=\"Tabelle1\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
    if (parts[3].isEmpty())
        parts[3] = "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                   "<Relationship Id=\"rId1\" Type=\"" + kRel + "/worksheet\" Target=\"worksheets/sheet1.xml\"/>"
                   "<Relationship Id=\"rId2\" Type=\"" + kRel + "/sharedStrings\" Target=\"sharedStrings.xml\"/>"
                   "</Relationships>";
    const std::pair<const char*, QByteArray> files[] = {
        {"xl/worksheets/sheet1.xml", parts[0]},
        {"xl/sharedStrings.xml", parts[1]},
        {"xl/workbook.xml", parts[2]},
        {"xl/_rels/workbook.xml.rels", parts[3]},
        {"_rels/.rels", "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                        "<Relationship Id=\"rId1\" Type=\"" + kRel + "/officeDocument\" Target=\"xl/workbook.xml\"/>"
                        "</Relationships>"}};
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    {
        QuaZip zip(&out);
        zip.setAutoClose(false);
        if (!zip.open(QuaZip::mdCreate))
            abort();
        for (const auto& [name, bytes] : files) {
            QuaZipFile f(&zip);
            if (!f.open(QIODevice::WriteOnly, QuaZipNewInfo(QString::fromLatin1(name))) || f.write(bytes) != bytes.size())
                abort();
            f.close();
        }
        zip.close();
    }
    return out.data();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static ProgramScope scope; // the reasons are given in the user's language
    // Qt's warnings about the damaged input (a seek past the end) would only
    // slow the runs down and hide the driver's own output.
    static const QtMessageHandler quiet =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    (void)quiet;
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (bytes.startsWith("XLSX\n"))
        bytes = packageOf(bytes.mid(5));
    QBuffer device;
    device.setData(bytes);
    device.open(QIODevice::ReadOnly);
    // Limits small enough that one input stays quick, as a file at the limit would.
    WorkbookLimits limits;
    limits.fileBytes = limits.partBytes = 8 << 20;
    limits.packageBytes = 16 << 20;
    limits.cells = 100000;
    QString error;
    const std::optional<Workbook> book = Workbook::read(device, QStringLiteral("fuzz.xlsx"), &error, limits);
    if (!book) {
        if (error.isEmpty())
            abort(); // a refusal always says why
        return 0;
    }
    // Every cell the reader kept lies inside the sheet it reports.
    for (const auto& sheet : book->sheets)
        for (const auto& [at, text] : sheet->cells())
            if (at.first < 1 || at.second < 1 || at.first > sheet->lastRow() || at.second > sheet->lastColumn() ||
                text.isEmpty())
                abort();
    return 0;
}
