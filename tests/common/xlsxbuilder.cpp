#include "common/xlsxbuilder.h"
#include "common/testutil.h"

#include <QDir>
#include <clocale>
#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>

namespace testutil {

namespace {

QString esc(const QString& s)
{
    return s.toHtmlEscaped();
}

QString columnName(int column)
{
    QString name;
    while (column > 0) {
        const int rest = (column - 1) % 26;
        name.prepend(QChar(u'A' + rest));
        column = (column - 1) / 26;
    }
    return name;
}

bool addPart(QuaZip& zip, const QString& name, const QString& xml)
{
    QuaZipFile f(&zip);
    if (!f.open(QIODevice::WriteOnly, QuaZipNewInfo(name)))
        return false;
    const QByteArray bytes = xml.toUtf8();
    const bool ok = f.write(bytes) == bytes.size();
    f.close();
    return ok && f.getZipError() == ZIP_OK;
}

const QString kHead = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n");
const QString kMain = QStringLiteral("http://schemas.openxmlformats.org/spreadsheetml/2006/main");
const QString kRel = QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");

QString rowXml(int row, const QStringList& cells, QStringList& shared)
{
    QString xml = QStringLiteral("<row r=\"%1\">").arg(row);
    for (int i = 0; i < cells.size(); ++i) {
        QString spec = cells[i];
        if (spec.isEmpty())
            continue;
        QString ref = QStringLiteral(" r=\"%1%2\"").arg(columnName(i + 1)).arg(row);
        if (spec.startsWith(u'~')) {
            ref.clear();
            spec.remove(0, 1);
        }
        const QString kind = spec.left(2);
        const QString value = spec.mid(2);
        if (kind == QLatin1String("s:")) {
            xml += QStringLiteral("<c%1 t=\"s\"><v>%2</v></c>").arg(ref).arg(shared.size());
            shared << QStringLiteral("<si><t xml:space=\"preserve\">%1</t></si>").arg(esc(value));
        } else if (kind == QLatin1String("r:")) {
            const QStringList runs = value.split(u'|');
            QString si = QStringLiteral("<si>");
            for (const QString& run : runs)
                si += QStringLiteral("<r><rPr><b/></rPr><t xml:space=\"preserve\">%1</t></r>").arg(esc(run));
            si += QStringLiteral("<rPh sb=\"0\" eb=\"1\"><t>PHONETIC</t></rPh></si>");
            xml += QStringLiteral("<c%1 t=\"s\"><v>%2</v></c>").arg(ref).arg(shared.size());
            shared << si;
        } else if (kind == QLatin1String("i:")) {
            xml += QStringLiteral("<c%1 t=\"inlineStr\"><is><t xml:space=\"preserve\">%2</t></is></c>").arg(ref, esc(value));
        } else if (kind == QLatin1String("n:")) {
            xml += QStringLiteral("<c%1 s=\"0\"><v>%2</v></c>").arg(ref, value);
        } else if (kind == QLatin1String("b:")) {
            xml += QStringLiteral("<c%1 t=\"b\"><v>%2</v></c>").arg(ref, value);
        } else if (kind == QLatin1String("f:")) {
            xml += QStringLiteral("<c%1 t=\"str\"><f>\"%2\"</f><v>%2</v></c>").arg(ref, esc(value));
        }
    }
    return xml + QStringLiteral("</row>");
}

} // namespace

bool writeXlsx(const QString& path, const std::vector<XlsxSheet>& sheets)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdCreate))
        return false;
    const int n = int(sheets.size());
    QStringList shared;
    QString workbookSheets, workbookRels, types;
    bool ok = true;
    for (int i = 0; i < n; ++i) {
        const XlsxSheet& s = sheets[size_t(i)];
        // Part numbers run against the workbook order; relationship ids too.
        const int part = n - i;
        const QString id = QStringLiteral("rId%1").arg(part + 10);
        QString data;
        int row = 0;
        for (const QStringList& cells : s.rows)
            data += rowXml(++row, cells, shared);
        for (const auto& [at, cells] : s.farRows)
            data += rowXml(at, cells, shared);
        ok = ok && addPart(zip, QStringLiteral("xl/worksheets/sheet%1.xml").arg(part),
                           kHead + QStringLiteral("<worksheet xmlns=\"%1\" xmlns:r=\"%2\"><sheetData>%3</sheetData>"
                                                  "</worksheet>")
                                       .arg(kMain, kRel, data));
        workbookSheets += QStringLiteral("<sheet name=\"%1\" sheetId=\"%2\" r:id=\"%3\"/>")
                              .arg(esc(s.name))
                              .arg(i + 1)
                              .arg(id);
        const QString target = i == 0 ? QStringLiteral("/xl/worksheets/sheet%1.xml").arg(part)
                                      : QStringLiteral("worksheets/sheet%1.xml").arg(part);
        workbookRels += QStringLiteral("<Relationship Id=\"%1\" Type=\"%2/worksheet\" Target=\"%3\"/>")
                            .arg(id, kRel, target);
        types += QStringLiteral("<Override PartName=\"/xl/worksheets/sheet%1.xml\" ContentType=\"application/"
                                "vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>")
                     .arg(part);
    }
    workbookRels += QStringLiteral("<Relationship Id=\"rId1\" Type=\"%1/sharedStrings\" Target=\"sharedStrings.xml\"/>")
                        .arg(kRel);
    ok = ok &&
         addPart(zip, QStringLiteral("[Content_Types].xml"),
                 kHead + QStringLiteral("<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                                        "<Default Extension=\"rels\" ContentType=\"application/"
                                        "vnd.openxmlformats-package.relationships+xml\"/>"
                                        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
                                        "<Override PartName=\"/xl/workbook.xml\" ContentType=\"application/"
                                        "vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>%1"
                                        "</Types>")
                             .arg(types)) &&
         addPart(zip, QStringLiteral("_rels/.rels"),
                 kHead + QStringLiteral("<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/"
                                        "relationships\"><Relationship Id=\"rId1\" Type=\"%1/officeDocument\" "
                                        "Target=\"xl/workbook.xml\"/></Relationships>")
                             .arg(kRel)) &&
         addPart(zip, QStringLiteral("xl/workbook.xml"),
                 kHead + QStringLiteral("<workbook xmlns=\"%1\" xmlns:r=\"%2\"><sheets>%3</sheets></workbook>")
                             .arg(kMain, kRel, workbookSheets)) &&
         addPart(zip, QStringLiteral("xl/_rels/workbook.xml.rels"),
                 kHead + QStringLiteral("<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/"
                                        "relationships\">%1</Relationships>")
                             .arg(workbookRels)) &&
         addPart(zip, QStringLiteral("xl/sharedStrings.xml"),
                 kHead + QStringLiteral("<sst xmlns=\"%1\" count=\"%2\" uniqueCount=\"%2\">%3</sst>")
                             .arg(kMain)
                             .arg(shared.size())
                             .arg(shared.join(QString())));
    zip.close();
    return ok && zip.getZipError() == ZIP_OK;
}

std::vector<XlsxSheet> partsListWorkbook()
{
    const QString long19 = QStringLiteral("s:ABCDEFGHIJKLMNOPQRS");
    XlsxSheet parts{QStringLiteral("Stueckliste"),
                    {
                        {"", "", "s:t", "i:Demo-Platine", "", "s:SMD1", "s:CODE-1", "s:Anlage 7"},
                        {"", "", "", "r:Prüfplatine |für Tests"},
                        {"s:X", "s:Versorgung", "", "s:Teil 1"},
                        {"", "n:2", "~s:T", "s:R-10K", "s:R1", "", "s:oben"},
                        {"", "n:1.5", "s:s", "s:4711", "", "", "", "s:mitte"},
                        {"", "s:0.5", "s:A", "s:R1,R2", "s:R1,R2"},
                        {"", "s:2,5", "s:T", long19},
                        {"", "i:abc", "s:A", long19, "", "s:q"},
                        {"", "n:3", "s:S", "s:ABCDEFGHIJKLMNOPQRST"},
                        {"", "n:4", "s:t", "", "", "", "s:a", "s:b", "s:c"},
                        {"s:x", "s:Ende der Liste", "", "s:für Ü"},
                        {"s:E"},
                        {"", "n:1", "s:T", "s:NACH-ENDE"},
                    }};
    XlsxSheet vers{QStringLiteral("VERS"), {{"s:Version"}, {"n:1"}, {"n:12"}, {"n:3"}}};
    XlsxSheet ar{QStringLiteral("AR"),
                 {
                     {"s:Bezeichnung", "s:AR", "s:TSA"},
                     {"s:R-10K", "n:0.5", "s:T"},
                     {"s:4711", "s:0,5", "s:S"},
                     {"s:O'BRIEN", "n:2", "s:A"},
                     {"s:R-10K", "n:9", "s:A"},
                     {"s:R-10K", "n:7", "s:T"},
                 }};
    return {parts, vers, ar};
}

GermanLocale::GermanLocale() : mOld(QLocale())
{
    mOldC = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

GermanLocale::~GermanLocale()
{
    std::setlocale(LC_ALL, mOldC.c_str());
    QLocale::setDefault(mOld);
}

QString partsListXls()
{
    return fixturesDir() + QStringLiteral("/qlist/partslist.xls");
}

} // namespace testutil
