#include "component_file/awsedit.h"
#include "frame/workslots.h"
#include "frame/codepage.h"
#include "frame/interaction.h"
#include "frame/numbers.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"

namespace {
constexpr int kMaxTyped = 6;
}

QString AwsEditModel::widthList() const
{
    return QStringLiteral("1=4,2=4,3=1,4=6,5=5,6=4,7=5,8=40,9=6,10=6");
}

void AwsEditModel::openDatabase()
{
    Program& p = prog();
    p.AwsDb.reset();
    auto db = Database::open(joinDesignPath(p.WorkStr[Slot::AwsDir], QStringLiteral("ARAWS.sqlite")), false);
    // The editor holds the list exclusively while it is open: the lock taken here
    // is kept until the database is closed, so no other copy of the program reads
    // half-edited values or writes over them; a list in use fails here.
    db->execute(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"));
    db->execute(QStringLiteral("BEGIN EXCLUSIVE"));
    db->execute(QStringLiteral("COMMIT"));
    p.AwsDb = std::move(db);
    Geaendert = false;
}

Database* AwsEditModel::database()
{
    return prog().AwsDb.get();
}

void AwsEditModel::close()
{
    prog().AwsDb.reset();
}

void AwsEditModel::rowFilled(int row)
{
    const GridRow& r = rows[size_t(row - 1)];
    AltWerte.push_back({float(cellValue(r[ColArmin])), float(cellValue(r[ColArmax]))});
}

void AwsEditModel::groupLoaded()
{
    // AltWerte was refilled row by row; the editing starts on the first AR min.
    Row = 1;
    Col = ColArmin;
    EditZeile = 1;
    EditSpalte = ColArmin;
}

void AwsEditModel::MenuAWS(const QString& cmd, bool MNeulad)
{
    if (cmd == QLatin1String("gr")) {
        const QString r = chooseGroup(QStringLiteral("aws"));
        if (r != QLatin1String("ABBRUCH"))
            SetDoc(r);
    } else if (cmd == QLatin1String("save")) {
        save(MNeulad);
    } else if (cmd == QLatin1String("load") || cmd == QLatin1String("can")) {
        if (Geaendert) {
            // A refused save keeps the window and the edits: the user corrects them.
            if (MsgBoxRes(QStringLiteral("118"), Mb::YesNo, prog().LangNr) == Mb::Yes && !save(false))
                return;
            Geaendert = false;
        }
        if (cmd == QLatin1String("load"))
            SetDoc(groupText);
        else
            Tag = QStringLiteral("1");
    }
}

bool AwsEditModel::minAboveMax(int row)
{
    // An empty cell is a rate not given yet, not a rate of 0.
    if (cell(row, ColArmin).trimmed().isEmpty() || cell(row, ColArmax).trimmed().isEmpty())
        return false;
    const double min = cellValue(cell(row, ColArmin));
    const double max = cellValue(cell(row, ColArmax));
    if (!(min > max))
        return false;
    Row = row;
    Col = ColArmax;
    EditZeile = Row;
    EditSpalte = Col;
    const QString which = cell(row, 0).trimmed() + cell(row, 1).trimmed() + QStringLiteral("  ") + cell(row, 7).trimmed();
    MsgBoxRes(QStringLiteral("503"), Mb::OKOnly, prog().LangNr,
              {cell(row, ColArmin), cell(row, ColArmax), unicodeTextToOem(which)});
    return true;
}

bool AwsEditModel::save(bool reload)
{
    // A pair of rates with the minimum above the maximum would be read by every
    // later prediction: nothing is written while one row holds such a pair.
    for (int r = 1; r <= rowCount(); ++r)
        if (minAboveMax(r))
            return false;
    setStatus(ResText(QStringLiteral("431"), prog().LangNr, true));
    updatesSent = 0;
    Database* db = database();
    try {
        // All changed rows in one transaction: a failure leaves the table as it was.
        DbTransaction t(*db);
        for (int r = 1; r <= rowCount(); ++r) {
            const float min = float(cellValue(cell(r, ColArmin)));
            const float max = float(cellValue(cell(r, ColArmax)));
            const auto& old = AltWerte[size_t(r - 1)];
            if (min == old[0] && max == old[1])
                continue;
            // The values as single precision with 7 significant digits; the row is
            // identified by its K1 as loaded, not by the rounded K1 the grid shows.
            const double vmin = readLeadingNumber(plainNumber(min, true));
            const double vmax = readLeadingNumber(plainNumber(max, true));
            db->execute(QStringLiteral("UPDATE [ARMILQRM] SET [Armin] = ?, [Armax] = ? WHERE [BacTec] = ? "
                                       "AND [K1] IS ? AND ([Armin] IS NOT ? OR [Armax] IS NOT ?)"),
                        {vmin, vmax, cell(r, 0) + cell(r, 1), k1Loaded[size_t(r - 1)], vmin, vmax});
            ++updatesSent;
        }
        t.commit();
    } catch (const DbError& e) {
        // Nothing was written; the edits stay on screen and unsaved.
        setStatus(QString());
        databaseError(QStringLiteral("MenuAWS"), e);
        return false;
    }
    setStatus(QString());
    Geaendert = false;
    Row = rowCount();
    if (reload) {
        const QString g = AktGruppe;
        AktGruppe.clear();
        SetDoc(g);
    }
    return true;
}

void AwsEditModel::AwsTrim(bool& res)
{
    QString t = current();
    while (t.endsWith(u','))
        t.chop(1);
    if (t.isEmpty())
        t = QStringLiteral("0");
    current() = t;
    if (t.count(u',') >= 2) {
        MsgBoxRes(QStringLiteral("68"), Mb::OKOnly, prog().LangNr);
        res = false;
        return;
    }
    // The maximum is typed after the minimum: a maximum below the row's minimum
    // is refused where it is typed (a minimum may rise above the old maximum
    // until its maximum follows; the save refuses a pair left that way).
    if (Col == ColArmax && minAboveMax(Row)) {
        res = false;
        return;
    }
    Geaendert = true;
    EditAktiv = false;
    res = true;
}

bool AwsEditModel::askAndCheck()
{
    if (MsgBoxRes(QStringLiteral("103"), Mb::YesNo, prog().LangNr) == Mb::No)
        current() = AltText;
    bool res = false;
    AwsTrim(res);
    return res;
}

void AwsEditModel::keyPress(QChar c)
{
    if (rows.empty() || Col < ColArmin)
        return;
    const char16_t u = c.unicode();
    if ((u >= '0' && u <= '9') || u == '.' || u == ',') {
        if (!EditAktiv) {
            AltText = current();
            current().clear();
            EditAktiv = true;
        }
        if (current().size() < kMaxTyped)
            current() += u == '.' ? QChar(u',') : c;
    } else if (u == 8) {
        if (!EditAktiv) {
            AltText = current();
            EditAktiv = true;
        }
        current().chop(1);
    } else if (u == 13) {
        if (EditAktiv) {
            bool res = false;
            AwsTrim(res);
            if (!res)
                return;
        }
        if (Col == ColArmin) {
            Col = ColArmax;
            EditSpalte = Col;
        } else if (Col == ColArmax && Row < rowCount()) {
            ++Row;
            Col = ColArmin;
            EditZeile = Row;
            EditSpalte = Col;
            if (TopRow + SeitenZeilen - 1 < Row)
                ++TopRow;
        }
    } else if (u == 27) {
        if (EditAktiv) {
            current() = AltText;
            EditAktiv = false;
        }
    }
}

bool AwsEditModel::keyDown(int code)
{
    if (code == KeyDelete) {
        if (rows.empty() || Col < ColArmin)
            return false;
        if (!EditAktiv) {
            AltText = current();
            EditAktiv = true;
        }
        current().clear();
        return false;
    }
    if (!EditAktiv)
        return true;
    if (code >= KeyPageUp && code <= KeyDown) {
        const int r0 = Row, c0 = Col;
        Row = EditZeile;
        Col = EditSpalte;
        if (!askAndCheck())
            return false; // a refused cell stays current, as after a click
        Row = r0;
        Col = c0;
        return true;
    }
    return code == KeyBack || (code >= '0' && code <= '9');
}

void AwsEditModel::cellMoved(int row, int col)
{
    Row = row;
    Col = col;
    EditZeile = row;
    EditSpalte = col;
}

void AwsEditModel::click(int row, int col)
{
    Row = row;
    Col = col;
    if (EditAktiv && (row != EditZeile || col != EditSpalte)) {
        Row = EditZeile;
        Col = EditSpalte;
        if (!askAndCheck())
            return;
        Row = row;
        Col = col;
    }
    EditZeile = Row;
    EditSpalte = Col;
}

void AwsEditModel::scroll(int a)
{
    if (!EditAktiv) {
        TopRow = a;
        return;
    }
    int top = a;
    if (EditZeile > top + SeitenZeilen - 1)
        top = EditZeile - SeitenZeilen + 1;
    else if (EditZeile < top)
        top = EditZeile;
    if (top == a) {
        TopRow = a;
        return;
    }
    TopRow = top;
    Row = EditZeile;
    Col = EditSpalte;
    if (MsgBoxRes(QStringLiteral("103"), Mb::YesNo, prog().LangNr) == Mb::No) {
        current() = AltText;
        bool res = false;
        AwsTrim(res);
        return;
    }
    bool res = false;
    AwsTrim(res);
    if (res)
        TopRow = a;
}

void AwsEditModel::cmdClick(const QString& key)
{
    if (EditAktiv && !askAndCheck())
        return;
    MenuAWS(key, key == QLatin1String("save"));
}

namespace frmAWSedit {
void Show0()
{
    AwsEditModel model;
    model.FormLoad();
    if (model.Tag != QLatin1String("1")) {
        Question q;
        q.key = QStringLiteral("frmAWSedit");
        ui().askRateTable(q, model, true);
    }
    model.close();
}
} // namespace frmAWSedit
