#include "qlist/printqsl.h"
#include "frame/workslots.h"
#include "frame/errors.h"
#include "frame/errptnr.h"
#include "frame/formatters.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "printing/archiv.h"
#include "printing/printjob.h"
#include "printing/printoutput.h"
#include "qlist/qldb.h"
#include "qlist/qslfile.h"

#include <QFileInfo>
#include <algorithm>

namespace {

// The designation of the page head: item number, else user number, else type.
QString headDesignation(const QString& head)
{
    if (const QString yk = GetParam(head, QStringLiteral("Yk")); !yk.isEmpty())
        return QStringLiteral("Yk:  ") + yk;
    if (const QString an = GetParam(head, QStringLiteral("An")); !an.isEmpty())
        return QStringLiteral("An:  ") + an;
    return QStringLiteral("Typ:  ") + GetParam(head, QStringLiteral("Typ"));
}

bool isPlainNumber(const QString& s)
{
    return !s.isEmpty() && std::all_of(s.begin(), s.end(), [](QChar c) { return c.isDigit(); });
}

} // namespace

QString printedPositionLine(const QString& line, int qslDruck)
{
    QString rest = line;
    QString comment;
    if (const qsizetype bang = rest.indexOf(u'!'); bang >= 0) {
        comment = rest.mid(bang);
        rest.truncate(bang);
    }
    QString tail;
    if (const qsizetype s = rest.indexOf(QLatin1String(",S,")); s >= 0) {
        tail = rest.mid(s);
        rest.truncate(s);
    }
    const QString& identity = rest;
    QString out = FormStr(GetParam(line, QStringLiteral("Stck")), -7, QStringLiteral(" "));
    const QString qm = GetParam(identity, QStringLiteral("Qm"));
    if (qm == QLatin1String("Qsl"))
        out += QStringLiteral(",Qsl");
    else if (qm == QLatin1String("Mod"))
        out += QStringLiteral(",Mod");
    else
        out += QStringLiteral(",Bt ");
    if (qslDruck >= 2)
        out += u',' + FormStr(GetParam(identity, QStringLiteral("Sl")), 12, QStringLiteral(" "));
    if (qslDruck == 1 || qslDruck == 3) {
        const std::pair<const char*, const char*> columns[] = {{"Typ", ",Typ="}, {"Yk", ",Yk ="}, {"An", ",An ="}};
        for (const auto& [key, label] : columns) {
            const QString value = GetParam(identity, QLatin1String(key));
            if (!value.isEmpty())
                out += QLatin1String(label) + FormStr(value, 20, QStringLiteral(" "));
        }
    }
    return out + tail + comment;
}

void DruckQsl(const QString& Ln, bool ADruck)
{
    Program& p = prog();
    if (!PrInit())
        return;
    PrintState& s = printState();
    const QString Qz = p.WorkStr[Slot::Qz];
    const QString path = QslPfad(Qz, Ln);
    QString archiveTitle;
    bool archiveCopy = false;

    QslLineReader file;
    if (!file.open(path))
        throw TarnError(QStringLiteral("File not found: %1").arg(path), ErrNo::FileNotFound);
    if (QFileInfo(nativePath(path)).size() == 0) {
        MsgBoxRes(QStringLiteral("112"), 0, p.LangNr, oemArgs({path}));
    } else {
        const QString headTitle = ResText(QStringLiteral("167"), p.LangNr, true);
        QString headRight;
        auto pageHead = [&] {
            PrKopf(headTitle, headRight);
            PrFont(9, false);
        };
        bool first = true;
        while (!file.atEnd()) {
            QString line = QslZeileLesen(file);
            if (first) {
                first = false;
                headRight = headDesignation(line) + QString(10, u' ') + Qz + QStringLiteral("   ") + u' ' +
                            QString::number(qint64(readLeadingNumber(Ln)));
                pageHead();
                if (s.ArchivAktiv) {
                    archiveTitle = ArchivBez(line, QStringLiteral("QSL"), Qz, Ln);
                    archiveCopy = !archiveTitle.isEmpty();
                }
            }
            if (!GetParam(line, QStringLiteral("Stck")).isEmpty())
                line = printedPositionLine(line, p.QslDruckNr);
            // Long lines go on, without indentation, on the following lines.
            for (;;) {
                QString rest;
                const int width = std::max<int>(1, s.PrSpalten);
                if (line.size() > width)
                    TextUmbruch(line, width, QStringLiteral(" -,"), rest);
                if (PrPlatz(1)) {
                    PrNeueSeite(false, archiveCopy);
                    pageHead();
                }
                PrText(line);
                PrLf();
                if (rest.isEmpty())
                    break;
                line = rest;
            }
        }
    }
    file.close();
    PrNeueSeite(true, archiveCopy);
    PrAusgabe(archiveTitle, ADruck ? 1 : 0);
}

QString PrintQSL(const QString& desc, bool ADruck)
{
    ErrPtnr::CallStack(QStringLiteral("[EQSL] Function PrintQSL(desc As String, ADruck As Boolean) As String"));
    ErrPtnr::CallStackParam(QStringLiteral("ADruck"), ADruck);
    ErrPtnr::CallStackParam(QStringLiteral("desc"), desc);
    const bool done = ErrPtnr::guarded(QStringLiteral("EQSL"), QStringLiteral("PrintQSL"), false, [&] {
        Program& p = prog();
        const QString Qz = p.WorkStr[Slot::Qz];
        const std::pair<const char*, int> keys[] = {{"Ln", 1}, {"Typ", 2}, {"Yk", 7}, {"An", 4}};
        QString found;
        for (const auto& [key, kind] : keys) {
            QString value = GetParam(desc, QLatin1String(key));
            if (value.isEmpty())
                continue;
            // A number given without its leading zeros names the same Q-list.
            if (kind == 1 && isPlainNumber(value) && value.size() < 5)
                value = LnFormat(long(readLeadingNumber(value)));
            {
                const OpenQlDb db(p.WorkStr[Slot::VqlDbase] + Qz, 0);
                if (!db)
                    continue;
                found = SuchLn_Db(Qz, db.slot(), kind, value, QStringLiteral("2")).found;
            }
            if (!found.isEmpty())
                break;
        }
        if (found.isEmpty() || found == QLatin1String("ERROR")) {
            MsgBoxRes(QStringLiteral("162"), 0, p.LangNr, oemArgs({desc, Qz}));
            return false;
        }
        DruckQsl(found, ADruck);
        return true;
    });
    return done ? QString() : QStringLiteral("ABBRUCH");
}
