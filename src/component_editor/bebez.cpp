#include "component_editor/bebez.h"
#include "frame/workslots.h"
#include "component_editor/btedit.h"
#include "component_file/btmessages.h"
#include "frame/codepage.h"
#include "frame/errptnr.h"
#include "frame/interaction.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "workbook/workbook.h"

#include <QDir>
#include <QFileInfo>
#include <map>

namespace {

int lang() { return prog().LangNr; }

QString iface(int n) { return ResStr(1740, n, lang()); }

// The column whose head (row 1) is name, else the column of its place.
int columnNamed(const Worksheet& sheet, const QString& name, int place)
{
    for (int c = 1; c <= sheet.lastColumn(); ++c)
        if (sheet.text(1, c).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return c;
    return place;
}

// Message 473 reports a database error by its number. A workbook is read as the
// database engine read spreadsheets, so its failures carry that engine's numbers.
constexpr int WorkbookNotFound = 3024;   // could not find the file
constexpr int WorkbookLocked = 3051;     // the file cannot be opened (permission, lock)
constexpr int WorkbookUnreadable = 3274; // not a workbook, or a damaged one
constexpr int SheetNotFound = 3011;      // no sheet "Tabelle1"
constexpr int WorkbookNotWritten = 3027; // the results cannot be written

int openFailureNumber(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return WorkbookNotFound;
    return info.isReadable() ? WorkbookUnreadable : WorkbookLocked;
}

QString logField(const QString& text, int width)
{
    // A longer text keeps all of it and one blank before the next field.
    return text.size() < width ? text.leftJustified(width) : text + u' ';
}

} // namespace

std::optional<QString> shortenedIcKey(const QString& key, int icMode)
{
    if (icMode == 0 || key.isEmpty() || key[0].isDigit())
        return std::nullopt;
    QString k = key;
    while (k.size() > 1 && !k[0].isDigit())
        k.remove(0, 1);
    if (!k[0].isDigit())
        return std::nullopt;
    if (icMode == 1) {
        const int family = k.left(2).toInt();
        if (k.size() < 3 || (family != 74 && family != 54))
            return std::nullopt;
    }
    return k;
}

void BeBezModel::RefOpt_Click(int index)
{
    RefBezNr = index;
    RefGewaehlt = true;
}

void BeBezModel::NeuOpt_Click(int index)
{
    NeuBezNr = index;
    NeuGewaehlt = true;
}

void BeBezModel::localise()
{
    caption = iface(0);
    cmdStart = iface(1);
    cmdClose = iface(2);
    frameCaption = {QString(), iface(3), iface(7), iface(8), iface(9)};
    RefOpt = {iface(4), iface(5), iface(6)};
    NeuOpt = {QString(), iface(5), iface(6)};
    ICOptText = {QString(), iface(10), iface(11)};
    DatNam = ResText(QStringLiteral("7"), lang(), true, oemArgs({QDir::toNativeSeparators(nativePath(file))}));
}

void BeBezModel::MenuBEBez(const QString& service)
{
    if (service == QLatin1String("can")) {
        RefBezNr = -1;
        Tag = QStringLiteral("1");
        return;
    }
    if (service != QLatin1String("ok"))
        return;
    if (NeuGewaehlt && RefGewaehlt)
        SearchBez();
    else
        MsgBoxRes(QStringLiteral("11"), 0, lang());
}

void BeBezModel::SearchBez()
{
    ErrPtnr::CallStack(QStringLiteral("[frmBEBez] Sub SearchBez()"));
    const int l = lang();
    BEBezIcModus = ICOpt[1] ? 1 : ICOpt[2] ? 2 : 0;
    InfoList& list = ui().infoList();
    list.Begin(ResText(NeuBezNr == 1 ? QStringLiteral("16") : QStringLiteral("17"), l, true));
    // The log's designations and results stand in columns.
    list.setFixedPitch(true);
    list.Add(QString());
    list.Wait(2);

    const QString path = nativePath(file);
    auto fail = [&](int number, const QString& reason) {
        MsgBoxRes(QStringLiteral("473"), 0, l,
                  {QStringLiteral("  frmBEBez: SearchBez !   "), QString::number(number), unicodeTextToOem(reason)});
    };
    QString error;
    const std::optional<Workbook> book = Workbook::open(path, &error);
    const Worksheet* sheet = book ? book->sheet(QStringLiteral("Tabelle1")) : nullptr;
    if (!sheet) {
        if (book)
            error = QStringLiteral("Tabelle1$: ") + QDir::toNativeSeparators(path);
        fail(book ? SheetNotFound : openFailureNumber(path), error);
        Tag = QStringLiteral("1");
        return;
    }
    const int colC = columnNamed(*sheet, QStringLiteral("c"), 3);
    const int colD = columnNamed(*sheet, QStringLiteral("d"), 4);
    const int colE = columnNamed(*sheet, QStringLiteral("e"), 5);

    // The editor that RunAddBez works in, loaded without its window.
    BtEditModel editor;
    editor.Form_Load();
    WorkbookCells results;
    bool cancelled = false;
    for (int r = 2; r <= sheet->lastRow(); ++r) {
        const QString a = sheet->text(r, 1).trimmed().toUpper();
        const QString b = sheet->text(r, 2).trimmed().toUpper();
        const QString c = sheet->text(r, 3).trimmed().toLower();
        if (c != QLatin1String("x"))
            continue;
        if (list.Canceled()) {
            list.Wait(-1);
            list.Finish();
            cancelled = true;
            break;
        }
        QString key = a;
        bool shortened = false;
        QString result = editor.RunAddBez(key, RefBezNr, b, NeuBezNr, DatInEx, false);
        if (RefBezNr == 0 && result.startsWith(QLatin1String("nv")) && BEBezIcModus != 0) {
            if (const std::optional<QString> k = shortenedIcKey(key, BEBezIcModus)) {
                key = *k;
                shortened = true;
                result = editor.RunAddBez(key, RefBezNr, b, NeuBezNr, DatInEx, true);
            }
        }
        QString d;
        if (result.size() >= 2 && QStringLiteral("inex").contains(result.right(2))) {
            d = result.right(2);
            result.chop(2);
        }
        const QString e = shortened && result == QLatin1String("ok") ? key : QStringLiteral(" ");
        // Each result goes into the row it came from.
        results[{r, colC}] = result;
        results[{r, colD}] = d;
        results[{r, colE}] = e;
        list.Add(logField(a, 20) + logField(b, 20) +
                 result.leftJustified(8, u' ', true) + d);
    }

    // The workbook is written once, also after a cancel: through a temporary
    // file, so a failure leaves it as it was. A binary workbook keeps its file;
    // its results go to an .xlsx of the same name beside it.
    if (!results.empty()) {
        const QFileInfo info(path);
        resultFile = info.suffix().compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0 || sheet->part.size() > 0
                         ? path
                         : info.dir().filePath(info.completeBaseName() + QStringLiteral(".xlsx"));
        if (!writeXlsxCells(path, resultFile, QStringLiteral("Tabelle1"), results, &error)) {
            fail(WorkbookNotWritten, error);
            resultFile.clear();
        } else if (resultFile != path) {
            btMessage(QStringLiteral("bebezxlsx"),
                      QStringLiteral("Die Ergebnisse stehen in der Arbeitsmappe@/@1@/Die Datei @2 bleibt unverändert."),
                      QStringLiteral("The results are in the workbook@/@1@/The file @2 stays unchanged."),
                      {unicodeTextToOem(QDir::toNativeSeparators(resultFile)),
                       unicodeTextToOem(QDir::toNativeSeparators(path))});
        }
    }
    if (!cancelled) {
        list.Add(QString());
        list.Add(ResText(QStringLiteral("8"), l, true));
        list.Wait(0, true);
    }
    Tag = QStringLiteral("1");
}

void frmBEBez::Run()
{
    ErrPtnr::CallStack(QStringLiteral("[frmBEBez] Sub Run()"));
    Program& p = prog();
    BeBezModel m;
    Question open;
    open.key = QStringLiteral("be.add");
    open.text = ResStr(1707, 0, p.LangNr);
    const Answer chosen = ui().askOpenFile(open, FileParams{QString(), QString(), workbookFileFilter()});
    if (chosen.cancelled || chosen.text.isEmpty() || chosen.text == QLatin1String("ABBRUCH")) {
        ui().beep();
        return;
    }
    m.file = chosen.text;
    if (!p.WorkStr[Slot::ProgramDir].isEmpty())
        QDir::setCurrent(nativePath(p.WorkStr[Slot::ProgramDir]));
    m.localise();
    Question q;
    q.key = QStringLiteral("frmBEBez");
    q.text = m.caption;
    while (m.Tag == QLatin1String("0")) {
        const Answer a = ui().askDesignationMatch(q, m);
        m.MenuBEBez(a.cancelled ? QStringLiteral("can") : a.text);
    }
}
