// Builds the demo data of an installation from the readable text in data/demo:
// the internal component file (merged from components.blk exactly as the
// "/mb" batch merges a block file), the Q-list database "A" with its Q-list
// files (stored as the Q-list editor stores them), and the demo workbooks (a
// parts list to import and a special failure-rate list) from their cell text.
// Usage:
//   tarn_demo_data <installation directory> <data/demo directory>
#include "app/links.h"
#include "component_file/btdatei.h"
#include "component_file/mixbt.h"
#include "frame/codepage.h"
#include "frame/interaction.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/tarnstart.h"
#include "qlist/qldb.h"
#include "qlist/qslfile.h"
#include "qlist/qslhead.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>
#include <cstdio>

namespace {
bool fail(const char* what)
{
    std::fprintf(stderr, "tarn_demo_data: %s\n", what);
    return false;
}

bool buildComponentFile(const QString& demo, BatchInteraction& ui)
{
    Program& p = prog();
    QDir(nativePath(p.BinDir)).removeRecursively();
    QDir().mkpath(nativePath(p.BinDir));
    QString header;
    if (!InitInh(p.BinDir, header))
        return fail("cannot make the component file");
    MixBt(QStringLiteral("be.mixbl"), QDir(demo).absoluteFilePath(QStringLiteral("components.blk")), std::nullopt);
    for (const QString& line : ui.logged)
        std::fprintf(stderr, "%s\n", qPrintable(line));
    return true;
}

bool buildQlists(const QString& demo)
{
    Program& p = prog();
    const QString letter = QStringLiteral("A");
    QDir(nativePath(p.WorkStr[13])).removeRecursively();
    const QString folder = p.WorkStr[15] + letter;
    QDir().mkpath(nativePath(folder));
    Create_Db(folder);
    const QDir dir(QDir(demo).filePath(QStringLiteral("qlists")));
    for (const QString& name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::ReadOnly))
            return fail("cannot read a Q-list text");
        QStringList lines = fromAnsi(f.readAll()).split(QStringLiteral("\r\n"));
        while (!lines.isEmpty() && lines.back().isEmpty())
            lines.removeLast();
        const QString ln = name.left(5);
        const QString path = QslPfad(letter, ln);
        QDir().mkpath(QString(path.left(path.lastIndexOf(u'\\'))).replace(u'\\', u'/'));
        writeQslFile(path, lines);
        if (!KopfToRec(path) || SaveRec_Db(letter, folder) != 1)
            return fail("cannot store a Q-list");
    }
    // Database "V": enough Q-lists for the browser to page through, with deleted
    // numbers. Database "A" stays the small example the other demos name.
    const QString browseLetter = QStringLiteral("V");
    const QString browseFolder = p.WorkStr[15] + browseLetter;
    QDir().mkpath(nativePath(browseFolder));
    Create_Db(browseFolder);
    QFile more(QDir(demo).filePath(QStringLiteral("qlist-directory.txt")));
    if (!more.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail("cannot read the Q-list directory text");
    for (const QString& line : QString::fromUtf8(more.readAll()).split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList parts = line.split(u'\t');
        const QString ln = parts.value(0);
        const QString path = QslPfad(browseLetter, ln);
        QDir().mkpath(QString(path.left(path.lastIndexOf(u'\\'))).replace(u'\\', u'/'));
        if (parts.value(1) == QLatin1String("FREI")) {
            writeQslFile(path, {QStringLiteral("Typ=FREI")});
            p.QslRec = {};
            p.QslRec[1] = ln;
            p.QslRec[2] = QStringLiteral("*");
            if (SaveRec_Db(browseLetter, browseFolder) != 1)
                return fail("cannot store a deleted Q-list");
            continue;
        }
        writeQslFile(path, {parts.value(1), parts.value(2), QStringLiteral("Stck=1,Typ=R-1K")});
        if (!KopfToRec(path) || SaveRec_Db(browseLetter, browseFolder) != 1)
            return fail("cannot store a Q-list of the directory text");
    }
    return true;
}
// One worksheet of a demo workbook: rows of cell texts.
struct DemoSheet {
    QString name;
    QList<QStringList> rows;
};

// Reads the tab-separated text of a demo workbook ("[name]" starts a sheet, "#"
// a comment line).
std::vector<DemoSheet> readWorkbookText(const QString& file)
{
    std::vector<DemoSheet> sheets;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return sheets;
    for (const QString& line : QString::fromUtf8(f.readAll()).split(u'\n')) {
        if (line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            sheets.push_back({line.mid(1, line.size() - 2), {}});
            continue;
        }
        if (!sheets.empty() && !line.isEmpty())
            sheets.back().rows << line.split(u'\t');
    }
    return sheets;
}

QString columnName(int column)
{
    QString name;
    for (; column > 0; column = (column - 1) / 26)
        name.prepend(QChar(u'A' + (column - 1) % 26));
    return name;
}

bool isPlainNumber(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    return re.match(text).hasMatch();
}

bool addPart(QuaZip& zip, const QString& name, const QString& xml)
{
    QuaZipFile f(&zip);
    if (!f.open(QIODevice::WriteOnly, QuaZipNewInfo(name)))
        return false;
    const QByteArray bytes = QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n") +
                             xml.toUtf8();
    const bool ok = f.write(bytes) == bytes.size();
    f.close();
    return ok && f.getZipError() == ZIP_OK;
}

// Writes the sheets as a plain Office Open XML workbook: numbers as numbers,
// every other text as an inline string.
bool writeWorkbook(const QString& path, const std::vector<DemoSheet>& sheets)
{
    const QString main = QStringLiteral("http://schemas.openxmlformats.org/spreadsheetml/2006/main");
    const QString rel = QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");
    const QString pkgRel = QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships");
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdCreate))
        return false;
    bool ok = true;
    QString types, list, rels;
    for (size_t i = 0; i < sheets.size(); ++i) {
        QString data;
        for (int r = 0; r < sheets[i].rows.size(); ++r) {
            data += QStringLiteral("<row r=\"%1\">").arg(r + 1);
            const QStringList& cells = sheets[i].rows[r];
            for (int c = 0; c < cells.size(); ++c) {
                if (cells[c].isEmpty())
                    continue;
                const QString ref = columnName(c + 1) + QString::number(r + 1);
                if (isPlainNumber(cells[c]))
                    data += QStringLiteral("<c r=\"%1\"><v>%2</v></c>").arg(ref, cells[c]);
                else
                    data += QStringLiteral("<c r=\"%1\" t=\"inlineStr\"><is><t xml:space=\"preserve\">%2</t></is></c>")
                                .arg(ref, cells[c].toHtmlEscaped());
            }
            data += QStringLiteral("</row>");
        }
        const QString n = QString::number(i + 1);
        ok = ok && addPart(zip, QStringLiteral("xl/worksheets/sheet%1.xml").arg(n),
                           QStringLiteral("<worksheet xmlns=\"%1\"><sheetData>%2</sheetData></worksheet>").arg(main, data));
        types += QStringLiteral("<Override PartName=\"/xl/worksheets/sheet%1.xml\" ContentType=\"application/"
                                "vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>")
                     .arg(n);
        list += QStringLiteral("<sheet name=\"%1\" sheetId=\"%2\" r:id=\"rId%2\"/>").arg(sheets[i].name.toHtmlEscaped(), n);
        rels += QStringLiteral("<Relationship Id=\"rId%1\" Type=\"%2/worksheet\" Target=\"worksheets/sheet%1.xml\"/>")
                    .arg(n, rel);
    }
    ok = ok &&
         addPart(zip, QStringLiteral("[Content_Types].xml"),
                 QStringLiteral("<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                                "<Default Extension=\"rels\" ContentType=\"application/"
                                "vnd.openxmlformats-package.relationships+xml\"/>"
                                "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
                                "<Override PartName=\"/xl/workbook.xml\" ContentType=\"application/"
                                "vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>%1</Types>")
                     .arg(types)) &&
         addPart(zip, QStringLiteral("_rels/.rels"),
                 QStringLiteral("<Relationships xmlns=\"%1\"><Relationship Id=\"rId1\" Type=\"%2/officeDocument\" "
                                "Target=\"xl/workbook.xml\"/></Relationships>")
                     .arg(pkgRel, rel)) &&
         addPart(zip, QStringLiteral("xl/workbook.xml"),
                 QStringLiteral("<workbook xmlns=\"%1\" xmlns:r=\"%2\"><sheets>%3</sheets></workbook>").arg(main, rel, list)) &&
         addPart(zip, QStringLiteral("xl/_rels/workbook.xml.rels"),
                 QStringLiteral("<Relationships xmlns=\"%1\">%2</Relationships>").arg(pkgRel, rels));
    zip.close();
    return ok && zip.getZipError() == ZIP_OK;
}

// The demo workbooks: every "<name>.txt" of data/demo/workbooks becomes
// "demo/<name>.xlsx" of the installation.
bool buildWorkbooks(const QString& demo, const QString& dist)
{
    const QDir in(QDir(demo).filePath(QStringLiteral("workbooks")));
    const QDir out(QDir(dist).filePath(QStringLiteral("demo")));
    QDir().mkpath(out.path());
    for (const QString& name : in.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        const std::vector<DemoSheet> sheets = readWorkbookText(in.filePath(name));
        const QString target = out.filePath(QFileInfo(name).completeBaseName() + QStringLiteral(".xlsx"));
        QFile::remove(target);
        if (sheets.empty() || !writeWorkbook(target, sheets))
            return fail("cannot write a demo workbook");
    }
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return fail("usage: tarn_demo_data <installation> <demo data>") ? 0 : 2;
    const QString dist = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QString demo = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    const LinkSet links = wireLinks();
    const LinkSet::Installation linksInstalled(links);
    Program program;
    installProgram(&program);
    BatchInteraction ui;
    program.ui = &ui;
    const StartResult start = Main(QDir(dist).filePath(QStringLiteral("tarn")), QString());
    int rc = 0;
    if (start.action == StartAction::End)
        rc = 1;
    else if (!buildComponentFile(demo, ui) || !buildQlists(demo) || !buildWorkbooks(demo, dist))
        rc = 1;
    installProgram(nullptr);
    return rc;
}
