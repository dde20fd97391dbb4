#include "component_entry/posstress.h"
#include "frame/workslots.h"
#include "component_entry/belastein.h"
#include "component_entry/entrysteps.h"
#include "component_entry/pruefbtdaten.h"
#include "component_entry/pruefqkbelast.h"
#include "component_file/btrecord.h"
#include "component_file/btsuch.h"
#include "dialogue/dia.h"
#include "frame/interaction.h"
#include "frame/links.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "position_line/posline.h"
#include "listing/listingfiles.h"

namespace {

QString rtrim(const QString& s)
{
    return entry::rtrim(s);
}

// The items asked again take the place of their old items in the line's stress
// data; the other old items stay where they were and new keys go behind them.
// (Appending behind the old items would leave the old values in force, as
// every reader takes the first item of a key.)
QString mergeStressData(QString list, const std::vector<StressItem>& changes)
{
    std::vector<QString> pendingRemovals;
    auto replaceOrAppend = [&list](const QString& key, const QString& value) {
        const qsizetype at = findParamKey(list, key);
        if (at < 0) {
            list += (list.isEmpty() ? QString() : QStringLiteral(",")) + key + u'=' + value;
            return;
        }
        const qsizetype from = at + key.size() + 1;
        qsizetype to = list.indexOf(u',', from);
        if (to < 0)
            to = list.size();
        list.replace(from, to - from, value);
    };
    for (const StressItem& c : changes) {
        if (c.removed) {
            pendingRemovals.push_back(c.key);
            continue;
        }
        std::erase(pendingRemovals, c.key);
        replaceOrAppend(c.key, c.value);
    }
    for (const QString& key : pendingRemovals)
        SetParam(list, key, QString());
    if (list.startsWith(u','))
        list.remove(0, 1);
    return list;
}

void showScreenListing(QString& Ret)
{
    DiaBTX(QString(), QStringLiteral("#7"), prog().ErgZeilenC, Ret);
    ErgLf(-1, 0);
}

QString addressOf(const QString& Ident)
{
    static const std::pair<const char*, QChar> kinds[] = {{"Typ", u'0'}, {"Yk", u'1'}, {"An", u'2'}};
    for (const auto& [key, digit] : kinds) {
        const QString k = QLatin1String(key);
        if (Ident.startsWith(k + u'='))
            return GetParam(Ident, k).leftJustified(18, u' ', true) + digit + u'0';
    }
    return QString();
}

void editMode(QString& Pos, int found, const QString& record, const QString& Stc, const QString& Ident,
              const QString& comment)
{
    Program& p = prog();
    const ComponentEditorLink& link = links<ComponentEditorLink>();
    if (!link.Show0)
        return;
    QString MSuch;
    if (found == 0 || found == -2) {
        // The component file could not be read: searching or creating there now
        // would work on a file that cannot be trusted.
        MsgBoxRes(QStringLiteral("53"), 0, p.LangNr, {p.WorkStr[Slot::Ident]});
        return;
    }
    if (record.isEmpty()) {
        MSuch = QStringLiteral("replace");
        if (MsgBoxRes(QStringLiteral("53"), Mb::YesNo, p.LangNr,
                      {p.WorkStr[Slot::Ident], ResText(QStringLiteral("136"), p.LangNr, false)})
            != Mb::Yes)
            return;
        if (link.setQslLine)
            link.setQslLine(QStringLiteral("Qsl:  ") + Pos);
    }
    QString Adr = addressOf(Ident);
    const QString before = Adr;
    const QString Sl = GetParam(Ident, QStringLiteral("Sl"));
    if (link.hideQslEditor)
        link.hideQslEditor();
    link.Show0(Adr, MSuch);
    if (link.showQslEditor)
        link.showQslEditor();
    if (MSuch != QLatin1String("replace") || Adr == before || Adr.size() < 19)
        return;
    const QChar kind = Adr[18];
    const QString key = kind == u'0' ? QStringLiteral("Typ=") : kind == u'1' ? QStringLiteral("Yk=") : QStringLiteral("An=");
    QString line = Stc + u',' + key + Adr.left(18).trimmed();
    if (!Sl.isEmpty())
        line += QStringLiteral(",Sl=") + Sl;
    if (!p.WorkStr[Slot::S].isEmpty())
        line += QStringLiteral(",S,") + p.WorkStr[Slot::S];
    Pos = line + comment;
}

} // namespace

void PosStressEingabe(QString& Pos, bool M_Edit)
{
    Program& p = prog();
    if (!Pos.startsWith(QLatin1String("Stck="))) {
        if (M_Edit)
            MsgBoxRes(QStringLiteral("51"), 0, p.LangNr);
        else
            MsgBoxRes(QStringLiteral("51"), 0, p.LangNr, {ResText(QStringLiteral("52"), p.LangNr, false)});
        return;
    }
    QString line, comment;
    const qsizetype bang = Pos.indexOf(u'!');
    if (bang >= 0) {
        line = Pos.left(bang);
        comment = rtrim(Pos.mid(bang));
    } else {
        line = rtrim(Pos);
    }
    const QString Qm = GetParam(line, QStringLiteral("Qm"));
    QString Stc;
    PosTrenn(line, Stc);
    QString Ident = p.WorkStr[Slot::Ident];
    SetParam(Ident, QStringLiteral("Qm"), QString());
    if (Qm == QLatin1String("Qsl")) {
        MsgBoxRes(QStringLiteral("57"), 0, p.LangNr, {Ident});
        return;
    }
    const int mode = GetParam(p.Cf, QStringLiteral("Bex")).isEmpty() ? 1 : 0;
    QString blockFile, blockText, record;
    const int found = SuchBtTsa(mode, blockFile, blockText, record);
    // A rejected item number is no record.
    if (record == QLatin1String("FehlerYk"))
        record.clear();

    if (M_Edit) {
        editMode(Pos, found, record, Stc, Ident, comment);
        return;
    }
    if (found != 1 || record.isEmpty()) {
        // Also when the component file could not be read (0) or is damaged (-2):
        // the command ends with the message instead of silently.
        MsgBoxRes(QStringLiteral("53"), 0, p.LangNr, {p.WorkStr[Slot::Ident]});
        return;
    }
    BtdTrenn(record);
    QString Ret;
    PruefBtDaten();
    showScreenListing(Ret);
    if (Ret == QLatin1String("ABBRUCH"))
        return;
    if (GetParam(p.WorkStr[Slot::GlPar], QStringLiteral("Norm")).isEmpty()) {
        QString kz;
        if (entry::menu(QStringLiteral("btx\\div"), QStringLiteral("sdmil"), kz, QString(), 2, 1) == 1)
            return;
        p.WorkStr[Slot::GlPar] = kz == QLatin1String("1") ? QStringLiteral("Norm=13") : QStringLiteral("Norm=123");
    }
    const QString oldStress = p.WorkStr[Slot::S];
    std::vector<StressItem> changes;
    BelastEin(QStringLiteral("QSL"), Ret, &changes);
    if (Ret == QLatin1String("ABBRUCH"))
        return;
    p.WorkStr[Slot::S] = mergeStressData(oldStress, changes);
    PruefQkBelast();
    showScreenListing(Ret);
    if (Ret == QLatin1String("ABBRUCH") || p.WorkStr[Slot::S].isEmpty())
        return;
    Pos = Stc + u',' + Ident + QStringLiteral(",S,") + p.WorkStr[Slot::S] + comment;
}
