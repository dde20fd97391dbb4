#include "printing/archiv.h"
#include "frame/workslots.h"
#include "frame/codepage.h"
#include "frame/database.h"
#include "frame/errors.h"
#include "frame/errptnr.h"
#include "frame/inifile.h"
#include "frame/interaction.h"
#include "frame/itemnumber.h"
#include "frame/numbers.h"
#include "frame/outputfiles.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "printing/pageinterpreter.h"
#include "printing/printdevice.h"
#include "printing/printjob.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString iniValue(const QString& key, int buffer)
{
    QString v = GetProfileStr(QStringLiteral("archive"), key, buffer, prog().IniFile);
    if (v.trimmed().compare(QLatin1String("leer"), Qt::CaseInsensitive) == 0)
        v.clear();
    return v;
}

void createTables(Database& such, Database& daten)
{
    such.execute(QStringLiteral(
        "CREATE TABLE IF NOT EXISTS [ArchivSuche] ([Ref] INTEGER PRIMARY KEY AUTOINCREMENT, [Bezeichnung] TEXT, "
        "[Art] TEXT, [Doku] TEXT, [Erstellt] TEXT, [Tu] REAL, [Vl] REAL, [Norm] TEXT, [Listen] TEXT, [Typ] TEXT, "
        "[Lnr] TEXT, [Tab] INTEGER)"));
    daten.execute(QStringLiteral("CREATE TABLE IF NOT EXISTS [Daten] ([Ref] INTEGER, [Datei] BLOB)"));
}

QString methodLetters(const QString& digits)
{
    QString out;
    if (digits.contains(u'1'))
        out += QStringLiteral("S");
    if (digits.contains(u'2'))
        out += QStringLiteral(",M");
    if (digits.contains(u'3'))
        out += QStringLiteral(",A");
    if (out.startsWith(u','))
        out.remove(0, 1);
    return out;
}

QVariant numberOrNull(const QString& text)
{
    return text.trimmed().isEmpty() ? QVariant() : QVariant(readLeadingNumber(text));
}

// An entry is a search row and a data row under one number. Both databases are
// reached through one connection, so that handing out the number and writing
// both rows is one transaction: a run killed at any point leaves the entry
// whole or absent (SQLite commits a transaction over several files at once).
void joinArchiveDatabases(Database& such, Database& daten)
{
    such.execute(QStringLiteral("ATTACH DATABASE ? AS daten"), {daten.connection().databaseName()});
    // Archives written before could hold data rows whose search row was lost;
    // their numbers are never handed out again.
    DbTransaction t(such);
    such.execute(QStringLiteral("INSERT INTO main.sqlite_sequence (name, seq) SELECT 'ArchivSuche', 0 WHERE NOT EXISTS "
                                "(SELECT 1 FROM main.sqlite_sequence WHERE name='ArchivSuche')"));
    such.execute(QStringLiteral("UPDATE main.sqlite_sequence SET seq=(SELECT max([Ref]) FROM daten.[Daten]) "
                                "WHERE name='ArchivSuche' AND seq<(SELECT max([Ref]) FROM daten.[Daten])"));
    t.commit();
}

// What runs that were killed while making the archive's PDF left of it (its
// hidden part) goes when its writer is gone: in the folder of this copy's PDF
// and in the program's folder TPArch, where the PDF is made without a work
// folder.
void removeLeftOverArchivePdfs(const QString& designTemp)
{
    removeStalePartFiles(QFileInfo(nativePath(designTemp)).absolutePath());
    const QString programFolder = nativePath(prog().WorkStr[Slot::ProgramDir] + QStringLiteral("\\TPArch"));
    if (QFileInfo(programFolder).isDir())
        removeStalePartFiles(programFolder);
}

} // namespace

void ArchivStart()
{
    ErrPtnr::CallStack(QStringLiteral("[Archiv] Public Sub ArchivStart()"));
    PrintState& s = printState();
    Program& p = prog();
    try {
        s.ArchivAktiv = true;
        s.archiveProblem.clear();
        // The archive's PDF is made in the work folder of this copy of the
        // program: copies running at the same time each have their own, and a
        // file left by a copy that was killed goes when the folder is emptied
        // at the next start.
        const QString& own = p.WorkStr[Slot::Tp1];
        s.ArchivPdfTemp = joinDesignPath(own.isEmpty() ? p.WorkStr[Slot::ProgramDir] + QStringLiteral("\\TPArch") : own,
                                         QStringLiteral("PDFtemp.pdf"));
        s.ArchivArt = iniValue(QStringLiteral("ArchivArt"), 96);
        s.ArchivNr = int(readLeadingNumber(iniValue(QStringLiteral("ArchivNr"), 96)));
        s.ProgTyp = iniValue(QStringLiteral("ProgTyp"), 128);
        s.ArchivDir = iniValue(QStringLiteral("ArchivDir"), 128);
        removeLeftOverArchivePdfs(s.ArchivPdfTemp);
        try {
            // A new installation has neither the folder nor the databases.
            const QString dir = s.ArchivDir.isEmpty() ? p.WorkStr[Slot::ProgramDir] : s.ArchivDir;
            if (!QDir().mkpath(nativePath(dir)))
                throw DbError(QStringLiteral("Cannot create folder '%1'").arg(dir), 3044);
            s.ArchivSuchDb = Database::create(joinDesignPath(dir, QStringLiteral("ArchivSuch.sqlite")));
            s.ArchivDatDb = Database::create(
                joinDesignPath(dir, QStringLiteral("Archiv%1.sqlite").arg(s.ArchivNr)));
            createTables(*s.ArchivSuchDb, *s.ArchivDatDb);
            joinArchiveDatabases(*s.ArchivSuchDb, *s.ArchivDatDb);
        } catch (const DbError& e) {
            s.ArchivSuchDb.reset();
            s.ArchivDatDb.reset();
            // Without its databases the archive is off, so no later store meets
            // an unopened database; a run that should archive is told why.
            s.ArchivAktiv = false;
            s.archiveProblem = QStringLiteral("%1 (%2)").arg(e.message(), QString::number(e.nativeCode()));
            MsgBoxRes(QStringLiteral("473"), Mb::OKOnly, p.LangNr,
                      {QStringLiteral("  Archiv: ArchivStart !   "), QString::number(e.nativeCode()), AnsiToOem(e.message())});
        }
    } catch (const ProgramEndRequested&) {
        throw;
    } catch (const std::exception& e) {
        if (ErrPtnr::OnError(QStringLiteral("Archiv"), QStringLiteral("ArchivStart"), e) == 3)
            throw ProgramEndRequested();
    }
}

QString ArchivBez(const QString& head, const QString& kind, const QString& Qz, const QString& Lnr)
{
    const PrintState& s = printState();
    if (kind.isEmpty() || !s.ArchivArt.contains(kind))
        return QString();
    QString designation;
    const QString yk = GetParam(head, QStringLiteral("Yk"));
    if (!yk.isEmpty()) {
        QString normalised, stand;
        YkNorm(yk, normalised, stand);
        // A malformed number names no document, even when An or Typ would.
        if (isItemNumberError(normalised))
            return QString();
        designation = QStringLiteral("Yk,") + normalised + u'-' + stand;
    } else if (const QString an = GetParam(head, QStringLiteral("An")); !an.isEmpty()) {
        designation = QStringLiteral("An,") + an;
    } else if (const QString typ = GetParam(head, QStringLiteral("Typ")); !typ.isEmpty()) {
        designation = QStringLiteral("Typ,") + typ;
    } else {
        return QString();
    }
    QString number = QStringLiteral("-");
    if (!Lnr.trimmed().isEmpty())
        number = Qz + QString::number(qint64(readLeadingNumber(Lnr)));
    return kind + u',' + designation + u',' + number;
}

bool ArchivSpeichern(const QString& designation, const QString& file, const QString& type)
{
    PrintState& s = printState();
    if (!s.ArchivSuchDb || !s.ArchivDatDb)
        return false;
    const QStringList fields = designation.split(u',');
    const QString doku = fields.value(0);
    const QString art = fields.value(1);
    const QString bezeichnung = fields.value(2);
    const QString lnr = fields.value(3);

    QFile f(nativePath(file));
    if (!f.open(QIODevice::ReadOnly))
        throw TarnError(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(f.fileName()), f.errorString()),
                        ErrNo::FileNotFound);
    const QByteArray content = f.readAll();
    // A file this short is no document; nothing is stored (no empty rows left).
    if (content.size() <= 100)
        return false;

    const QString erstellt = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    QString columns = QStringLiteral("[Bezeichnung],[Art],[Doku],[Erstellt],[Typ],[Lnr],[Tab]");
    QString marks = QStringLiteral("?,?,?,?,?,?,?");
    QVariantList values{bezeichnung, art, doku, erstellt, type, lnr, s.ArchivNr};
    if (doku == QLatin1String("PROGQL")) {
        const QString& glPar = prog().WorkStr[Slot::GlPar];
        const QString& syPar = prog().WorkStr[Slot::SyPar];
        QString norm, listen;
        if (type != QLatin1String("slk")) {
            norm = methodLetters(GetParam(glPar, QStringLiteral("Norm")));
            listen = GetParam(syPar, QStringLiteral("Qpdr")).left(7);
        } else {
            const QString sp = GetParam(glPar, QStringLiteral("Spnorm"));
            norm = sp == QLatin1String("1") ? QStringLiteral("S")
                   : sp == QLatin1String("2") ? QStringLiteral("A")
                   : sp == QLatin1String("3") ? QStringLiteral("M")
                                              : QString();
            listen = GetParam(syPar, QStringLiteral("Qpsp"));
        }
        columns += QStringLiteral(",[Tu],[Vl],[Norm],[Listen]");
        marks += QStringLiteral(",?,?,?,?");
        values << numberOrNull(GetParam(glPar, QStringLiteral("Tu"))) << numberOrNull(GetParam(glPar, QStringLiteral("Vl")))
               << norm << listen;
    }

    // The number, the search row and the data row: one transaction over both
    // databases, so no number is handed out twice and no search row points at
    // another entry's data.
    Database& db = *s.ArchivSuchDb;
    DbTransaction entry(db);
    const qint64 ref =
        db.insert(QStringLiteral("INSERT INTO main.[ArchivSuche] (%1) VALUES (%2)").arg(columns, marks), values);
    db.insert(QStringLiteral("INSERT INTO daten.[Daten] ([Ref],[Datei]) VALUES (?,?)"), {ref, content});
    entry.commit();
    return true;
}

void ArchivPdf(QString& Title, QString& pdf)
{
    PrintState& s = printState();
    const QString temp = nativePath(s.ArchivPdfTemp);
    if (!s.ArchivPdfTemp.isEmpty())
        QFile::remove(temp);
    QString archiveFile;
    bool ok = false;
    if (!pdf.trimmed().isEmpty()) {
        archiveFile = pdf;
        ok = true;
    } else if (s.PrArchWahl.isEmpty()) {
        // The printout wrote no page for the archive (the feedback form alone):
        // there is no document to keep, which is no failure.
        Title.clear();
        return;
    } else if (!s.ArchivPdfTemp.isEmpty()) {
        archiveFile = s.ArchivPdfTemp;
        QDir().mkpath(QFileInfo(temp).absolutePath());
        PdfPrintDevice device(temp);
        ok = printPages(device, s.PrArchWahl, true) == PrintOutcome::Printed;
    }
    if (ok) {
        if (!ArchivSpeichern(Title, archiveFile, QStringLiteral("pdf"))) {
            s.outputFailed = true;
            MsgBoxRes(QStringLiteral("487"), Mb::OKOnly, prog().LangNr);
        }
        Title = archiveFile;
    } else {
        Title.clear();
        s.outputFailed = true;
        MsgBoxRes(QStringLiteral("487"), Mb::OKOnly, prog().LangNr);
    }
}
