#include "workbook/workbook.h"
#include "workbook/binaryworkbook.h"
#include "frame/program.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringConverter>
#include <QXmlStreamReader>

#include <quazip.h>
#include <quazipfile.h>
#include <quazipfileinfo.h>
#include <quazipnewinfo.h>

#include <charconv>
#include <cmath>
#include <filesystem>
#include <functional>

namespace {

// The largest sheet an .xlsx can describe (XFD1048576).
constexpr int kMaxRow = 1048576;
constexpr int kMaxColumn = 16384;

} // namespace

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

WorkbookCells Worksheet::cells() const
{
    WorkbookCells all;
    for (auto it = mCells.constBegin(); it != mCells.constEnd(); ++it)
        all.emplace(std::make_pair(int(it.key() >> 32), int(it.key() & 0xFFFFFFFFu)), it.value());
    return all;
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

} // namespace

QString workbookFileFilter()
{
    return txt("Excel-Dateien (*.xls;*.xlsx)|*.xls;*.xlsx|Alle Dateien (*.*)|*.*",
               "Excel files (*.xls;*.xlsx)|*.xls;*.xlsx|All files (*.*)|*.*");
}

namespace {

QString megabytes(qint64 bytes)
{
    return QString::number(bytes >> 20);
}

// ---------------------------------------------------------------------------
// Office Open XML

// One part of the package as the XML reader sees it: the inflated bytes, cut
// off one byte past the cap, so that an inflated size is never trusted and
// never read further than needed to know it is too large.
class CappedPart : public QIODevice {
public:
    CappedPart(QuaZipFile& file, qint64 cap) : mFile(file), mCap(cap) {}
    bool isSequential() const override { return true; }
    bool atEnd() const override { return mEnded || tooLarge || damaged; }
    qint64 bytesRead() const { return mRead; }
    bool tooLarge = false;
    bool damaged = false;

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        if (tooLarge || damaged)
            return -1;
        if (maxSize <= 0)
            return 0;
        if (mCap < 0) {
            tooLarge = true;
            return -1;
        }
        // At most one byte past the cap: enough to know that it is passed.
        const qint64 want = std::min(maxSize, mCap + 1 - mRead);
        const qint64 n = mFile.read(data, want);
        if (n < 0) {
            damaged = true;
            return -1;
        }
        mRead += n;
        if (mRead > mCap) {
            tooLarge = true;
            return -1;
        }
        if (n == 0)
            mEnded = true;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QuaZipFile& mFile;
    qint64 mCap;
    qint64 mRead = 0;
    bool mEnded = false;
};

class Package {
public:
    Package(QIODevice& device, const WorkbookLimits& limits) : mZip(&device), mLimits(limits) {}
    // Opens the package; throws when it cannot be read or has too many parts
    // (every look-up of a part walks the list of them).
    void open()
    {
        if (!mZip.open(QuaZip::mdUnzip))
            throw WorkbookFailure{txt("kein lesbares ZIP-Archiv", "not a readable ZIP archive")};
        if (mZip.getEntriesCount() > mLimits.parts)
            throw WorkbookFailure{txt("die Arbeitsmappe hat mehr als %1 Teile", "the workbook has more than %1 parts")
                                      .arg(mLimits.parts)};
    }
    bool has(const QString& part) { return mZip.setCurrentFile(part, QuaZip::csInsensitive); }
    QStringList names() { return mZip.getFileNameList(); }

    // Hands the part to body as XML, read while body reads it.
    void parse(const QString& part, const std::function<void(QXmlStreamReader&)>& body)
    {
        QuaZipFile f(&mZip);
        const qint64 cap = openPart(part, f);
        CappedPart device(f, cap);
        device.open(QIODevice::ReadOnly);
        QXmlStreamReader xml(&device);
        body(xml);
        account(part, device, cap);
        if (xml.hasError())
            throw WorkbookFailure{txt("Teil %1: %2", "part %1: %2").arg(part, xml.errorString())};
        closePart(part, f);
    }

    // The whole part.
    QByteArray read(const QString& part)
    {
        QuaZipFile f(&mZip);
        const qint64 cap = openPart(part, f);
        CappedPart device(f, cap);
        device.open(QIODevice::ReadOnly);
        QByteArray bytes;
        char buffer[65536];
        for (qint64 n; (n = device.read(buffer, sizeof buffer)) > 0;)
            bytes.append(buffer, n);
        account(part, device, cap);
        closePart(part, f);
        return bytes;
    }

private:
    qint64 openPart(const QString& part, QuaZipFile& f)
    {
        if (!mZip.setCurrentFile(part, QuaZip::csInsensitive))
            throw WorkbookFailure{txt("Teil %1 fehlt", "part %1 is missing").arg(part)};
        const qint64 cap = std::min(mLimits.partBytes, mLimits.packageBytes - mRead);
        QuaZipFileInfo64 info;
        if (mZip.getCurrentFileInfo(&info) && info.uncompressedSize > quint64(std::max<qint64>(cap, 0)))
            tooLarge(part);
        if (!f.open(QIODevice::ReadOnly))
            throw WorkbookFailure{txt("Teil %1 ist nicht lesbar", "part %1 cannot be read").arg(part)};
        return cap;
    }
    void account(const QString& part, const CappedPart& device, qint64)
    {
        mRead += device.bytesRead();
        if (device.tooLarge)
            tooLarge(part);
        if (device.damaged)
            throw WorkbookFailure{txt("Teil %1 ist beschädigt", "part %1 is damaged").arg(part)};
    }
    void closePart(const QString& part, QuaZipFile& f)
    {
        f.close();
        if (f.getZipError() != UNZ_OK)
            throw WorkbookFailure{txt("Teil %1 ist beschädigt", "part %1 is damaged").arg(part)};
    }
    [[noreturn]] void tooLarge(const QString& part) const
    {
        if (mLimits.partBytes <= mLimits.packageBytes - mRead)
            throw WorkbookFailure{txt("Teil %1 ist entpackt größer als %2 MB", "part %1 inflates to more than %2 MB")
                                      .arg(part, megabytes(mLimits.partBytes))};
        throw WorkbookFailure{txt("die Arbeitsmappe ist entpackt größer als %1 MB",
                                  "the workbook inflates to more than %1 MB")
                                  .arg(megabytes(mLimits.packageBytes))};
    }

    QuaZip mZip;
    const WorkbookLimits& mLimits;
    qint64 mRead = 0;
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

QHash<QString, Relationship> readRelationships(Package& pkg, const QString& sourcePart)
{
    QHash<QString, Relationship> rels;
    const QString relsPart = relsPartOf(sourcePart);
    if (!pkg.has(relsPart))
        return rels;
    pkg.parse(relsPart, [&](QXmlStreamReader& xml) {
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
    });
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
    pkg.parse(part, [&](QXmlStreamReader& xml) {
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("si"))
                strings << readStringItem(xml);
        }
    });
    return strings;
}

// "AB12" -> row 12, column 28; false when it is not the reference of a cell
// inside the largest sheet (A1 to XFD1048576).
bool parseReference(QStringView ref, int& row, int& column)
{
    qsizetype i = 0;
    int c = 0;
    for (; i < ref.size(); ++i) {
        char16_t ch = ref[i].unicode();
        if (ch >= u'a' && ch <= u'z')
            ch = char16_t(ch - u'a' + u'A');
        if (ch < u'A' || ch > u'Z')
            break;
        if (i == 3)
            return false; // more letters than the largest column has
        c = c * 26 + (ch - u'A' + 1);
    }
    const QStringView digits = ref.mid(i);
    if (i == 0 || c > kMaxColumn || digits.isEmpty() || digits.size() > 7)
        return false;
    int r = 0;
    for (const QChar d : digits) {
        if (d < u'0' || d > u'9')
            return false;
        r = r * 10 + (d.unicode() - u'0');
    }
    if (r < 1 || r > kMaxRow)
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

// The row of a <row> element: its "r", else the one after the row before.
int rowNumber(const QXmlStreamReader& xml, int previous, const QString& part)
{
    const QStringView given = xml.attributes().value(QLatin1String("r"));
    bool ok = false;
    const int r = given.isEmpty() ? previous + 1 : given.toInt(&ok);
    if ((!given.isEmpty() && !ok) || r < 1 || r > kMaxRow)
        throw WorkbookFailure{txt("Teil %1: ungültige Zeilennummer", "part %1: bad row number").arg(part)};
    return r;
}

class CellCounter {
public:
    explicit CellCounter(qint64 limit) : mLimit(limit) {}
    void put(Worksheet& sheet, int row, int column, const QString& text)
    {
        if (text.isEmpty())
            return;
        if (++mCount > mLimit)
            throw WorkbookFailure{txt("die Arbeitsmappe hat mehr als %1 Zellen", "the workbook has more than %1 cells")
                                      .arg(mLimit)};
        sheet.setText(row, column, text);
    }

private:
    qint64 mLimit;
    qint64 mCount = 0;
};

void readSheetXml(QXmlStreamReader& xml, const QString& part, const QStringList& shared, Worksheet& sheet,
                  CellCounter& counter)
{
    int row = 0;
    int column = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("row")) {
            row = rowNumber(xml, row, part);
            column = 0;
            continue;
        }
        if (xml.name() != QLatin1String("c"))
            continue;
        const auto a = xml.attributes();
        int r = std::max(row, 1), c = column + 1;
        if (a.hasAttribute(QLatin1String("r")) ? !parseReference(a.value(QLatin1String("r")), r, c) : c > kMaxColumn)
            throw WorkbookFailure{txt("Teil %1: ungültige Zelladresse", "part %1: bad cell reference").arg(part)};
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
                throw WorkbookFailure{
                    txt("Teil %1: Text %2 fehlt", "part %1: string %2 is missing").arg(part, value.left(20))};
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
        counter.put(sheet, row, column, text);
    }
}

QString partOfType(const QHash<QString, Relationship>& rels, QLatin1String typeEnd, const QString& fallback)
{
    for (const Relationship& r : rels)
        if (r.type.endsWith(typeEnd))
            return r.target;
    return fallback;
}

void readXlsx(QIODevice& device, Workbook& book, const WorkbookLimits& limits)
{
    Package pkg(device, limits);
    pkg.open();
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
    pkg.parse(workbookPart, [&](QXmlStreamReader& xml) {
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
            if (qint64(refs.size()) >= limits.sheets)
                throw WorkbookFailure{txt("die Arbeitsmappe hat mehr als %1 Tabellenblätter",
                                          "the workbook has more than %1 worksheets")
                                          .arg(limits.sheets)};
            refs.push_back({xml.attributes().value(QLatin1String("name")).toString(), rel->target});
        }
    });
    CellCounter counter(limits.cells);
    for (const SheetRef& ref : refs) {
        auto sheet = std::make_shared<Worksheet>(ref.name);
        sheet->part = ref.part;
        pkg.parse(ref.part, [&](QXmlStreamReader& xml) { readSheetXml(xml, ref.part, shared, *sheet, counter); });
        book.sheets.push_back(sheet);
    }
}

} // namespace

std::optional<Workbook> Workbook::read(QIODevice& device, const QString& name, QString* error,
                                       const WorkbookLimits& limits)
{
    auto failWith = [&](const QString& message) -> std::optional<Workbook> {
        if (error)
            *error = message;
        return std::nullopt;
    };
    const QString shown = QDir::toNativeSeparators(name);
    const QByteArray magic = device.peek(8);
    Workbook book;
    try {
        if (magic.startsWith("PK\x03\x04")) {
            readXlsx(device, book, limits);
        } else if (magic == QByteArray::fromHex("D0CF11E0A1B11AE1")) {
            if (device.size() > limits.fileBytes)
                throw WorkbookFailure{txt("die Datei ist größer als %1 MB", "the file is larger than %1 MB")
                                          .arg(megabytes(limits.fileBytes))};
            readBinaryWorkbook(device.readAll(), book, limits);
        } else {
            return failWith(txt("Die Datei %1 ist keine Arbeitsmappe (.xlsx oder .xls).",
                                "The file %1 is not a workbook (.xlsx or .xls).")
                                .arg(shown));
        }
    } catch (const WorkbookFailure& e) {
        return failWith(
            txt("Die Arbeitsmappe %1 kann nicht gelesen werden: %2", "The workbook %1 cannot be read: %2")
                .arg(shown, e.reason));
    }
    return book;
}

std::optional<Workbook> Workbook::open(const QString& path, QString* error, const WorkbookLimits& limits)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = txt("Die Arbeitsmappe %1 kann nicht geöffnet werden: %2", "The workbook %1 cannot be opened: %2")
                         .arg(QDir::toNativeSeparators(path), f.errorString());
        return std::nullopt;
    }
    return read(f, path, error, limits);
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

// A cell text as XML character data. Characters XML cannot hold (control
// characters, CR, which a reader turns into LF, a surrogate without its pair)
// are written as Excel writes them, "_xHHHH_", and a text that looks like such
// an escape keeps its "_" by escaping it.
QString cellTextXml(const QString& text)
{
    auto isHex = [](QChar c) { return c.isDigit() || (c.toLower() >= u'a' && c.toLower() <= u'f'); };
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        const char16_t u = ch.unicode();
        const bool lone = ch.isHighSurrogate()  ? !(i + 1 < text.size() && text[i + 1].isLowSurrogate())
                          : ch.isLowSurrogate() ? !(i > 0 && text[i - 1].isHighSurrogate())
                                                : false;
        const bool escapeLike = u == u'_' && i + 6 < text.size() && text[i + 1] == u'x' && isHex(text[i + 2]) &&
                                isHex(text[i + 3]) && isHex(text[i + 4]) && isHex(text[i + 5]) && text[i + 6] == u'_';
        if (escapeLike || lone || (u < 0x20 && u != u'\t' && u != u'\n') || u == 0xFFFE || u == 0xFFFF)
            out += QStringLiteral("_x") + QString::number(u, 16).toUpper().rightJustified(4, u'0') + u'_';
        else if (u == u'&')
            out += QLatin1String("&amp;");
        else if (u == u'<')
            out += QLatin1String("&lt;");
        else if (u == u'>')
            out += QLatin1String("&gt;");
        else
            out += ch;
    }
    return out;
}

// One cell as an inline string (or empty), keeping the style of the cell it
// replaces; p is the prefix of the sheet's namespace with its ":" (or empty).
QString cellXml(const QString& p, int row, int column, const QString& text, const QString& style)
{
    QString xml = u'<' + p + QStringLiteral("c r=\"") + columnLetters(column) + QString::number(row) + u'"';
    if (!style.isEmpty())
        xml += QStringLiteral(" s=\"") + style.toHtmlEscaped() + u'"';
    if (text.isEmpty())
        return xml + QStringLiteral("/>");
    return xml + QStringLiteral(" t=\"inlineStr\"><") + p + QStringLiteral("is><") + p +
           QStringLiteral("t xml:space=\"preserve\">") + cellTextXml(text) + QStringLiteral("</") + p +
           QStringLiteral("t></") + p + QStringLiteral("is></") + p + QStringLiteral("c>");
}

QString rowXml(const QString& p, int row, const std::map<int, QString>& columns)
{
    QString xml = u'<' + p + QStringLiteral("row r=\"") + QString::number(row) + QStringLiteral("\">");
    for (const auto& [c, text] : columns)
        xml += cellXml(p, row, c, text, QString());
    return xml + QStringLiteral("</") + p + QStringLiteral("row>");
}

QString prefixOf(const QXmlStreamReader& xml)
{
    return xml.prefix().isEmpty() ? QString() : xml.prefix().toString() + u':';
}

[[noreturn]] void notWellFormed(const QString& why)
{
    throw WorkbookFailure{txt("Tabellenblatt nicht lesbar: %1", "worksheet cannot be read: %1").arg(why)};
}

// Copies a worksheet part as it stands and writes the given cells into it
// where they go: into the cell element they replace, or as new cells and rows in
// their order among those there are.
class SheetRewriter {
public:
    SheetRewriter(const QString& text, const WorkbookCells& cells) : mText(text), mXml(text)
    {
        for (const auto& [at, cellText] : cells)
            mRows[at.first][at.second] = cellText;
    }

    QString run()
    {
        while (!mXml.atEnd()) {
            mXml.readNext();
            const qsizetype end = mXml.characterOffset();
            if (mXml.tokenType() == QXmlStreamReader::DTD)
                notWellFormed(txt("Dokumenttyp-Deklaration", "document type declaration"));
            if (mXml.isStartElement())
                startElement(end);
            else if (mXml.isEndElement())
                endElement(end);
        }
        if (mXml.hasError())
            notWellFormed(mXml.errorString());
        if (!mSawSheetData)
            notWellFormed(txt("keine Zelltabelle", "no cell table"));
        copyUpTo(mText.size());
        return mOut;
    }

private:
    void copyUpTo(qsizetype at)
    {
        mOut += QStringView(mText).mid(mCopied, at - mCopied);
        mCopied = at;
    }

    // Where the tag that ends at end begins ("<" cannot stand inside a tag),
    // after checking that it is the tag of that element.
    qsizetype tagStart(qsizetype end, const QString& opening) const
    {
        const qsizetype lt = end > 0 ? mText.lastIndexOf(u'<', end - 1) : -1;
        if (lt < 0 || !QStringView(mText).mid(lt).startsWith(opening))
            notWellFormed(txt("unerwarteter Aufbau", "unexpected structure"));
        return lt;
    }

    bool selfClosing(qsizetype end) const { return end >= 2 && mText[end - 2] == u'/' && mText[end - 1] == u'>'; }

    void writePendingCells()
    {
        for (const auto& [c, cellText] : mPending)
            mOut += cellXml(mRowPrefix, mRow, c, cellText, QString());
        mPending.clear();
    }

    void writeRows()
    {
        for (const auto& [r, columns] : mRows)
            mOut += rowXml(mSheetPrefix, r, columns);
        mRows.clear();
    }

    void startElement(qsizetype end)
    {
        ++mDepth;
        const QString qname = mXml.qualifiedName().toString();
        if (!mSawSheetData && mXml.name() == QLatin1String("sheetData")) {
            mSawSheetData = true;
            mSheetDataDepth = mDepth;
            mSheetPrefix = prefixOf(mXml);
            mSheetDataEnd = end;
            tagStart(end, u'<' + qname);
        } else if (mSheetDataDepth && mDepth == mSheetDataDepth + 1 && mXml.name() == QLatin1String("row")) {
            startRow(end, qname);
        } else if (mRowDepth && mDepth == mRowDepth + 1 && mXml.name() == QLatin1String("c")) {
            startCell(end, qname);
        }
    }

    void startRow(qsizetype end, const QString& qname)
    {
        const qsizetype start = tagStart(end, u'<' + qname);
        mRow = rowNumber(mXml, mRow, QStringLiteral("sheet"));
        mColumn = 0;
        // Rows to change that have no element of their own come before this one.
        if (!mRows.empty() && mRows.begin()->first < mRow) {
            copyUpTo(start);
            while (!mRows.empty() && mRows.begin()->first < mRow) {
                mOut += rowXml(mSheetPrefix, mRows.begin()->first, mRows.begin()->second);
                mRows.erase(mRows.begin());
            }
        }
        mPending.clear();
        if (!mRows.empty() && mRows.begin()->first == mRow) {
            mPending = mRows.begin()->second;
            mRows.erase(mRows.begin());
        }
        mRowDepth = mDepth;
        mRowPrefix = prefixOf(mXml);
        if (selfClosing(end) && !mPending.empty()) {
            copyUpTo(end - 2);
            mOut += u'>';
            for (const auto& [c, cellText] : mPending)
                mOut += cellXml(mRowPrefix, mRow, c, cellText, QString());
            mOut += QStringLiteral("</") + qname + u'>';
            mCopied = end;
            mPending.clear();
        }
    }

    void startCell(qsizetype end, const QString& qname)
    {
        const qsizetype start = tagStart(end, u'<' + qname);
        const auto a = mXml.attributes();
        int r = mRow, c = mColumn + 1;
        if (a.hasAttribute(QLatin1String("r")) ? !parseReference(a.value(QLatin1String("r")), r, c) || r != mRow
                                               : c > kMaxColumn)
            notWellFormed(txt("ungültige Zelladresse", "bad cell reference"));
        mColumn = c;
        // Cells to write that have no element of their own come before this one.
        if (!mPending.empty() && mPending.begin()->first < c) {
            copyUpTo(start);
            while (!mPending.empty() && mPending.begin()->first < c) {
                mOut += cellXml(mRowPrefix, mRow, mPending.begin()->first, mPending.begin()->second, QString());
                mPending.erase(mPending.begin());
            }
        }
        const auto it = mPending.find(c);
        if (it == mPending.end())
            return;
        const QString style = a.value(QLatin1String("s")).toString();
        const bool empty = selfClosing(end);
        mXml.skipCurrentElement(); // up to and with its end tag
        const qsizetype cellEnd = empty ? end : mXml.characterOffset();
        if (!empty && !mXml.hasError())
            tagStart(cellEnd, QStringLiteral("</") + qname);
        --mDepth;
        copyUpTo(start);
        mOut += cellXml(mRowPrefix, mRow, c, it->second, style);
        mCopied = cellEnd;
        mPending.erase(it);
    }

    void endElement(qsizetype end)
    {
        if (mRowDepth && mDepth == mRowDepth) {
            if (!mPending.empty()) {
                copyUpTo(tagStart(end, QStringLiteral("</") + mRowPrefix + QStringLiteral("row")));
                writePendingCells();
            }
            mRowDepth = 0;
        } else if (mSheetDataDepth && mDepth == mSheetDataDepth) {
            if (!mRows.empty())
                endSheetData(end);
            mSheetDataDepth = 0;
        }
        --mDepth;
    }

    // The rows still to write go at the end of the cell table.
    void endSheetData(qsizetype end)
    {
        if (end == mSheetDataEnd && selfClosing(end)) {
            copyUpTo(end - 2);
            mOut += u'>';
            writeRows();
            mOut += QStringLiteral("</") + mSheetPrefix + QStringLiteral("sheetData>");
            mCopied = end;
        } else {
            copyUpTo(tagStart(end, QStringLiteral("</") + mSheetPrefix + QStringLiteral("sheetData")));
            writeRows();
        }
    }

    const QString& mText;
    QXmlStreamReader mXml;
    std::map<int, std::map<int, QString>> mRows; // cells still to write, by row and column
    QString mOut;
    qsizetype mCopied = 0; // mText up to here is in mOut
    int mDepth = 0;
    int mSheetDataDepth = 0; // while inside the cell table
    int mRowDepth = 0;       // while inside a row
    bool mSawSheetData = false;
    QString mSheetPrefix;
    QString mRowPrefix;
    qsizetype mSheetDataEnd = 0; // where the start tag of the cell table ends
    int mRow = 0;
    int mColumn = 0;
    std::map<int, QString> mPending; // cells of the current row still to write
};

} // namespace

QByteArray rewriteSheetXml(const QByteArray& source, const WorkbookCells& cells)
{
    // 1. The part's text, in the encoding it came in
    const bool bom = source.startsWith("\xEF\xBB\xBF") || source.startsWith("\xFF\xFE") ||
                     source.startsWith("\xFE\xFF");
    const QStringConverter::Encoding encoding =
        QStringConverter::encodingForData(source, u'<').value_or(QStringConverter::Utf8);
    QStringDecoder decode(encoding);
    const QString text = decode(source);
    if (decode.hasError())
        notWellFormed(txt("ungültige Zeichen", "invalid characters"));
    // 2. Changed where the cells go, copied as it stands everywhere else
    const QString out = SheetRewriter(text, cells).run();
    // 3. Back to the same encoding
    QStringEncoder encode(encoding, bom ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
    const QByteArray written = encode(out);
    // 4. What is written must read back as its bytes stand, declaration
    // included, as the program's own reader and other programs read it.
    QXmlStreamReader check(written);
    while (!check.atEnd())
        check.readNext();
    if (check.hasError())
        notWellFormed(check.errorString());
    return written;
}

namespace {

// Writes parts into a new package at target through a temporary file beside it.
void writePackage(const QString& target, const std::vector<std::pair<QString, QByteArray>>& parts)
{
    const QString temp = target + QStringLiteral(".~tmp");
    QFile::remove(temp);
    {
        QuaZip zip(temp);
        if (!zip.open(QuaZip::mdCreate))
            throw WorkbookFailure{txt("%1 kann nicht angelegt werden", "%1 cannot be created")
                                      .arg(QDir::toNativeSeparators(temp))};
        for (const auto& [name, bytes] : parts) {
            QuaZipFile f(&zip);
            if (!f.open(QIODevice::WriteOnly, QuaZipNewInfo(name)) || f.write(bytes) != bytes.size()) {
                f.close();
                zip.close();
                QFile::remove(temp);
                throw WorkbookFailure{
                    txt("Teil %1 kann nicht geschrieben werden", "part %1 cannot be written").arg(name)};
            }
            f.close();
            if (f.getZipError() != ZIP_OK) {
                zip.close();
                QFile::remove(temp);
                throw WorkbookFailure{
                    txt("Teil %1 kann nicht geschrieben werden", "part %1 cannot be written").arg(name)};
            }
        }
        zip.close();
        if (zip.getZipError() != ZIP_OK) {
            QFile::remove(temp);
            throw WorkbookFailure{txt("%1 kann nicht geschrieben werden", "%1 cannot be written")
                                      .arg(QDir::toNativeSeparators(temp))};
        }
    }
    std::error_code ec;
    std::filesystem::rename(std::filesystem::path(temp.toStdString()), std::filesystem::path(target.toStdString()),
                            ec);
    if (ec) {
        QFile::remove(temp);
        throw WorkbookFailure{QString::fromStdString(ec.message())};
    }
}

QByteArray sheetXmlOf(const Worksheet& sheet)
{
    QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
                                 "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
                                 "<sheetData>");
    std::map<int, std::map<int, QString>> rows;
    for (const auto& [at, text] : sheet.cells())
        rows[at.first][at.second] = text;
    for (const auto& [r, columns] : rows)
        xml += rowXml(QString(), r, columns);
    xml += QStringLiteral("</sheetData></worksheet>");
    return xml.toUtf8();
}

// A new package with every sheet of a binary workbook, the cells written into one.
std::vector<std::pair<QString, QByteArray>> packageOf(const Workbook& book, const Worksheet* sheet,
                                                      const WorkbookCells& cells)
{
    std::vector<std::pair<QString, QByteArray>> parts;
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
    for (const auto& s : book.sheets) {
        ++n;
        Worksheet copy = *s;
        if (s.get() == sheet)
            for (const auto& [at, text] : cells)
                copy.setText(at.first, at.second, text);
        const QString part = QStringLiteral("xl/worksheets/sheet%1.xml").arg(n);
        types += "<Override PartName=\"/" + part.toUtf8() +
                 "\" ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>";
        sheets += "<sheet name=\"" + s->name().toHtmlEscaped().toUtf8() + "\" sheetId=\"" + QByteArray::number(n) +
                  "\" r:id=\"rId" + QByteArray::number(n) + "\"/>";
        rels += "<Relationship Id=\"rId" + QByteArray::number(n) +
                "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
                "Target=\"worksheets/sheet" +
                QByteArray::number(n) + ".xml\"/>";
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
                     "<sheets>" +
                         sheets + "</sheets></workbook>"});
    parts.push_back({QStringLiteral("xl/_rels/workbook.xml.rels"),
                     "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
                     "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">" +
                         rels + "</Relationships>"});
    return parts;
}

} // namespace

bool writeXlsxCells(const QString& path, const QString& target, const QString& sheetName, const WorkbookCells& cells,
                    QString* error)
{
    try {
        const WorkbookLimits limits;
        std::optional<Workbook> book = Workbook::open(path, error, limits);
        if (!book)
            return false;
        const Worksheet* sheet = book->sheet(sheetName);
        if (!sheet)
            throw WorkbookFailure{txt("Tabelle %1 fehlt", "sheet %1 is missing").arg(sheetName)};
        std::vector<std::pair<QString, QByteArray>> parts;
        if (sheet->part.isEmpty()) {
            parts = packageOf(*book, sheet, cells);
        } else {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                throw WorkbookFailure{file.errorString()};
            Package pkg(file, limits);
            pkg.open();
            for (const QString& name : pkg.names()) {
                QByteArray bytes = pkg.read(name);
                if (name.compare(sheet->part, Qt::CaseInsensitive) == 0)
                    bytes = rewriteSheetXml(bytes, cells);
                parts.push_back({name, bytes});
            }
        }
        writePackage(target, parts);
        return true;
    } catch (const WorkbookFailure& e) {
        if (error)
            *error = txt("Die Arbeitsmappe %1 kann nicht geschrieben werden: %2",
                         "The workbook %1 cannot be written: %2")
                         .arg(QDir::toNativeSeparators(target), e.reason);
        return false;
    }
}
