#include "common/xlsxbuilder.h"
#include "common/testutil.h"

#include <QDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <functional>
#include <optional>
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

// The package's pointer to its workbook part.
bool addRootRelationships(QuaZip& zip)
{
    return addPart(zip, QStringLiteral("_rels/.rels"),
                   kHead + QStringLiteral("<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/"
                                          "relationships\"><Relationship Id=\"rId1\" Type=\"%1/officeDocument\" "
                                          "Target=\"xl/workbook.xml\"/></Relationships>")
                               .arg(kRel));
}

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
         addRootRelationships(zip) &&
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

bool writeXlsxWithSheetXml(const QString& path, const QByteArray& sheetXml)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdCreate))
        return false;
    const bool ok =
        addPart(zip, QStringLiteral("[Content_Types].xml"),
                kHead + QStringLiteral("<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                                       "<Default Extension=\"xml\" ContentType=\"application/xml\"/></Types>")) &&
        addRootRelationships(zip) &&
        addPart(zip, QStringLiteral("xl/workbook.xml"),
                kHead + QStringLiteral("<workbook xmlns=\"%1\" xmlns:r=\"%2\"><sheets><sheet name=\"Tabelle1\" "
                                       "sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>")
                            .arg(kMain, kRel)) &&
        addPart(zip, QStringLiteral("xl/_rels/workbook.xml.rels"),
                kHead + QStringLiteral("<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/"
                                       "relationships\"><Relationship Id=\"rId1\" Type=\"%1/worksheet\" "
                                       "Target=\"worksheets/sheet1.xml\"/></Relationships>")
                            .arg(kRel));
    QuaZipFile f(&zip);
    const bool sheetOk = ok && f.open(QIODevice::WriteOnly, QuaZipNewInfo(QStringLiteral("xl/worksheets/sheet1.xml"))) &&
                         f.write(sheetXml) == sheetXml.size();
    f.close();
    zip.close();
    return sheetOk && zip.getZipError() == ZIP_OK;
}

namespace {

QByteArray partBytes(QuaZip& zip, const QString& part)
{
    if (part.isEmpty() || !zip.setCurrentFile(part))
        return QByteArray();
    QuaZipFile f(&zip);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Walks a part's elements with the names of the elements around each; stops
// (with an empty result for the caller to see) when the part is not well-formed.
struct Element {
    QString ns, name;
};
bool walk(const QByteArray& xml,
          const std::function<void(QXmlStreamReader&, const std::vector<Element>& around)>& onStart,
          const std::function<void(const QString& text, const std::vector<Element>& around)>& onText = {})
{
    QXmlStreamReader r(xml);
    std::vector<Element> stack;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement()) {
            onStart(r, stack);
            stack.push_back({r.namespaceUri().toString(), r.name().toString()});
        } else if (r.isEndElement()) {
            stack.pop_back();
        } else if (r.isCharacters() && onText) {
            onText(r.text().toString(), stack);
        }
    }
    return !r.hasError();
}

bool isMain(const Element& e, const char* name)
{
    return e.ns == kMain && e.name == QLatin1String(name);
}

} // namespace

std::map<std::pair<int, int>, QString> namespacedCells(const QString& path, const QString& sheetName)
{
    std::map<std::pair<int, int>, QString> cells;
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdUnzip))
        return cells;
    const QString pkgRel = QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships");
    QHash<QString, QString> targets;
    QString sharedPart;
    walk(partBytes(zip, QStringLiteral("xl/_rels/workbook.xml.rels")),
         [&](QXmlStreamReader& r, const std::vector<Element>&) {
             if (r.namespaceUri() != pkgRel || r.name() != QLatin1String("Relationship"))
                 return;
             const QString target = r.attributes().value(QLatin1String("Target")).toString();
             const QString part = target.startsWith(u'/') ? target.mid(1) : QStringLiteral("xl/") + target;
             targets.insert(r.attributes().value(QLatin1String("Id")).toString(), part);
             if (r.attributes().value(QLatin1String("Type")).endsWith(QLatin1String("/sharedStrings")))
                 sharedPart = part;
         });
    QString sheetPart;
    walk(partBytes(zip, QStringLiteral("xl/workbook.xml")), [&](QXmlStreamReader& r, const std::vector<Element>&) {
        if (r.namespaceUri() != kMain || r.name() != QLatin1String("sheet") ||
            r.attributes().value(QLatin1String("name")) != sheetName)
            return;
        for (const QXmlStreamAttribute& a : r.attributes())
            if (a.namespaceUri() == kRel && a.name() == QLatin1String("id"))
                sheetPart = targets.value(a.value().toString());
    });

    // Shared strings: the <t> texts of each <si>, phonetic runs left out.
    QStringList shared;
    walk(
        partBytes(zip, sharedPart),
        [&](QXmlStreamReader& r, const std::vector<Element>&) {
            if (r.namespaceUri() == kMain && r.name() == QLatin1String("si"))
                shared << QString();
        },
        [&](const QString& text, const std::vector<Element>& around) {
            const bool inPhonetic = std::any_of(around.begin(), around.end(),
                                                [](const Element& e) { return isMain(e, "rPh"); });
            if (!around.empty() && isMain(around.back(), "t") && !inPhonetic && !shared.isEmpty())
                shared.back() += text;
        });

    // The cells: <c> of the namespace inside a <row> of it, their <v> or inline <is><t>.
    struct Cell {
        int row = 0, column = 0;
        QString type, value;
    };
    std::optional<Cell> cell;
    int row = 0, column = 0; // the place of the last row and cell, for those that leave out "r"
    auto finish = [&] {
        if (!cell)
            return;
        const QString text = cell->type == QLatin1String("s") ? shared.value(cell->value.toInt()) : cell->value;
        if (!text.isEmpty())
            cells[{cell->row, cell->column}] = text;
        cell.reset();
    };
    walk(
        partBytes(zip, sheetPart),
        [&](QXmlStreamReader& r, const std::vector<Element>& around) {
            if (r.namespaceUri() == kMain && r.name() == QLatin1String("row") && !around.empty() &&
                isMain(around.back(), "sheetData")) {
                const QStringView given = r.attributes().value(QLatin1String("r"));
                row = given.isEmpty() ? row + 1 : given.toInt();
                column = 0;
                return;
            }
            if (r.namespaceUri() != kMain || r.name() != QLatin1String("c") || around.empty() ||
                !isMain(around.back(), "row"))
                return;
            finish();
            const QString ref = r.attributes().value(QLatin1String("r")).toString();
            Cell c;
            c.row = row;
            c.column = column + 1;
            if (!ref.isEmpty()) {
                qsizetype at = 0;
                c.column = 0;
                while (at < ref.size() && ref[at].isLetter())
                    c.column = c.column * 26 + (ref[at++].unicode() - u'A' + 1);
                c.row = ref.mid(at).toInt();
            }
            column = c.column;
            c.type = r.attributes().value(QLatin1String("t")).toString();
            cell = c;
        },
        [&](const QString& text, const std::vector<Element>& around) {
            if (!cell || around.size() < 2)
                return;
            const Element& inner = around.back();
            const Element& outer = around[around.size() - 2];
            if ((isMain(inner, "v") && isMain(outer, "c")) ||
                (isMain(inner, "t") && isMain(outer, "is") && around.size() >= 3 && isMain(around[around.size() - 3], "c")))
                cell->value += text;
        });
    finish();
    return cells;
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
