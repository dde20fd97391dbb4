#include "frame/workbook.h"
#include "frame/program.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <quazip.h>
#include <quazipfile.h>

#include <freexl.h>

#include <charconv>
#include <filesystem>
#include <cmath>

void Worksheet::setText(int row, int column, const QString& text)
{
    if (row < 1 || column < 1)
        return;
    if (text.isEmpty()) {
        mCells.remove(key(row, column));
        return;
    }
    mCells.insert(key(row, column), text);
    mLastRow = std::max(mLastRow, row);
    mLastColumn = std::max(mLastColumn, column);
}

QString Worksheet::text(int row, int column) const
{
    if (row < 1 || column < 1)
        return QString();
    return mCells.value(key(row, column));
}

QStringList Workbook::sheetNames() const
{
    QStringList names;
    for (const auto& s : sheets)
        names << s->name();
    return names;
}

const Worksheet* Workbook::sheet(const QString& name) const
{
    for (const auto& s : sheets)
        if (s->name().compare(name, Qt::CaseInsensitive) == 0)
            return s.get();
    return nullptr;
}

const Worksheet* Workbook::firstSheet() const
{
    return sheets.empty() ? nullptr : sheets.front().get();
}

QString workbookNumberText(double value)
{
    if (value == 0 || !std::isfinite(value))
        return QStringLiteral("0");
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    return QString::fromLatin1(buf, r.ptr - buf);
}

namespace {

QString txt(const char* de, const char* en)
{
    return prog().LangNr == 2 ? QString::fromUtf8(en) : QString::fromUtf8(de);
}

// Failure while reading a workbook; the text is the reason, without the file.
struct ReadFailure {
    QString reason;
};

// ---------------------------------------------------------------------------
// Office Open XML

class Package {
public:
    explicit Package(const QString& path) : mZip(path) {}
    bool open() { return mZip.open(QuaZip::mdUnzip); }
    bool has(const QString& part) { return mZip.setCurrentFile(part, QuaZip::csInsensitive); }
    QByteArray read(const QString& part)
    {
        if (!mZip.setCurrentFile(part, QuaZip::csInsensitive))
            throw ReadFailure{txt("Teil %1 fehlt", "part %1 is missing").arg(part)};
        QuaZipFile f(&mZip);
        if (!f.open(QIODevice::ReadOnly))
            throw ReadFailure{txt("Teil %1 ist nicht lesbar", "part %1 cannot be read").arg(part)};
        QByteArray bytes = f.readAll();
        f.close();
        if (f.getZipError() != UNZ_OK)
            throw ReadFailure{txt("Teil %1 ist beschädigt", "part %1 is damaged").arg(part)};
        return bytes;
    }

private:
    QuaZip mZip;
};

struct Relationship {
    QString type;
    QString target; // part name inside the package
};

// The relationships part of a part ("xl/workbook.xml" -> "xl/_rels/workbook.xml.rels").
QString relsPartOf(const QString& part)
{
    const qsizetype slash = part.lastIndexOf(u'/');
    const QString dir = slash < 0 ? QString() : part.left(slash + 1);
    return dir + QStringLiteral("_rels/") + part.mid(slash + 1) + QStringLiteral(".rels");
}

QString resolveTarget(const QString& sourcePart, const QString& target)
{
    if (target.startsWith(u'/'))
        return QDir::cleanPath(target.mid(1));
    const qsizetype slash = sourcePart.lastIndexOf(u'/');
    const QString dir = slash < 0 ? QString() : sourcePart.left(slash + 1);
    return QDir::cleanPath(dir + target);
}

void checkXml(const QXmlStreamReader& xml, const QString& part)
{
    if (xml.hasError())
        throw ReadFailure{txt("Teil %1: %2", "part %1: %2").arg(part, xml.errorString())};
}

QHash<QString, Relationship> readRelationships(Package& pkg, const QString& sourcePart)
{
    QHash<QString, Relationship> rels;
    const QString relsPart = relsPartOf(sourcePart);
    if (!pkg.has(relsPart))
        return rels;
    QXmlStreamReader xml(pkg.read(relsPart));
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != QLatin1String("Relationship"))
            continue;
        const auto a = xml.attributes();
        if (a.value(QLatin1String("TargetMode")) == QLatin1String("External"))
            continue;
        rels.insert(a.value(QLatin1String("Id")).toString(),
                    {a.value(QLatin1String("Type")).toString(),
                     resolveTarget(sourcePart, a.value(QLatin1String("Target")).toString())});
    }
    checkXml(xml, relsPart);
    return rels;
}

// Excel writes control characters of a text as "_xHHHH_".
QString decodeEscapes(QString s)
{
    if (!s.contains(QLatin1String("_x")))
        return s;
    static const QRegularExpression re(QStringLiteral("_x([0-9A-Fa-f]{4})_"));
    QString out;
    qsizetype last = 0;
    auto it = re.globalMatch(s);
    while (it.hasNext()) {
        const auto m = it.next();
        out += s.mid(last, m.capturedStart() - last);
        out += QChar(char16_t(m.captured(1).toUShort(nullptr, 16)));
        last = m.capturedEnd();
    }
    out += s.mid(last);
    return out;
}

// The text of a rich or plain string item (<si> or <is>), phonetic runs left out.
QString readStringItem(QXmlStreamReader& xml)
{
    QString text;
    const QString element = xml.name().toString();
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == element)
            break;
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("rPh"))
            xml.skipCurrentElement();
        else if (xml.name() == QLatin1String("t"))
            text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    return decodeEscapes(text);
}

QStringList readSharedStrings(Package& pkg, const QString& part)
{
    QStringList strings;
    if (part.isEmpty() || !pkg.has(part))
        return strings;
    QXmlStreamReader xml(pkg.read(part));
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("si"))
            strings << readStringItem(xml);
    }
    checkXml(xml, part);
    return strings;
}

// "AB12" -> row 12, column 28; false when it is not a cell reference.
bool parseReference(QStringView ref, int& row, int& column)
{
    qsizetype i = 0;
    int c = 0;
    while (i < ref.size() && ref[i].isLetter()) {
        c = c * 26 + (ref[i].toUpper().unicode() - 'A' + 1);
        ++i;
    }
    bool ok = false;
    const int r = ref.mid(i).toInt(&ok);
    if (i == 0 || !ok || r < 1 || c < 1)
        return false;
    row = r;
    column = c;
    return true;
}

QString numberCellText(const QString& v)
{
    const QByteArray bytes = v.trimmed().toLatin1();
    double d = 0;
    const auto r = std::from_chars(bytes.constData(), bytes.constData() + bytes.size(), d);
    if (r.ec != std::errc() || r.ptr != bytes.constData() + bytes.size())
        return v; // not a number after all: keep what the file says
    return workbookNumberText(d);
}

void readSheetXml(Package& pkg, const QString& part, const QStringList& shared, Worksheet& sheet)
{
    QXmlStreamReader xml(pkg.read(part));
    int row = 0;
    int column = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("row")) {
            bool ok = false;
            const int r = xml.attributes().value(QLatin1String("r")).toInt(&ok);
            row = ok && r > 0 ? r : row + 1;
            column = 0;
            continue;
        }
        if (xml.name() != QLatin1String("c"))
            continue;
        const auto a = xml.attributes();
        int r = row, c = column + 1;
        if (a.hasAttribute(QLatin1String("r")) && !parseReference(a.value(QLatin1String("r")), r, c))
            throw ReadFailure{txt("Teil %1: ungültige Zelladresse", "part %1: bad cell reference").arg(part)};
        row = r;
        column = c;
        const QString type = a.value(QLatin1String("t")).toString();
        QString value;
        QString inlineText;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isEndElement() && xml.name() == QLatin1String("c"))
                break;
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("v"))
                value = xml.readElementText();
            else if (xml.name() == QLatin1String("is"))
                inlineText = readStringItem(xml);
            else
                xml.skipCurrentElement();
        }
        QString text;
        if (type == QLatin1String("s")) {
            bool ok = false;
            const int index = value.trimmed().toInt(&ok);
            if (!ok || index < 0 || index >= shared.size())
                throw ReadFailure{txt("Teil %1: Text %2 fehlt", "part %1: string %2 is missing").arg(part, value)};
            text = shared[index];
        } else if (type == QLatin1String("inlineStr")) {
            text = inlineText;
        } else if (type == QLatin1String("str") || type == QLatin1String("e") || type == QLatin1String("d")) {
            text = decodeEscapes(value);
        } else if (type == QLatin1String("b")) {
            text = value.trimmed() == QLatin1String("1") ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
        } else if (!value.isEmpty()) {
            text = numberCellText(value);
        }
        sheet.setText(row, column, text);
    }
    checkXml(xml, part);
}

QString partOfType(const QHash<QString, Relationship>& rels, QLatin1String typeEnd, const QString& fallback)
{
    for (const Relationship& r : rels)
        if (r.type.endsWith(typeEnd))
            return r.target;
    return fallback;
}

void readXlsx(const QString& path, Workbook& book)
{
    Package pkg(path);
    if (!pkg.open())
        throw ReadFailure{txt("kein lesbares ZIP-Archiv", "not a readable ZIP archive")};
    const auto rootRels = readRelationships(pkg, QString());
    const QString workbookPart =
        partOfType(rootRels, QLatin1String("/officeDocument"), QStringLiteral("xl/workbook.xml"));
    const auto rels = readRelationships(pkg, workbookPart);
    const QStringList shared = readSharedStrings(
        pkg, partOfType(rels, QLatin1String("/sharedStrings"),
                        resolveTarget(workbookPart, QStringLiteral("sharedStrings.xml"))));

    struct SheetRef {
        QString name;
        QString part;
    };
    std::vector<SheetRef> refs;
    {
        QXmlStreamReader xml(pkg.read(workbookPart));
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement() || xml.name() != QLatin1String("sheet"))
                continue;
            QString id;
            for (const QXmlStreamAttribute& a : xml.attributes())
                if (a.name() == QLatin1String("id") && !a.prefix().isEmpty())
                    id = a.value().toString();
            const auto rel = rels.constFind(id);
            // Chart and dialog sheets are not worksheets.
            if (rel == rels.constEnd() || !rel->type.endsWith(QLatin1String("/worksheet")))
                continue;
            refs.push_back({xml.attributes().value(QLatin1String("name")).toString(), rel->target});
        }
        checkXml(xml, workbookPart);
    }
    for (const SheetRef& ref : refs) {
        auto sheet = std::make_shared<Worksheet>(ref.name);
        sheet->part = ref.part;
        readSheetXml(pkg, ref.part, shared, *sheet);
        book.sheets.push_back(sheet);
    }
}

// ---------------------------------------------------------------------------
// Binary workbook

// The binary reader hands dates out as text; the serial number is what a
// cell's value is, as in an .xlsx.
QString serialOfDateText(const QString& text, bool base1904)
{
    const QDate origin = base1904 ? QDate(1904, 1, 1) : QDate(1899, 12, 30);
    double serial = 0;
    QString rest = text;
    if (text.size() >= 10 && text[4] == u'-') {
        const QDate d = QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd"));
        if (!d.isValid())
            return text;
        serial = double(origin.daysTo(d));
        rest = text.mid(10).trimmed();
    }
    if (!rest.isEmpty()) {
        const QTime t = QTime::fromString(rest, QStringLiteral("HH:mm:ss"));
        if (!t.isValid())
            return text;
        serial += t.msecsSinceStartOfDay() / 86400000.0;
    }
    return workbookNumberText(serial);
}

void readXls(const QString& path, Workbook& book)
{
    const void* handle = nullptr;
    const QByteArray local = QFile::encodeName(path);
    struct Closer {
        const void*& h;
        ~Closer()
        {
            if (h)
                freexl_close(h);
        }
    } closer{handle};
    if (freexl_open(local.constData(), &handle) != FREEXL_OK)
        throw ReadFailure{txt("keine lesbare Excel-Arbeitsmappe", "not a readable Excel workbook")};
    unsigned int count = 0;
    if (freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &count) != FREEXL_OK)
        throw ReadFailure{txt("Tabellenblätter nicht lesbar", "worksheets cannot be read")};
    unsigned int dateMode = 0;
    freexl_get_info(handle, FREEXL_BIFF_DATEMODE, &dateMode);
    const bool base1904 = dateMode == FREEXL_BIFF_DATEMODE_1904;
    for (unsigned int i = 0; i < count; ++i) {
        const char* name = nullptr;
        if (freexl_get_worksheet_name(handle, static_cast<unsigned short>(i), &name) != FREEXL_OK ||
            freexl_select_active_worksheet(handle, static_cast<unsigned short>(i)) != FREEXL_OK)
            throw ReadFailure{txt("Tabellenblatt %1 nicht lesbar", "worksheet %1 cannot be read").arg(i + 1)};
        auto sheet = std::make_shared<Worksheet>(QString::fromUtf8(name ? name : ""));
        unsigned int rows = 0;
        unsigned short columns = 0;
        if (freexl_worksheet_dimensions(handle, &rows, &columns) != FREEXL_OK)
            throw ReadFailure{txt("Tabellenblatt %1 nicht lesbar", "worksheet %1 cannot be read").arg(sheet->name())};
        for (unsigned int r = 0; r < rows; ++r) {
            for (unsigned short c = 0; c < columns; ++c) {
                FreeXL_CellValue cell;
                if (freexl_get_cell_value(handle, r, c, &cell) != FREEXL_OK)
                    throw ReadFailure{txt("Zelle %1/%2 nicht lesbar", "cell %1/%2 cannot be read").arg(r + 1).arg(c + 1)};
                QString text;
                switch (cell.type) {
                case FREEXL_CELL_INT:
                    text = QString::number(cell.value.int_value);
                    break;
                case FREEXL_CELL_DOUBLE:
                    text = workbookNumberText(cell.value.double_value);
                    break;
                case FREEXL_CELL_TEXT:
                case FREEXL_CELL_SST_TEXT:
                    text = QString::fromUtf8(cell.value.text_value);
                    break;
                case FREEXL_CELL_DATE:
                case FREEXL_CELL_DATETIME:
                case FREEXL_CELL_TIME:
                    text = serialOfDateText(QString::fromUtf8(cell.value.text_value), base1904);
                    break;
                default:
                    break;
                }
                sheet->setText(int(r) + 1, int(c) + 1, text);
            }
        }
        book.sheets.push_back(sheet);
    }
}

} // namespace

std::optional<Workbook> Workbook::open(const QString& path, QString* error)
{
    auto failWith = [&](const QString& message) -> std::optional<Workbook> {
        if (error)
            *error = message;
        return std::nullopt;
    };
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return failWith(txt("Die Arbeitsmappe %1 kann nicht geöffnet werden: %2",
                            "The workbook %1 cannot be opened: %2")
                            .arg(QDir::toNativeSeparators(path), f.errorString()));
    const QByteArray magic = f.read(8);
    f.close();
    Workbook book;
    try {
        if (magic.startsWith("PK\x03\x04"))
            readXlsx(path, book);
        else if (magic == QByteArray::fromHex("D0CF11E0A1B11AE1"))
            readXls(path, book);
        else
            return failWith(txt("Die Datei %1 ist keine Arbeitsmappe (.xlsx oder .xls).",
                                "The file %1 is not a workbook (.xlsx or .xls).")
                                .arg(QDir::toNativeSeparators(path)));
    } catch (const ReadFailure& e) {
        return failWith(txt("Die Arbeitsmappe %1 kann nicht gelesen werden: %2",
                            "The workbook %1 cannot be read: %2")
                            .arg(QDir::toNativeSeparators(path), e.reason));
    }
    return book;
}

// ---------------------------------------------------------------------------
// Writing

namespace {

QString columnLetters(int column)
{
    QString letters;
    for (int c = column; c > 0; c = (c - 1) / 26)
        letters.prepend(QChar(u'A' + (c - 1) % 26));
    return letters;
}

// One cell as an inline string (or empty), keeping the style of the cell it replaces.
void writeCell(QXmlStreamWriter& w, int row, int column, const QString& text, const QString& style)
{
    w.writeStartElement(QStringLiteral("c"));
    w.writeAttribute(QStringLiteral("r"), columnLetters(column) + QString::number(row));
    if (!style.isEmpty())
        w.writeAttribute(QStringLiteral("s"), style);
    if (!text.isEmpty()) {
        w.writeAttribute(QStringLiteral("t"), QStringLiteral("inlineStr"));
        w.writeStartElement(QStringLiteral("is"));
        w.writeStartElement(QStringLiteral("t"));
        w.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
        w.writeCharacters(text);
        w.writeEndElement();
        w.writeEndElement();
    }
    w.writeEndElement();
}

// The sheet part with the cells replaced or added; every other token is copied.
QByteArray rewriteSheetXml(const QByteArray& source, const WorkbookCells& cells)
{
    QXmlStreamReader xml(source);
    QByteArray out;
    QXmlStreamWriter w(&out);
    std::map<int, std::map<int, QString>> rows;
    for (const auto& [at, text] : cells)
        rows[at.first][at.second] = text;
    auto writeRow = [&](int r, const std::map<int, QString>& columns) {
        w.writeStartElement(QStringLiteral("row"));
        w.writeAttribute(QStringLiteral("r"), QString::number(r));
        for (const auto& [c, text] : columns)
            writeCell(w, r, c, text, QString());
        w.writeEndElement();
    };
    int row = 0, column = 0;
    bool inRow = false;
    std::map<int, QString> pending; // cells of the current row still to write
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("row")) {
            bool ok = false;
            const int r = xml.attributes().value(QLatin1String("r")).toInt(&ok);
            row = ok && r > 0 ? r : row + 1;
            column = 0;
            // Rows to change that have no element of their own come before this one.
            while (!rows.empty() && rows.begin()->first < row) {
                writeRow(rows.begin()->first, rows.begin()->second);
                rows.erase(rows.begin());
            }
            pending.clear();
            if (!rows.empty() && rows.begin()->first == row) {
                pending = rows.begin()->second;
                rows.erase(rows.begin());
            }
            inRow = true;
            w.writeCurrentToken(xml);
            continue;
        }
        if (inRow && xml.isStartElement() && xml.name() == QLatin1String("c")) {
            int r = row, c = column + 1;
            const auto a = xml.attributes();
            if (a.hasAttribute(QLatin1String("r")))
                parseReference(a.value(QLatin1String("r")), r, c);
            column = c;
            while (!pending.empty() && pending.begin()->first < c) {
                writeCell(w, row, pending.begin()->first, pending.begin()->second, QString());
                pending.erase(pending.begin());
            }
            const auto it = pending.find(c);
            if (it != pending.end()) {
                writeCell(w, row, c, it->second, a.value(QLatin1String("s")).toString());
                pending.erase(it);
                xml.skipCurrentElement();
                continue;
            }
            w.writeCurrentToken(xml);
            continue;
        }
        if (inRow && xml.isEndElement() && xml.name() == QLatin1String("row")) {
            for (const auto& [c, text] : pending)
                writeCell(w, row, c, text, QString());
            pending.clear();
            inRow = false;
            w.writeCurrentToken(xml);
            continue;
        }
        if (xml.isEndElement() && xml.name() == QLatin1String("sheetData")) {
            for (const auto& [r, columns] : rows)
                writeRow(r, columns);
            rows.clear();
        }
        w.writeCurrentToken(xml);
    }
    if (xml.hasError())
        throw ReadFailure{xml.errorString()};
    return out;
}

// Writes parts into a new package at target through a temporary file beside it.
void writePackage(const QString& target, const std::vector<std::pair<QString, QByteArray>>& parts)
{
    const QString temp = target + QStringLiteral(".~tmp");
    QFile::remove(temp);
    {
        QuaZip zip(temp);
        if (!zip.open(QuaZip::mdCreate))
            throw ReadFailure{txt("%1 kann nicht angelegt werden", "%1 cannot be created")
                                  .arg(QDir::toNativeSeparators(temp))};
        for (const auto& [name, bytes] : parts) {
            QuaZipFile f(&zip);
            if (!f.open(QIODevice::WriteOnly, QuaZipNewInfo(name)) || f.write(bytes) != bytes.size()) {
                f.close();
                zip.close();
                QFile::remove(temp);
                throw ReadFailure{txt("Teil %1 kann nicht geschrieben werden", "part %1 cannot be written").arg(name)};
            }
            f.close();
            if (f.getZipError() != ZIP_OK) {
                zip.close();
                QFile::remove(temp);
                throw ReadFailure{txt("Teil %1 kann nicht geschrieben werden", "part %1 cannot be written").arg(name)};
            }
        }
        zip.close();
        if (zip.getZipError() != ZIP_OK) {
            QFile::remove(temp);
            throw ReadFailure{txt("%1 kann nicht geschrieben werden", "%1 cannot be written")
                                  .arg(QDir::toNativeSeparators(temp))};
        }
    }
    std::error_code ec;
    std::filesystem::rename(std::filesystem::path(temp.toStdString()), std::filesystem::path(target.toStdString()),
                            ec);
    if (ec) {
        QFile::remove(temp);
        throw ReadFailure{QString::fromStdString(ec.message())};
    }
}

QByteArray sheetXmlOf(const Worksheet& sheet)
{
    QByteArray out;
    QXmlStreamWriter w(&out);
    w.writeStartDocument(QStringLiteral("1.0"), true);
    w.writeStartElement(QStringLiteral("worksheet"));
    w.writeDefaultNamespace(QStringLiteral("http://schemas.openxmlformats.org/spreadsheetml/2006/main"));
    w.writeStartElement(QStringLiteral("sheetData"));
    for (int r = 1; r <= sheet.lastRow(); ++r) {
        w.writeStartElement(QStringLiteral("row"));
        w.writeAttribute(QStringLiteral("r"), QString::number(r));
        for (int c = 1; c <= sheet.lastColumn(); ++c) {
            const QString t = sheet.text(r, c);
            if (!t.isEmpty())
                writeCell(w, r, c, t, QString());
        }
        w.writeEndElement();
    }
    w.writeEndElement();
    w.writeEndElement();
    w.writeEndDocument();
    return out;
}

} // namespace

bool writeXlsxCells(const QString& path, const QString& target, const QString& sheetName, const WorkbookCells& cells,
                    QString* error)
{
    try {
        std::optional<Workbook> book = Workbook::open(path, error);
        if (!book)
            return false;
        const Worksheet* sheet = book->sheet(sheetName);
        if (!sheet)
            throw ReadFailure{txt("Tabelle %1 fehlt", "sheet %1 is missing").arg(sheetName)};
        std::vector<std::pair<QString, QByteArray>> parts;
        if (sheet->part.isEmpty()) {
            // A binary workbook: a new package with every sheet of it.
            parts.push_back({QStringLiteral("[Content_Types].xml"), QByteArray()});
            QByteArray types =
                "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
                "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
                "<Override PartName=\"/xl/workbook.xml\" "
                "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>";
            QByteArray sheets, rels;
            int n = 0;
            for (const auto& s : book->sheets) {
                ++n;
                Worksheet copy = *s;
                if (s.get() == sheet)
                    for (const auto& [at, text] : cells)
                        copy.setText(at.first, at.second, text);
                const QString part = QStringLiteral("xl/worksheets/sheet%1.xml").arg(n);
                types += "<Override PartName=\"/" + part.toUtf8() +
                         "\" ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>";
                sheets += "<sheet name=\"" + s->name().toHtmlEscaped().toUtf8() + "\" sheetId=\"" +
                          QByteArray::number(n) + "\" r:id=\"rId" + QByteArray::number(n) + "\"/>";
                rels += "<Relationship Id=\"rId" + QByteArray::number(n) +
                        "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
                        "Target=\"worksheets/sheet" + QByteArray::number(n) + ".xml\"/>";
                parts.push_back({part, sheetXmlOf(copy)});
            }
            parts[0].second = types + "</Types>";
            parts.push_back({QStringLiteral("_rels/.rels"),
                             "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
                             "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                             "<Relationship Id=\"rId1\" "
                             "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
                             "Target=\"xl/workbook.xml\"/></Relationships>"});
            parts.push_back({QStringLiteral("xl/workbook.xml"),
                             "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
                             "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
                             "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
                             "<sheets>" + sheets + "</sheets></workbook>"});
            parts.push_back({QStringLiteral("xl/_rels/workbook.xml.rels"),
                             "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
                             "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">" +
                                 rels + "</Relationships>"});
        } else {
            Package pkg(path);
            if (!pkg.open())
                throw ReadFailure{txt("kein lesbares ZIP-Archiv", "not a readable ZIP archive")};
            QuaZip zip(path);
            if (!zip.open(QuaZip::mdUnzip))
                throw ReadFailure{txt("kein lesbares ZIP-Archiv", "not a readable ZIP archive")};
            const QStringList names = zip.getFileNameList();
            zip.close();
            for (const QString& name : names) {
                QByteArray bytes = pkg.read(name);
                if (name.compare(sheet->part, Qt::CaseInsensitive) == 0)
                    bytes = rewriteSheetXml(bytes, cells);
                parts.push_back({name, bytes});
            }
        }
        writePackage(target, parts);
        return true;
    } catch (const ReadFailure& e) {
        if (error)
            *error = txt("Die Arbeitsmappe %1 kann nicht geschrieben werden: %2",
                         "The workbook %1 cannot be written: %2")
                         .arg(QDir::toNativeSeparators(target), e.reason);
        return false;
    }
}
