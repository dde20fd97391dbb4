#include "component_file/btrecord.h"
#include "frame/itemnumber.h"
#include "frame/codepage.h"
#include "frame/errors.h"
#include "frame/errptnr.h"
#include "frame/markers.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/workslots.h"

void BtdTrenn(const QString& record)
{
    auto& w = prog().WorkStr;
    for (int i = Slot::Ident; i <= Slot::B; ++i)
        w[i].clear();
    if (record.isEmpty())
        return;
    QString r = record;
    const QChar sep(4);
    bool any = false;
    for (const char* marker : {",Q,", ",Z,", ",B,"}) {
        const qsizetype p = r.indexOf(QLatin1String(marker));
        if (p >= 0) {
            r[p] = sep;
            any = true;
        }
    }
    if (!any) {
        w[Slot::Ident] = r;
        return;
    }
    const QStringList pieces = r.split(sep);
    w[Slot::Ident] = pieces.first();
    for (qsizetype i = 1; i < pieces.size(); ++i) {
        const QString& piece = pieces[i];
        if (piece.startsWith(QLatin1String("Q,")))
            w[Slot::Q] = piece.mid(2);
        else if (piece.startsWith(QLatin1String("Z,")))
            w[Slot::Z] = piece.mid(2);
        else if (piece.startsWith(QLatin1String("B,")))
            w[Slot::B] = OemToAnsiIfOem(piece.mid(2));
    }
}

QStringList blockLines(const QString& text)
{
    QStringList lines;
    qsizetype from = 0;
    while (from < text.size()) {
        qsizetype lf = text.indexOf(u'\n', from);
        const bool last = lf < 0;
        if (last)
            lf = text.size();
        qsizetype end = lf;
        if (!last && end > from && text[end - 1] == u'\r')
            --end;
        if (end > from)
            lines.append(text.mid(from, end - from));
        from = lf + 1;
    }
    return lines;
}

void ZerlegBtBlock(QString& text, QStringList& records, int& count)
{
    records.clear();
    records.append(QString()); // element 0 unused
    count = 0;
    prog().BtSatzNr = 1;
    for (const QString& line : blockLines(text)) {
        records.append(line.trimmed());
        ++count;
    }
    text.clear();
}

QString componentKey(const QString& designation, QChar kind)
{
    return designation.leftJustified(DesignationLength, u' ', true) + kind;
}

bool keySortsBelowFree(const QString& key)
{
    for (QChar c : key)
        if (c.unicode() >= EndeZeichenCode)
            return false;
    return true;
}

QString identityPart(const QString& record)
{
    const qsizetype q = record.indexOf(QLatin1String(",Q,"));
    return q >= 0 ? record.left(q) : record;
}

namespace {

struct KeyOfItem {
    QString key;
    QString value; // as written in the record
};

// The keys of one kind, in record order.
QList<KeyOfItem> keysOfKind(QString& identity, const QString& item, QChar letter)
{
    QList<KeyOfItem> out;
    while (!identity.isEmpty() && findParamKey(identity, item) >= 0) {
        const QString v = GetParam(identity, item);
        SetParam(identity, item, QString());
        if (letter == u'S') {
            const QString n = SachNrForm(v);
            out.append({isItemNumberError(n) ? QString() : componentKey(n, letter), v});
        } else {
            out.append({componentKey(v, letter), v});
        }
    }
    return out;
}

} // namespace

bool UmfoBtTsa(const QString& Btd, int Sp, TsaTable& table, bool MZulangWeg, QString* Zulang)
{
    ErrPtnr::CallStack(QStringLiteral("[Bauteile_funktionen] Function UmfoBtTsa(Btd$, Sp%, Tsa$(), AnzTsa%(), "
                                      "MZulangWeg As Boolean, Optional Zulang) As Boolean"));
    ErrPtnr::CallStackParam(QStringLiteral("MZulangWeg"), MZulangWeg);
    ErrPtnr::CallStackParam(QStringLiteral("Sp"), Sp);
    ErrPtnr::CallStackParam(QStringLiteral("Btd"), Btd);
    auto& col = table.Tsa[Sp];
    for (QString& row : col)
        row.clear();
    table.AnzTsa[Sp] = 0;
    const QChar flag = Sp == 1 ? u'G' : u'N';
    bool tooLong = false;
    if (Btd.isEmpty())
        return false;
    QString identity = identityPart(Btd);
    QString zulang;
    int rows = 0;
    try {
        const std::pair<const char*, QChar> kinds[] = {{"Typ", u'T'}, {"Yk", u'S'}, {"An", u'A'}};
        for (const auto& [item, letter] : kinds) {
            for (const KeyOfItem& k : keysOfKind(identity, QLatin1String(item), letter)) {
                const bool longName = k.value.size() > DesignationLength;
                if (longName) {
                    SetParam(zulang, QLatin1String(item), k.value);
                    tooLong = true;
                }
                if (k.key.isEmpty() || (longName && MZulangWeg))
                    continue;
                if (rows >= MaxKeysPerRecord)
                    throw TarnError(QStringLiteral("Subscript out of range"), ErrNo::SubscriptOutOfRange);
                col[++rows] = k.key + flag;
            }
        }
    } catch (const TarnError& e) {
        const int answer = ErrPtnr::OnError(QStringLiteral("Bauteile_funktionen"), QStringLiteral("UmfoBtTsa"), e);
        if (answer == 3)
            throw ProgramEndRequested();
        // A record with more keys than the table holds is not indexed half.
        for (QString& row : col)
            row.clear();
        table.AnzTsa[Sp] = -1;
        return tooLong;
    }
    table.AnzTsa[Sp] = rows;
    if (Zulang && !zulang.isEmpty())
        *Zulang = zulang;
    return tooLong;
}

bool recordHasKey(const QString& record, const QString& key)
{
    if (key.size() < KeyLength)
        return false;
    const QChar letter = key[KeyLength - 1];
    const char* item = letter == u'T' ? "Typ" : letter == u'S' ? "Yk" : letter == u'A' ? "An" : nullptr;
    if (!item)
        return false;
    QString identity = identityPart(record);
    for (const KeyOfItem& k : keysOfKind(identity, QLatin1String(item), letter))
        if (!k.key.isEmpty() && k.key == key.left(KeyLength))
            return true;
    return false;
}
