#include "component_editor/btedit.h"
#include "frame/workslots.h"
#include "component_file/btdatei.h"
#include "component_file/btmessages.h"
#include "component_file/btrecord.h"
#include "component_file/btstore.h"
#include "component_file/btsuch.h"
#include "dialogue/beprogein.h"
#include "frame/codepage.h"
#include "frame/database.h"
#include "frame/editvar.h"
#include "frame/errors.h"
#include "frame/errptnr.h"
#include "frame/formatters.h"
#include "frame/interaction.h"
#include "frame/links.h"
#include "frame/itemnumber.h"
#include "frame/markers.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "printing/printjob.h"
#include "printing/printoutput.h"

#include <algorithm>

namespace {

int lang() { return prog().LangNr; }

QString padded(const QString& s) { return s.leftJustified(DesignationLength, u' ', true); }

bool itemNumberRejected(const QString& normalised)
{
    return normalised.startsWith(QLatin1String("Fehler!")) || normalised.startsWith(QLatin1String("Error!"));
}

// A value with "," would become a further item of the record: refused.
bool refusedForComma(const QString& item)
{
    if (!item.contains(u','))
        return false;
    btMessage(QStringLiteral("btcomma"),
              QStringLiteral("Der Wert  '@1'  enthält ein Komma und wird nicht übernommen."),
              QStringLiteral("The value  '@1'  holds a comma and is not taken."), {item});
    return true;
}

// Windows-1252 code of a typed character (the codes the key filters speak of).
int ansiCode(QChar c)
{
    if (c.unicode() < 256)
        return c.unicode();
    const QByteArray b = toAnsi(QString(c));
    return b.isEmpty() || b[0] == '?' ? -1 : uchar(b[0]);
}

const char* const kCmdDesign[BtEditModel::CmdCount] = {
    "6 #bt.save",   "7 #can",  "4 #open", "5 #bt.new", "11 #bt.copyint", "8 #bt.back",     "9 #bt.print",
    "10 #bt.copy",  "12 #bt.del", "13 #bt.prog", "24 #exit", "25 #filt", "27 #gr", "35 #search in",
    "36 #search ex", "39 #oplistbe"};
// The keys of the three designation fields in a record.
const char* const kBtKey[3] = {"Typ", "Yk", "An"};
const char* const kLabelDesign[8] = {"17", "18", "19", "14", "15", "16", "20", "Block&Index"};

} // namespace

BtEditModel::BtEditModel()
{
    mWindow.frameEnabled.fill(true);
    mWindow.frameVisible.fill(true);
    mWindow.frameVisible[FrameList] = false;
    mView.labelEnabled.fill(true);
    for (int i = 0; i < CmdCount; ++i) {
        const QString d = QString::fromLatin1(kCmdDesign[i]);
        mCmd[i].key = d.mid(d.indexOf(u'#') + 1).trimmed();
        mCmd[i].caption = mCmd[i].key;
    }
}

const QString& BtEditModel::abkList(int g) const
{
    static const QString none;
    return g >= 1 && g <= 3 ? prog().AbkListen[g] : none;
}

void BtEditModel::refresh() const
{
    Question q;
    q.key = QStringLiteral("update");
    ui().componentEditorChanged(q, *const_cast<BtEditModel*>(this));
}

void BtEditModel::hideWindow()
{
    mWindow.shown = false;
    Question q;
    q.key = QStringLiteral("hide");
    ui().componentEditorChanged(q, *this);
}

void BtEditModel::showWindow()
{
    mWindow.shown = true;
    Question q;
    q.key = QStringLiteral("show");
    ui().componentEditorChanged(q, *this);
}

// ---------------------------------------------------------------- load

void BtEditModel::Form_Load()
{
    const int l = lang();
    for (int i = 0; i < CmdCount; ++i) {
        const LocalisedCaption c = localiseCaption(QString::fromLatin1(kCmdDesign[i]), 1661);
        mCmd[i].caption = c.text;
        if (c.tag)
            mCmd[i].key = *c.tag;
        mCmd[i].toolTip = c.toolTip.value_or(QString());
    }
    for (int i = 0; i < 8; ++i)
        mView.Label1[i] = localiseCaption(QString::fromLatin1(kLabelDesign[i]), 1661).text;
    mWindow.frameCaption[Frame1] = localiseCaption(QStringLiteral("21"), 1661).text;
    mWindow.frameCaption[Frame2] = localiseCaption(QStringLiteral("22"), 1661).text;
    mWindow.frameCaption[FrameGr] = localiseCaption(QStringLiteral("26"), 1661).text;
    mWindow.frameCaption[FrameSuDat] = localiseCaption(QStringLiteral("28"), 1661).text;
    const QString head = ResStr(1661, 0, l);
    const qsizetype dash = head.indexOf(QLatin1String(" - "));
    mRecord.KopfText = dash >= 0 ? head.left(dash + 1) : head;
    mRecord.NeuBtText = dash >= 0 ? head.mid(dash + 3) : QString();
    mWindow.caption = mRecord.KopfText;
    for (int i = 0; i < 3; ++i)
        mSearch.txAusgToolTip[i] = ResStr(1810, i, l);
    mView.designationToolTip = ResStr(1818, 0, l);
    mView.blockToolTip = ResStr(1813, 0, l);

    BTKopfZeile(0, QString(), 0);
    mRecord.BtDateiOk = InitBtDatei();
    ClearBT();
    EnableCmd(QStringLiteral("0,2,3,7,8,9,13,14"), false);
    // The list and its commands come with the search; until then they stay off.
    EnableCmd(QStringLiteral("10,11,15"), false);
    mCmd[4].visible = false;
    mCmd[5].visible = false;
    mRecord.InExWahl = 0;
    mView.InExOpt = {1, 0, 0};
    mRecord.RecCount = 0;
    mRecord.RecIdx = 0;
    mRecord.BlockRecords = QStringList{QString()};
    mWindow.width = RecordViewWidth;
    ReloadBtBlock();
}

// ---------------------------------------------------------------- dispatcher

void BtEditModel::EnableCmd(QString Numbers, bool MEnabled)
{
    for (const QString& token : Numbers.split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int i = token.trimmed().toInt(&ok);
        if (ok && i >= 0 && i < CmdCount)
            mCmd[i].enabled = MEnabled;
    }
    Numbers.clear();
}

void BtEditModel::EnableFrames(bool MEnabled)
{
    for (Frame f : {Frame1, Frame2, FrameBT, FrameCmd, FrameGr, FrameSuDat})
        mWindow.frameEnabled[f] = MEnabled;
    refresh();
}

void BtEditModel::InExOpt_Click(int index)
{
    mRecord.InExWahl = index;
    mView.InExOpt = {0, 0, 0};
    if (index >= 0 && index < 3)
        mView.InExOpt[index] = 1;
}

void BtEditModel::MenuBT(const QString& cmdStr)
{
    ErrPtnr::CallStack(QStringLiteral("[frmBtEdit] Sub MenuBT(cmdStr$)"));
    ErrPtnr::CallStackParam(QStringLiteral("cmdStr$"), cmdStr);
    ErrPtnr::guarded(QStringLiteral("frmBtEdit"), QStringLiteral("MenuBT"), false, [&] {
        if (cmdStr == QLatin1String("bt.print"))
            cmdPrint();
        else if (cmdStr == QLatin1String("bt.back"))
            cmdBack();
        else if (cmdStr == QLatin1String("bt.copyint"))
            cmdCopyInt();
        else if (cmdStr == QLatin1String("bt.copy"))
            cmdCopy();
        else if (cmdStr == QLatin1String("bt.save") || cmdStr == QLatin1String("bt.del"))
            cmdSaveDelete(cmdStr);
        else if (cmdStr == QLatin1String("bt.new"))
            cmdNew();
        else if (cmdStr == QLatin1String("exit")) {
            mRecord.SuchStop = true;
            mWindow.frameVisible[FrameList] = false;
            mWindow.width = RecordViewWidth;
        } else if (cmdStr == QLatin1String("can")) {
            if (CheckSaveBT(433))
                mWindow.Tag = QStringLiteral("1");
        } else if (cmdStr == QLatin1String("oplistbe") || cmdStr == QLatin1String("opdatlistbe")) {
            mRecord.BtDateiOk = InitBtDatei();
            if (mRecord.BtDateiOk)
                OpenBT(mList.ListBiBe, cmdStr == QLatin1String("oplistbe") ? 1 : 2, false, true);
            mCmd[15].enabled = false;
        } else if (cmdStr == QLatin1String("open"))
            cmdOpen();
        else if (cmdStr == QLatin1String("filt")) {
            // The result list comes with the search; its filter redraws it there.
            mCmd[11].enabled = false;
            mList.IdxBusy = 0;
            mList.applyFilter = true;
            if (links<BtEditLinks>().displayPage)
                links<BtEditLinks>().displayPage(*this);
        } else if (cmdStr == QLatin1String("search in") || cmdStr == QLatin1String("search ex")) {
            const std::array<QString, 3> kept = mView.BT;
            if (!CheckSaveBT(433))
                return true;
            ClearBT();
            mView.BT = kept;
            if (links<BtEditLinks>().searchStart)
                links<BtEditLinks>().searchStart(*this, cmdStr);
        } else if (cmdStr == QLatin1String("gr"))
            cmdGroup();
        else if (cmdStr == QLatin1String("bt.prog"))
            cmdProg();
        return true;
    });
    refresh();
}

void BtEditModel::cmdPrint()
{
    if (!PrInit())
        return;
    hideWindow();
    PrKopf(mWindow.caption, QString());
    if (!mView.BEName.trimmed().isEmpty()) {
        PrLf();
        const QString font = printState().font.name;
        PrFont(8.5, true, false, QStringLiteral("Arial"));
        PrText(mView.BEName);
        PrFont(10, false, false, font);
        PrLf(2);
    }
    auto plain = [](QString s) { return s.remove(u'&'); };
    for (int g = 1; g <= 3; ++g) {
        if (mView.VarBox[g].rows.isEmpty())
            continue;
        PrLf();
        PrText(plain(mView.Label1[g + 2]), QStringLiteral(":"));
        PrLf(1.5);
        for (QString row : mView.VarBox[g].rows) {
            row.replace(PiChar, PiMark);
            PrText(row, QStringLiteral("  "));
            PrLf();
        }
        PrLf(2);
    }
    PrText(plain(mView.Label1[6]), QStringLiteral(":"));
    PrLf(1.5);
    // The whole description is printed, however long it is.
    for (const QString& line : descriptionPrintLines(mView.BTBe, printState().PrSpalten)) {
        PrText(line);
        PrLf();
    }
    PrNeueSeite(true, false);
    QString title;
    PrAusgabe(title);
    showWindow();
}

QStringList BtEditModel::descriptionPrintLines(const QString& description, int columns)
{
    QString d = description.trimmed() + QStringLiteral("  ");
    d.replace(PiChar, PiMark);
    d.remove(u'\r');
    d.replace(u'\n', u' ');
    columns = std::max(columns, 4);
    QStringList lines;
    while (d.size() > columns) {
        QString rest;
        TextUmbruch(d, columns, QStringLiteral(" -.)"), rest);
        lines << d;
        if (rest.trimmed().isEmpty())
            return lines;
        d = rest + QStringLiteral("  ");
    }
    lines << d;
    return lines;
}

void BtEditModel::cmdProg()
{
    const QStringList& rows = mView.VarBox[1].rows;
    if (rows.isEmpty())
        return;
    if (!CheckSaveBT(433))
        return;
    if (rows.size() == 1) {
        mRecord.TransBez = rows[0];
    } else {
        mCmd[4].visible = false;
        mCmd[5].visible = false;
        frmBEProgEin::State& s = frmBEProgEin::state();
        s.Selbox.clear();
        for (const QString& r : rows)
            s.Selbox << r;
        mRecord.TransBez = QStringLiteral("Select");
    }
    hideWindow();
    frmBEProgEin::RunPrognoseBE(mRecord.TransBez);
    showWindow();
}

void BtEditModel::cmdGroup()
{
    mSearch.txAusg[2] = groupFieldText(
        frmBEProgEin::RunWahlBacsonst(QStringLiteral("btx\\bac"), QStringLiteral("belist"), 3, nullptr, 1));
}

QString BtEditModel::groupFieldText(QString r)
{
    if (r == QLatin1String("ABBRUCH") || r == QLatin1String("0"))
        r.clear();
    else if (r.size() >= 2 && r[1] == u'0')
        r = r.left(1);
    return r;
}

// ---------------------------------------------------------------- opening

QString BtEditModel::BtBlockNr(const QString& Badr)
{
    const QString c = Badr.right(7);
    if (c.size() < 7)
        return QString();
    return c.mid(0, 1) + c.mid(2, 2) + c.mid(5, 2);
}

void BtEditModel::ClearBT()
{
    for (int g = 1; g <= 3; ++g) {
        mView.VarBox[g].rows.clear();
        mView.VarBox[g].row = -1;
    }
    mView.BTBe.clear();
    mView.BEName.clear();
    BTKopfZeile();
    mCmd[6].enabled = false; // nothing to print
}

QString BtEditModel::OpenBT(int BiBe, int MListBE, bool M_AddBez, bool M_FindMeldung)
{
    ErrPtnr::CallStack(QStringLiteral(
        "[frmBtEdit] Function OpenBT$(BiBe%, MListBE%, M_AddBez As Boolean, M_FindMeldung As Boolean)"));
    ErrPtnr::CallStackParam(QStringLiteral("BiBe%"), BiBe);
    ErrPtnr::CallStackParam(QStringLiteral("MListBE%"), MListBE);
    ErrPtnr::CallStackParam(QStringLiteral("M_AddBez"), M_AddBez);
    ErrPtnr::CallStackParam(QStringLiteral("M_FindMeldung"), M_FindMeldung);
    return ErrPtnr::guarded(QStringLiteral("frmBtEdit"), QStringLiteral("OpenBT"), QString(), [&]() -> QString {
        Program& p = prog();
        const QString sT = mView.BT[0].toUpper(), sS = mView.BT[1].toUpper(), sA = mView.BT[2].toUpper();
        QString key;
        if (MListBE == 1) {
            static const char kinds[] = "TSA";
            key = padded(mList.listCell) + QChar(kinds[std::clamp(mList.IdxKeyKind, 0, 2)]);
        } else if (MListBE == 2) {
            const QString item = mList.datListRow.section(u',', 0, 0);
            if (item.isEmpty())
                return QString();
            const QChar letter = item[0];
            QString value = item.mid(item.indexOf(u'=') + 1);
            if (letter == u'S')
                value = SachNrForm(value);
            key = padded(value) + letter;
        } else {
            if (!sT.isEmpty())
                key = padded(sT) + u'T';
            if (!sS.isEmpty()) {
                const QString n = SachNrForm(sS);
                if (itemNumberRejected(n)) {
                    MsgBoxRes(QStringLiteral("67"), 0, p.LangNr, {sS});
                    mView.BT[0].clear();
                    mView.BT[2].clear();
                    mView.BT[1] = sS;
                    return QString();
                }
                key = padded(n) + u'S';
            }
            if (!sA.isEmpty())
                key = padded(sA) + u'A';
            if (key.isEmpty())
                return QString();
        }
        if (!CheckSaveBT(433) && !M_AddBez)
            return QString();
        mView.BT = {sT, sS, sA};
        p.WorkStr[Slot::Ident].clear();
        ClearBT();
        mRecord.RecIdx = 0;
        QString file, text, record;
        int index = 0;
        const int r = HolBtInh(BiBe, key, file, text, record, &index);
        if (r == -2) {
            if (!M_AddBez)
                MsgBoxRes(QStringLiteral("170"), 0, p.LangNr, {key, AnsiToOem(file)});
            return QStringLiteral("dbx");
        }
        if (r > 0 && !record.isEmpty() && index > 0) {
            mRecord.BlockRecords = p.BtSatz;
            if (mRecord.BlockRecords.isEmpty())
                mRecord.BlockRecords << QString();
            mRecord.BlockRecords[0].clear();
            mRecord.RecCount = p.BtSatzAnz;
            mRecord.RecIdx = index;
            p.WorkStr[Slot::SyPar] += QStringLiteral(",Badr=") + file;
            ReloadBtBlock();
            BTKopfZeile(0, BtBlockNr(file), r);
            ShowBT(mRecord.RecIdx);
            mCmd[6].enabled = true;
            return QStringLiteral("ok");
        }
        if (M_FindMeldung) {
            if (BiBe == 2)
                MsgBoxRes(QStringLiteral("53"), 0, p.LangNr, {key, QString()});
            else if (MsgBoxRes(QStringLiteral("194"), Mb::YesNo, p.LangNr, {key, QString()}) == Mb::Yes)
                MenuBT(QStringLiteral("bt.new"));
        }
        return QStringLiteral("nv");
    });
}

void BtEditModel::cmdOpen()
{
    if (mView.BTBlock.trimmed().isEmpty()) {
        OpenBT(mRecord.InExWahl, 0, false, true);
        return;
    }
    if (!CheckSaveBT(433))
        return;
    const int k = LiesBtBlock(mView.BTBlock, mRecord.InExWahl);
    if (k < 1)
        return;
    Program& p = prog();
    mRecord.BlockRecords = p.BtSatz;
    if (mRecord.BlockRecords.isEmpty())
        mRecord.BlockRecords << QString();
    mRecord.BlockRecords[0].clear();
    mRecord.RecCount = p.BtSatzAnz;
    mRecord.RecIdx = 1;
    ReloadBtBlock();
    BTKopfZeile(0, mView.BTBlock.right(5), k);
    mView.BTBlock.clear();
    if (mRecord.RecCount != 0)
        ShowBT(mRecord.RecIdx);
    EnableCmd(QStringLiteral("6,9"), true);
}

void BtEditModel::cmdBack()
{
    ClearBT();
    mRecord.AktBlAdr = mRecord.BackBlAdr;
    mRecord.AktBiBe = mRecord.BackBiBe;
    if (LiesBtBlock(mRecord.AktBlAdr, mRecord.AktBiBe) < 1)
        return;
    Program& p = prog();
    mRecord.BlockRecords = p.BtSatz;
    mRecord.BlockRecords[0].clear();
    mRecord.RecCount = p.BtSatzAnz;
    mRecord.RecIdx = mRecord.BackRecIdx;
    if (mRecord.RecIdx < mRecord.RecCount)
        ++mRecord.RecIdx;
    mRecord.RecIdx = std::clamp(mRecord.RecIdx, 1, std::max(mRecord.RecCount, 1));
    ReloadBtBlock();
    BTKopfZeile(mRecord.RecIdx, mRecord.AktBlAdr, mRecord.AktBiBe);
    if (mRecord.RecCount != 0)
        ShowBT(mRecord.RecIdx);
    EnableCmd(QStringLiteral("0,3,5,7,8"), false);
    EnableCmd(QStringLiteral("6,9"), true);
    mCmd[5].visible = false; // its place belongs to the copy button again
    InExOpt_Click(2);
}

// ---------------------------------------------------------------- saving

QString BtEditModel::composeRecord() const
{
    QString t = mView.VarBox[1].rows.isEmpty() ? QString() : [&] {
        QStringList r;
        for (const QString& row : mView.VarBox[1].rows)
            r << row.trimmed();
        return r.join(u',');
    }();
    static const char* const markers[] = {"", "", ",Q,", ",Z,"};
    for (int g = 2; g <= 3; ++g) {
        if (mView.VarBox[g].rows.isEmpty())
            continue;
        QStringList r;
        for (const QString& row : mView.VarBox[g].rows)
            r << row.trimmed();
        t += QString::fromLatin1(markers[g]) + r.join(u',');
    }
    QString d = mView.BTBe;
    d.remove(u'\r');
    d.remove(u'\n');
    if (!d.isEmpty())
        t += QStringLiteral(",B,") + d;
    t.replace(PiChar, PiMark);
    return t;
}

void BtEditModel::cmdSaveDelete(const QString& key)
{
    const bool del = key == QLatin1String("bt.del");
    mRecord.SaveResult = QStringLiteral("no");
    if (mView.VarBox[1].rows.isEmpty() || mView.VarBox[2].rows.isEmpty() || del) {
        if (mRecord.AktBlAdr.isEmpty()) {
            if (!del)
                MsgBoxRes(QStringLiteral("436"), 0, lang());
            return;
        }
        // The question names the component by its stored designations, so that
        // the user sees which one goes, then its place in the file.
        QString identity = mRecord.BlockRecords.value(mRecord.RecIdx).section(QStringLiteral(",Q,"), 0, 0).trimmed();
        if (identity.isEmpty())
            identity = mView.VarBox[1].rows.join(u',');
        identity.replace(u',', QStringLiteral(", "));
        const QString place = mRecord.AktBlAdr + QStringLiteral("   ") + mRecord.BtNrText;
        const QString what = QStringLiteral("  ") + unicodeTextToOem(identity) +
                             (identity.isEmpty() ? place : QStringLiteral("   (") + place.trimmed() + u')') +
                             QStringLiteral("  ");
        if (MsgBoxRes(QStringLiteral("435"), Mb::YesNo | Mb::DefaultButton2, lang(), {what}) != Mb::Yes)
            return;
        ClearBT();
    }
    const QString text = composeRecord();
    QString group;
    if (!text.isEmpty()) {
        QStringList q;
        for (const QString& row : mView.VarBox[2].rows)
            q << row.trimmed();
        group = GetParam(q.join(u','), QStringLiteral("Bac")).left(2);
        if (group.isEmpty()) {
            MsgBoxRes(QStringLiteral("437"), 0, lang());
            return;
        }
    }
    // A new group moves the record: into its new group and out of the old block
    // in one change, so that a refused write leaves it where it was.
    bool moving = false;
    if (!text.isEmpty() && mRecord.RecIdx > 0 && mRecord.RecIdx < mRecord.BlockRecords.size() &&
        !mRecord.AktBlAdr.isEmpty()) {
        const QString oldGroup = GetParam(mRecord.BlockRecords[mRecord.RecIdx], QStringLiteral("Bac")).left(2);
        moving = oldGroup != group;
    }
    RecordState& r = mRecord;
    r.SaveResult = moving ? MoveBt(r.AktBlAdr, r.RecIdx, r.AktBiBe, text, r.BlockRecords, r.RecCount, false)
                          : AddBt(r.AktBlAdr, r.RecIdx, r.AktBiBe, text, r.BlockRecords, r.RecCount, false);
    if (mRecord.SaveResult != QLatin1String("ok"))
        return;
    mCmd[0].enabled = false;
    if (mRecord.RecCount < 1) {
        // The block's last record is gone, and the block with it.
        mRecord.RecIdx = 0;
        mRecord.RecCount = 0;
        mRecord.BlockRecords = QStringList{QString()};
        ReloadBtBlock();
        BTKopfZeile(0, QString(), 0);
        ClearBT();
        refresh();
        return;
    }
    mRecord.RecIdx = std::clamp(mRecord.RecIdx, 1, mRecord.RecCount);
    ReloadBtBlock();
    BTKopfZeile(mRecord.RecIdx, mRecord.AktBlAdr, mRecord.AktBiBe);
    ShowBT(mRecord.RecIdx);
}

void BtEditModel::cmdCopy()
{
    if (!CheckSaveBT(434))
        return;
    mRecord.RecIdx = 0;
    mRecord.AktBlAdr.clear();
    mRecord.AktBiBe = 0;
    BTKopfZeile(mRecord.RecIdx, mRecord.AktBlAdr, mRecord.AktBiBe);
    BTNamenChange();
    mCmd[7].enabled = false;
    EnableCmd(QStringLiteral("0,6,8,9"), true);
    mWindow.focus = QStringLiteral("Cmd0");
}

void BtEditModel::cmdCopyInt()
{
    mRecord.BackBlAdr = mRecord.AktBlAdr;
    mRecord.BackRecIdx = mRecord.RecIdx;
    mRecord.BackBiBe = mRecord.AktBiBe;
    mRecord.SaveResult = QStringLiteral("no");
    mRecord.AktBlAdr.clear();
    mRecord.AktBiBe = 1;
    MenuBT(QStringLiteral("bt.save"));
    if (mRecord.SaveResult == QLatin1String("ok")) {
        EnableCmd(QStringLiteral("0,5,7,8,9"), true);
        EnableCmd(QStringLiteral("3,4"), false);
        mView.BTBlockEnabled = true;
        InExOpt_Click(1);
        // The way back takes the place of the copy button.
        mCmd[4].visible = false;
        mCmd[5].visible = true;
    } else {
        mRecord.AktBlAdr = mRecord.BackBlAdr;
        mRecord.AktBiBe = mRecord.BackBiBe;
    }
}

void BtEditModel::cmdNew()
{
    if (mRecord.InExWahl == 2)
        InExOpt_Click(0);
    if (OpenBT(1, 0, false, false) != QLatin1String("nv"))
        return;
    Program& p = prog();
    ClearBT();
    BTKopfZeile(0, QString(), 0);
    p.WorkStr[Slot::Ident].clear();
    for (int i = 0; i < 3; ++i) {
        if (mView.BT[i].trimmed().isEmpty())
            continue;
        mView.BT[i] = mView.BT[i].toUpper();
        QString value = mView.BT[i];
        if (i == 1) {
            if (itemNumberRejected(SachNrForm(mView.BT[1]))) {
                MsgBoxRes(QStringLiteral("67"), 0, p.LangNr, {mView.BT[1]});
                return;
            }
            value.remove(u' ');
        }
        p.WorkStr[Slot::Ident] += u',' + QString::fromLatin1(kBtKey[i]) + u'=' + value;
    }
    hideWindow();
    const QString r = frmBEProgEin::RunEingabe();
    mRecord.BlockRecords = QStringList{p.WorkStr[Slot::Ident].mid(1) + QStringLiteral(",Q,") + p.WorkStr[Slot::Q]};
    mRecord.RecIdx = 0;
    mRecord.RecCount = 0;
    if (r == QLatin1String("ABBRUCH")) {
        showWindow();
        return;
    }
    ShowBT(0);
    NeuBTSetup();
    EnableCmd(QStringLiteral("0,6"), true);
    mWindow.focus = QStringLiteral("Cmd0");
    if (mRecord.closeAfterEntry) {
        // The window was closed while the description was asked: the new
        // component is offered for saving before the editor ends.
        mRecord.closeAfterEntry = false;
        refresh();
        if (CheckSaveBT(433))
            mWindow.Tag = QStringLiteral("1");
    }
}

// ---------------------------------------------------------------- new and copied components

void BtEditModel::NeuBTSetup()
{
    for (Frame f : {Frame1, Frame2, FrameCmd, FrameGr, FrameList, FrameSuDat})
        mWindow.frameVisible[f] = false;
    for (int i : {2, 3, 13, 14})
        mCmd[i].visible = false;
    for (int g = 1; g <= 3; ++g) {
        mView.labelEnabled[g + 2] = false;
        mView.VarBox[g].enabled = false;
    }
    mView.BENameEnabled = false;
    mView.BTBeHighlighted = true;
    mView.BTBeEnabled = true;
    mView.descriptionPrompt = true;
    mView.descriptionPromptText = ResText(QStringLiteral("294"), lang(), true);
    mRecord.BTBeWait = true;
    mWindow.focus = QStringLiteral("BTBe");
    showWindow();
    Question q;
    q.key = QStringLiteral("frmBtEdit");
    q.text = mView.descriptionPromptText;
    const Answer a = ui().askComponentText(q, *this);
    if (!a.applied && !a.cancelled)
        mView.BTBe = a.text;
    mRecord.BTBeWait = false;
    // The whole text: a description is never cut.
    QString d = mView.BTBe;
    prog().WorkStr[Slot::B] = d;
    mView.BTBeHighlighted = false;
    mView.BTBe.clear();
    while (d.endsWith(u'\r') || d.endsWith(u'\n'))
        d.chop(1);
    if (!d.isEmpty()) {
        mRecord.BlockRecords[0] += QStringLiteral(",B,") + d;
        ShowBT(0);
    }
    mView.descriptionPrompt = false;
    for (int i : {2, 3, 13, 14})
        mCmd[i].visible = true;
    for (Frame f : {Frame1, Frame2, FrameCmd, FrameGr, FrameList, FrameSuDat})
        mWindow.frameVisible[f] = true;
    mView.BENameEnabled = true;
    for (int g = 1; g <= 3; ++g) {
        mView.labelEnabled[g + 2] = true;
        mView.VarBox[g].enabled = true;
    }
    refresh();
}

void BtEditModel::BTNamenChange()
{
    // Everything but the designation grid rests while the designations change.
    struct Kept {
        bool* flag;
        bool value;
    };
    std::vector<Kept> hidden, disabled;
    auto hide = [&](bool& visible) {
        if (visible) {
            hidden.push_back({&visible, true});
            visible = false;
        }
    };
    auto disable = [&](bool& enabled) {
        if (enabled) {
            disabled.push_back({&enabled, true});
            enabled = false;
        }
    };
    hide(mWindow.frameVisible[FrameCmd]);
    hide(mView.BtIScroll.visible);
    for (int i : {1, 0, 7, 5, 4, 14})
        hide(mCmd[i].visible);
    for (int i : {11, 10, 12})
        disable(mCmd[i].enabled);
    disable(mWindow.frameEnabled[FrameSuDat]);
    Grid& g = mView.VarBox[1];
    g.highlighted = true;
    refresh();
    MsgBoxRes(QStringLiteral("164"), 0, lang());
    int r = 0;
    while (r < g.rows.size()) {
        g.row = r;
        refresh();
        QString ret;
        frmEdit::EditVar(QStringLiteral("="), g.rows[r], ret, abkList(1), nullptr, true);
        ret = ret.trimmed();
        if (!ret.isEmpty()) {
            if (refusedForComma(ret))
                continue;
            g.rows[r] = ret;
            ++r;
        } else if (g.rows.size() == 1) {
            g.rows.clear();
            g.row = -1;
            break;
        } else {
            g.rows.removeAt(r);
        }
    }
    if (g.row >= g.rows.size())
        g.row = int(g.rows.size()) - 1;
    g.highlighted = false;
    for (const Kept& k : hidden)
        *k.flag = true;
    for (const Kept& k : disabled)
        *k.flag = true;
    refresh();
}

bool BtEditModel::CheckSaveBT(int MeldNr)
{
    try {
        if (!mCmd[0].enabled)
            return true;
        if (mView.VarBox[1].rows.isEmpty() && mView.VarBox[2].rows.isEmpty()) {
            mCmd[0].enabled = false;
            return true;
        }
        const int a = MsgBoxRes(QString::number(MeldNr), Mb::YesNoCancel, lang());
        if (a == Mb::Yes) {
            // Only a save that was made lets the caller replace the record shown.
            mRecord.SaveResult = QStringLiteral("no");
            MenuBT(QStringLiteral("bt.save"));
            return mRecord.SaveResult == QLatin1String("ok");
        }
        return a == Mb::No;
    } catch (const ProgramEndRequested&) {
        throw;
    } catch (const std::exception&) {
        return false;
    }
}

// ---------------------------------------------------------------- adding a designation

QString BtEditModel::writeForAdd()
{
    const QString text = composeRecord();
    const QString r =
        AddBt(mRecord.AktBlAdr, mRecord.RecIdx, mRecord.AktBiBe, text, mRecord.BlockRecords, mRecord.RecCount, true);
    if (r == QLatin1String("ok")) {
        mCmd[0].enabled = false;
        ReloadBtBlock();
        BTKopfZeile(mRecord.RecIdx, mRecord.AktBlAdr, mRecord.AktBiBe);
        ShowBT(mRecord.RecIdx);
    }
    return r;
}

QString BtEditModel::RunAddBez(const QString& RefBez, int RefBezNr, const QString& NeuBez, int NeuBezNr, int DatInEx,
                               bool M_Ic)
{
    mView.BT = {};
    mWindow.Tag = QStringLiteral("0");
    if (!mRecord.BtDateiOk)
        return QString();
    // An empty designation would add an empty row to the component.
    if (NeuBez.trimmed().isEmpty() || RefBezNr < 0 || RefBezNr > 2 || NeuBezNr < 1 || NeuBezNr > 2)
        return QString();
    mView.BT[NeuBezNr] = NeuBez;
    QString r = OpenBT(1, 0, true, false);
    if (r == QLatin1String("ok") || r == QLatin1String("dbx"))
        return QStringLiteral("dopin");
    mView.BT = {};
    mView.BT[NeuBezNr] = NeuBez;
    r = OpenBT(2, 0, true, false);
    if (r == QLatin1String("ok") || r == QLatin1String("dbx"))
        return QStringLiteral("dopex");
    int file = DatInEx == 2 ? 2 : 1;
    mRecord.InExWahl = file;
    for (;;) {
        mView.BT = {};
        mView.BT[RefBezNr] = RefBez;
        r = OpenBT(file, 0, true, false);
        if (r == QLatin1String("dbx"))
            return QStringLiteral("nv");
        if (r == QLatin1String("ok"))
            break;
        if (DatInEx == 0 && file == 1) {
            file = 2;
            mRecord.InExWahl = 2;
            continue;
        }
        return r;
    }
    if (M_Ic) {
        const QString record = mRecord.BlockRecords.value(mRecord.RecIdx);
        const qsizetype q = record.indexOf(QLatin1String(",Q,"));
        if (q < 0)
            return QStringLiteral("nv");
        QString section = record.mid(q + 3);
        const qsizetype z = section.indexOf(QLatin1String(",Z,"));
        if (z >= 0)
            section.truncate(z);
        if (!GetParam(section, QStringLiteral("Bac")).startsWith(u'1'))
            return QStringLiteral("nv");
    }
    const bool external = mRecord.AktBiBe == 2;
    if (external) {
        mRecord.BackBlAdr = mRecord.AktBlAdr;
        mRecord.BackRecIdx = mRecord.RecIdx;
        mRecord.BackBiBe = mRecord.AktBiBe;
        mRecord.AktBlAdr.clear();
        mRecord.AktBiBe = 1;
        if (writeForAdd() == QLatin1String("dop"))
            return QStringLiteral("dopxxx");
    }
    mView.VarBox[1].rows << (NeuBezNr == 1 ? QStringLiteral("Yk=") : QStringLiteral("An=")) + NeuBez;
    r = writeForAdd();
    return r + (external ? QStringLiteral("ex") : QStringLiteral("in"));
}

// ---------------------------------------------------------------- record display

void BtEditModel::BTKopfZeile(std::optional<int> i, std::optional<QString> blockAddress, std::optional<int> kind)
{
    if (i)
        mRecord.BtNrText = *i == 0 ? QString() : QString::number(mRecord.RecCount) + u'/' + QString::number(*i);
    if (blockAddress)
        mRecord.AktBlAdr = *blockAddress;
    if (kind)
        mRecord.AktBiBe = *kind;
    QString kindText;
    if (mRecord.AktBiBe == 1 || mRecord.AktBiBe == 2)
        kindText = ResText(mRecord.AktBiBe == 1 ? QStringLiteral("206") : QStringLiteral("207"), lang(), true) + u' ' +
                   ResText(QStringLiteral("208"), lang(), true);
    const QString block = mRecord.AktBlAdr.isEmpty() ? mRecord.NeuBtText : mRecord.AktBlAdr;
    const QString six(6, u' ');
    mWindow.caption =
        mRecord.KopfText + six + kindText + six + QStringLiteral("  Block:  ") + block + six + mRecord.BtNrText;
}

void BtEditModel::ReloadBtBlock()
{
    if (mRecord.RecCount < 1) {
        mView.BtIScroll.enabled = false;
        mView.BtIScroll.visible = false;
        return;
    }
    mView.BtIScroll.minimum = 1;
    mView.BtIScroll.maximum = mRecord.RecCount;
    mView.BtIScroll.value = std::clamp(mRecord.RecIdx, 1, mRecord.RecCount);
    mView.BtIScroll.enabled = mRecord.RecCount > 1;
    mView.BtIScroll.visible = true;
}

void BtEditModel::ShowBT(int i)
{
    Program& p = prog();
    QString record = mRecord.BlockRecords.value(i);
    BtdTrenn(record);
    BTKopfZeile(i);
    for (int g = 1; g <= 3; ++g) {
        mView.VarBox[g].rows.clear();
        mView.VarBox[g].row = -1;
        mView.BT[g - 1].clear();
    }
    mView.BTBe.clear();
    record.replace(PiMark, PiChar);
    int section = 1;
    QString description;
    while (!record.isEmpty()) {
        const QStringView two = QStringView(record).left(2);
        if (two == u"Q," || two == u"Z," || two == u"B,") {
            section = two[0] == u'Q' ? 2 : two[0] == u'Z' ? 3 : 4;
            record.remove(0, 2);
            continue;
        }
        const qsizetype comma = record.indexOf(u',');
        QString item = comma >= 0 ? record.left(comma) : record;
        record.remove(0, comma >= 0 ? comma + 1 : record.size());
        if (section == 4) {
            description += item;
            continue;
        }
        if (section == 3 && !item.startsWith(QLatin1String("Bac=")))
            item = u' ' + item.trimmed();
        mView.VarBox[section].rows << item;
        mView.VarBox[section].row = int(mView.VarBox[section].rows.size()) - 1;
    }
    if (!description.isEmpty())
        mView.BTBe = OemToAnsiIfOem(description);
    mView.BEName = links<BtEditLinks>().componentName ? OemToAnsi(links<BtEditLinks>().componentName(p.LangNr)) : QString();
    EnableCmd(QStringLiteral("2,3,7,8,13,14"), false);
    EnableCmd(QStringLiteral("4,9"), true);
    // Printing needs a component to print: an empty record view prints nothing.
    mCmd[6].enabled = !mView.VarBox[1].rows.isEmpty() || !mView.VarBox[2].rows.isEmpty();
    switch (mRecord.AktBiBe) {
    case 1:
        mCmd[4].visible = false;
        EnableCmd(QStringLiteral("7,8"), true);
        if (!mRecord.AktMSuch.isEmpty()) {
            mView.VarBox[2].enabled = mView.VarBox[3].enabled = mView.BTBeEnabled = true;
        } else {
            mWindow.frameEnabled[FrameBT] = true;
        }
        break;
    case 2:
        mCmd[4].visible = true;
        mCmd[5].visible = false;
        EnableCmd(QStringLiteral("0,7"), false);
        if (!mRecord.AktMSuch.isEmpty()) {
            mView.VarBox[2].enabled = mView.VarBox[3].enabled = mView.BTBeEnabled = false;
        } else {
            mWindow.frameEnabled[FrameBT] = false;
        }
        break;
    default:
        mCmd[4].visible = false;
        mWindow.frameEnabled[FrameBT] = true;
        break;
    }
    refresh();
}

void BtEditModel::BtIScroll_Change(int value)
{
    const int wanted = std::clamp(value, mView.BtIScroll.minimum, mView.BtIScroll.maximum);
    mView.BtIScroll.value = wanted;
    if (!CheckSaveBT(433)) {
        refresh();
        return;
    }
    if (mRecord.RecCount < 1)
        return;
    mView.BtIScroll.value = std::clamp(wanted, 1, mRecord.RecCount);
    mRecord.RecIdx = mView.BtIScroll.value;
    ShowBT(mRecord.RecIdx);
}

// ---------------------------------------------------------------- popup and field editing

void BtEditModel::ShowBTParam(int g, bool n)
{
    Program& p = prog();
    QString mil;
    if (g == 2 && n && links<BtEditLinks>().milParameters) {
        const QString bac = GetParam(p.WorkStr[Slot::Q], QStringLiteral("Bac"));
        const QString tec = GetParam(p.WorkStr[Slot::Q], QStringLiteral("Tec"));
        mil = links<BtEditLinks>().milParameters(QStringLiteral("Bac=") + bac + QStringLiteral(",Tec=") + tec);
    }
    mRecord.ParamKey.clear();
    auto inList = [](const QString& list, const QString& key) {
        return list.split(u',').contains(key);
    };
    QStringList paramCaptions, paramTags;
    for (const QString& item : abkList(g).split(u',')) {
        if (item.isEmpty())
            break;
        const qsizetype eq = item.indexOf(u'=');
        const QString key = eq >= 0 ? item.left(eq) : item;
        QString text;
        if (p.AbkRs && p.AbkRs->findFirst(QStringLiteral("Abk"), key))
            text = p.AbkRs->text(p.LangNr == 2 ? 2 : 1);
        QString marker;
        if (g == 2 && n) {
            if (inList(p.InfoParam, key))
                marker = QStringLiteral("   i         ");
            else if (inList(p.SonderParam, key))
                marker = QStringLiteral("   *        ");
            else if (inList(p.MilParam, key))
                marker = QStringLiteral("  Mil       ");
            else if (inList(mil, key))
                marker = QStringLiteral("  >>     ");
            else
                marker = QString(13, u' ');
        }
        paramCaptions << key + u'\t' + marker + text;
        paramTags << key + u',' + (eq >= 0 ? item.mid(eq + 1) : item);
    }
    // The items of the popup: edit, new (the parameter items), delete, transfer.
    bool showEdit = true, showNew = false, showDel = true, showTrans = true;
    if (n) {
        showEdit = showDel = showTrans = false;
        showNew = true;
    } else {
        if (mRecord.AktBiBe == 2)
            showEdit = showDel = false;
        if (mRecord.AktMSuch.isEmpty() || g != 1)
            showTrans = false;
    }
    QStringList topTags, topCaptions;
    const char* const tags[] = {"edit", "new", "del", "trans"};
    const int numbers[] = {1, 2, 3, 37};
    const bool show[] = {showEdit, showNew, showDel, showTrans};
    for (int k = 0; k < 4; ++k) {
        if (!show[k])
            continue;
        topTags << QString::fromLatin1(tags[k]);
        topCaptions << ResStr(1661, numbers[k], p.LangNr);
    }
    if (topTags.isEmpty())
        return;
    Question q;
    q.key = QStringLiteral("up0");
    q.choices = topCaptions;
    const Answer a = ui().askComponentPopup(q, *this, PopupParams{topTags, paramCaptions, paramTags});
    if (!a.cancelled && !a.text.isEmpty()) {
        if (topTags.contains(a.text) && a.text != QLatin1String("new"))
            up0cmd_Click(a.text);
        else if (showNew && paramTags.contains(a.text))
            up_Click(a.text);
    }
    if (mRecord.ParamKey.isEmpty())
        return;
    const int h = mView.focusGrid >= 1 && mView.focusGrid <= 3 ? mView.focusGrid : g;
    QString item;
    if (mRecord.ParamKey == QLatin1String("Gec")) {
        const QString r = frmBEProgEin::RunWahlGecsonst(0, nullptr);
        if (r != QLatin1String("ABBRUCH") && r != QLatin1String("BACK") && r != QLatin1String("HELP"))
            item = QStringLiteral("Gec=") + r;
    } else {
        frmEdit::EditVar(QStringLiteral("="), mRecord.ParamKey, item, abkList(h), nullptr, false);
    }
    if (item.isEmpty() || refusedForComma(item))
        return;
    item.replace(QLatin1String("{pi}"), QString(PiChar));
    mView.VarBox[h].rows << item;
    mView.VarBox[h].row = int(mView.VarBox[h].rows.size()) - 1;
    mCmd[0].enabled = true;
    refresh();
}

void BtEditModel::up_Click(const QString& tag)
{
    mRecord.ParamKey = tag.section(u',', 0, 0);
}

void BtEditModel::up0cmd_Click(const QString& tag)
{
    const int h = mView.focusGrid >= 1 && mView.focusGrid <= 3 ? mView.focusGrid : 1;
    Grid& grid = mView.VarBox[h];
    if (tag == QLatin1String("edit")) {
        if (grid.row < 0 || grid.row >= grid.rows.size())
            return;
        QString ret;
        frmEdit::EditVar(QStringLiteral("="), grid.rows[grid.row].trimmed(), ret, abkList(h), nullptr, false);
        if (ret.isEmpty() || refusedForComma(ret))
            return;
        ret.replace(QLatin1String("{pi}"), QString(PiChar));
        grid.rows[grid.row] = ret;
        mCmd[0].enabled = true;
    } else if (tag == QLatin1String("del")) {
        if (grid.rows.size() > 1 && grid.row >= 0) {
            grid.rows.removeAt(grid.row);
            grid.row = std::min<int>(grid.row, int(grid.rows.size()) - 1);
        } else {
            grid.rows.clear();
            grid.row = -1;
        }
        mCmd[0].enabled = true;
    } else if (tag == QLatin1String("trans")) {
        const Grid& g1 = mView.VarBox[1];
        if (g1.row < 0 || g1.row >= g1.rows.size())
            return;
        if (mRecord.AktMSuch == QLatin1String("replace")) {
            mRecord.TransBez = g1.rows[g1.row];
            if (CheckSaveBT(433)) {
                mRecord.TransOk = true;
                mWindow.Tag = QStringLiteral("1");
            }
        } else if (mRecord.AktMSuch == QLatin1String("add")) {
            if (links<BtEditLinks>().NeuPosEingabe && links<BtEditLinks>().NeuPosEingabe(g1.rows[g1.row]))
                mRecord.PosAdded = true;
        }
    }
    refresh();
}

void BtEditModel::VarBox_MouseDownRight(int g)
{
    if (mRecord.AktBiBe >= 2)
        return;
    mView.focusGrid = g;
    ShowBTParam(g, true);
}

void BtEditModel::VarBox_DblClick(int g, bool onRow)
{
    mView.focusGrid = g;
    if (g != 1 && mRecord.AktBiBe >= 2)
        return;
    if (!mView.VarBox[g].rows.isEmpty() && onRow)
        ShowBTParam(g, false);
}

void BtEditModel::VarBox_KeyDown(int g, int keyCode)
{
    if (mRecord.AktBiBe > 1)
        return;
    mView.focusGrid = g;
    Grid& grid = mView.VarBox[g];
    if (keyCode == 45) {
        ShowBTParam(g, true);
    } else if (keyCode == 46) {
        if (grid.row < 0 || grid.row >= grid.rows.size())
            return;
        if (grid.row == 0 && grid.rows.size() == 1) {
            grid.rows.clear();
            grid.row = -1;
        } else {
            grid.rows.removeAt(grid.row);
            if (grid.row >= grid.rows.size())
                grid.row = int(grid.rows.size()) - 1;
        }
        mCmd[0].enabled = true;
        refresh();
    }
}

void BtEditModel::VarBox_KeyPress(int g, QChar key)
{
    if (mRecord.AktBiBe > 1)
        return;
    mView.focusGrid = g;
    Grid& grid = mView.VarBox[g];
    if (key == u'=' || key == u'\r') {
        if (grid.row < 0) {
            ShowBTParam(g, true);
            return;
        }
        QString ret;
        frmEdit::EditVar(QStringLiteral("="), grid.rows[grid.row], ret, abkList(g), nullptr, false);
        if (ret.isEmpty() || refusedForComma(ret))
            return;
        ret.replace(QLatin1String("{pi}"), QString(PiChar));
        grid.rows[grid.row] = ret;
        mCmd[0].enabled = true;
        refresh();
    } else {
        ui().beep();
    }
}

std::optional<QChar> BtEditModel::keyPress(int field, QChar key, bool& beep)
{
    beep = false;
    const int code = ansiCode(key);
    const char16_t u = key.unicode();
    if (field == Block) {
        if ((u >= u'0' && u <= u'9') || u == 3 || u == 8 || u == 22 || u == 24)
            return key;
        return std::nullopt;
    }
    if (key == u',' || key == u'=') {
        beep = true;
        return std::nullopt;
    }
    if (field == Description) {
        if (u == 13) {
            mRecord.BTBeWait = false;
            return key;
        }
        std::optional<QChar> out;
        if (u == 16)
            out = PiChar;
        else if (u == 3 || u == 8)
            out = key;
        else if ((code >= 32 && code <= 194) || (code >= 196 && code <= 253))
            out = key;
        if (!out) {
            beep = true;
            return std::nullopt;
        }
        mCmd[0].enabled = true;
        return out;
    }
    // Designation fields.
    if (u == 13) {
        if (mCmd[2].enabled)
            MenuBT(QStringLiteral("open"));
        return std::nullopt;
    }
    if (u == 3 || u == 8 || u == 22 || u == 24)
        return key;
    if ((code >= 32 && code <= 194) || (code >= 196 && code <= 253) || code == 255) {
        const QChar oem = unicodeToOem(key);
        if (!oem.isNull())
            return oem;
    }
    beep = true;
    return std::nullopt;
}

QString BtEditModel::filterPaste(int field, const QString& text, bool& beep) const
{
    beep = false;
    QString out;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const int code = ansiCode(c);
        if (field == Block) {
            if (u >= u'0' && u <= u'9')
                out += c;
            continue;
        }
        if (field == Description && (u == u'\r' || u == u'\n' || u == u'\t')) {
            out += u == u'\t' ? QChar(u' ') : c;
            continue;
        }
        bool taken = c != u',' && c != u'=' && ((code >= 32 && code <= 194) || (code >= 196 && code <= 253));
        if (taken && field != Description)
            taken = !unicodeToOem(c).isNull();
        if (c == PiChar && field == Description)
            taken = true;
        if (taken)
            out += c;
        else
            beep = true;
    }
    return out;
}

void BtEditModel::BT_Change(int i, const QString& text)
{
    if (i < 0 || i > 2)
        return;
    mView.BT[i] = text;
    if (mView.BT[0].trimmed().isEmpty() && mView.BT[1].trimmed().isEmpty() && mView.BT[2].trimmed().isEmpty()) {
        EnableCmd(QStringLiteral("2,3,13,14"), false);
    } else {
        mView.BTBlock.clear();
        // Typing a designation uses the designation area.
        mSearch.EingabeBereich = 1;
        mSearch.chkSuch = {};
        EnableCmd(QStringLiteral("2,3"), true);
        if (links<BtEditLinks>().searchStart)
            EnableCmd(QStringLiteral("13,14"), true);
        if (mWindow.frameVisible[FrameList])
            mCmd[15].enabled = false;
    }
}

void BtEditModel::BT_GotFocus(int i)
{
    mSearch.txAusg[0].clear();
    mSearch.txAusg[1].clear();
    mSearch.chkSuch = {};
    mSearch.EingabeBereich = 1;
    if (i >= 0 && i <= 2 && !mView.BT[i].trimmed().isEmpty()) {
        mView.BTBlock.clear();
        EnableCmd(QStringLiteral("2,3"), true);
        if (links<BtEditLinks>().searchStart)
            EnableCmd(QStringLiteral("13,14"), true);
    }
}

void BtEditModel::BTBlock_Change(const QString& text)
{
    mView.BTBlock = text;
    if (!text.trimmed().isEmpty())
        mView.BT = {};
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (ok && v >= 11000 && v <= 99999) {
        mCmd[2].enabled = true;
        mWindow.focus = QStringLiteral("Cmd2");
    } else {
        mCmd[2].enabled = false;
    }
}

bool BtEditModel::Form_QueryUnload()
{
    if (mRecord.BTBeWait) {
        // Closing while a new component's description is asked ends the entry;
        // the component is then offered for saving before the editor ends.
        mRecord.BTBeWait = false;
        mRecord.closeAfterEntry = true;
        return false;
    }
    if (mWindow.Tag == QLatin1String("0")) {
        // Unsaved changes are offered for saving, as with "Exit".
        if (!CheckSaveBT(433))
            return false;
    }
    mWindow.Tag = QStringLiteral("1");
    return true;
}

bool BtEditModel::loadForShow(const QString& qslLine)
{
    mWindow.Tag = QStringLiteral("0");
    Form_Load();
    if (!mRecord.BtDateiOk) {
        mWindow.Tag = QStringLiteral("1");
        return false;
    }
    mRecord.TransBez.clear();
    mRecord.AktMSuch.clear();
    mView.QslLine = qslLine;
    mWindow.shown = true;
    return true;
}

void BtEditModel::startWith(const QString& Adr, const QString& MSuch)
{
    if (!Adr.isEmpty()) {
        const int kind = std::clamp(Adr.mid(DesignationLength, 1).toInt(), 0, 2);
        mView.BT[kind] = Adr.left(DesignationLength).trimmed();
        mRecord.InExWahl = std::clamp(Adr.right(1).toInt(), 0, 2);
        if (MSuch.isEmpty())
            MenuBT(QStringLiteral("open"));
        else
            mRecord.AktMSuch = MSuch;
    } else {
        mRecord.AktMSuch = MSuch;
    }
    refresh();
}

void BtEditModel::recordEdited() { mCmd[0].enabled = true; }

void BtEditModel::BTBlock_GotFocus()
{
    mSearch.txAusg[0].clear();
    mSearch.txAusg[1].clear();
}

void BtEditModel::VarBox_GotFocus(int g) { mView.focusGrid = g; }

void BtEditModel::VarBox_RowChange(int g, int row)
{
    if (g >= 1 && g <= 3)
        mView.VarBox[g].row = row;
}

QString BtEditModel::takeFocus()
{
    QString f = mWindow.focus;
    mWindow.focus.clear();
    return f;
}

// ---------------------------------------------------------------- test states

void BtEditModel::setGridRowsForTest(int g, const QStringList& rows) { mView.VarBox[g].rows = rows; }

void BtEditModel::setBlockForTest(const QStringList& records, int count, int kind, const QString& address, int index)
{
    mRecord.BlockRecords = records;
    mRecord.RecCount = count;
    mRecord.AktBiBe = kind;
    mRecord.AktBlAdr = address;
    mRecord.RecIdx = index;
}

void BtEditModel::setInputAreaForTest(int area) { mSearch.EingabeBereich = area; }

// ---------------------------------------------------------------- Show0

bool frmBtEdit::Show0(QString& Adr, const QString& MSuch, const QString& QslLine)
{
    ErrPtnr::CallStack(QStringLiteral("[frmBtEdit] Function Show0(Optional Adr, Optional MSuch) As Boolean"));
    ErrPtnr::CallStackParam(QStringLiteral("MSuch"), MSuch);
    ErrPtnr::CallStackParam(QStringLiteral("Adr"), Adr);
    BtEditModel m;
    Question q;
    struct Unload {
        Question& q;
        BtEditModel& m;
        ~Unload()
        {
            q.key = QStringLiteral("unload");
            ui().componentEditorChanged(q, m);
        }
    };
    const bool ok = ErrPtnr::guarded(QStringLiteral("frmBtEdit"), QStringLiteral("Show0"), false, [&] {
        if (!m.loadForShow(QslLine))
            return false;
        q.key = QStringLiteral("load");
        ui().componentEditorChanged(q, m);
        return true;
    });
    if (!ok)
        return false;
    Unload unload{q, m};
    return ErrPtnr::guarded(QStringLiteral("frmBtEdit"), QStringLiteral("Show0"), false, [&] {
        m.startWith(Adr, MSuch);
        if (m.window().Tag == QLatin1String("0")) {
            q.key = QStringLiteral("frmBtEdit");
            q.text = m.window().caption;
            ui().askComponentEditor(q, m);
        }
        const BtEditModel::RecordState& r = m.record();
        if (r.TransOk) {
            static const char* const prefixes[][3] = {{"Typ=", "Typ", "00"}, {"Yk=", "Yk", "10"}, {"An=", "An", "20"}};
            for (const auto& pr : prefixes)
                if (r.TransBez.startsWith(QLatin1String(pr[0])))
                    Adr = padded(GetParam(r.TransBez, QString::fromLatin1(pr[1]))) + QString::fromLatin1(pr[2]);
        }
        return r.PosAdded;
    });
}

bool frmBtEdit::Show0()
{
    QString adr;
    return Show0(adr, QString());
}
