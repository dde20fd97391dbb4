#include "report/pfui.h"
#include "frame/workslots.h"
#include "frame/codepage.h"
#include "frame/errors.h"
#include "frame/interaction.h"
#include "frame/markers.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "position_line/posline.h"
#include "qlist/qslfile.h"
#include "qlist/qslaufloesen.h"
#include "report/listing.h"
#include "report/printroutines.h"
#include "report/reportstate.h"
#include "report/reporttext.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <map>
#include <memory>
#include <vector>

namespace {

constexpr int kSortLimit = 100;

QString tp2File(const QString& name)
{
    return nativePath(scratchFile(Slot::Tp2, name));
}

QStringList readLines(const QString& designPath)
{
    QStringList lines;
    QslLineReader in;
    if (!in.open(designPath))
        throw TarnError(QStringLiteral("Cannot read %1: %2").arg(designPath, in.errorString()), ErrNo::PathFileAccess);
    while (!in.atEnd())
        lines << in.readPhysicalLine();
    in.close();
    return lines;
}

// Replaces a work file by the lines in one piece.
void writeLines(const QString& path, const QStringList& lines)
{
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        throw TarnError(QStringLiteral("Cannot write %1: %2").arg(path, out.errorString()), ErrNo::PathFileAccess);
    for (const QString& line : lines)
        out.write(toAnsi(line) + "\r\n");
    if (!out.commit())
        throw TarnError(QStringLiteral("Cannot write %1: %2").arg(path, out.errorString()), ErrNo::PathFileAccess);
}

void appendLine(QFile& file, const QString& line)
{
    if (file.write(toAnsi(line) + "\r\n") < 0)
        throw TarnError(QStringLiteral("Cannot write %1: %2").arg(file.fileName(), file.errorString()),
                        ErrNo::PathFileAccess);
}

const QString& resultKey(int m)
{
    return kResultKeys[size_t(m)];
}

// Share in percent of quantity units of the current line (R section in
// WorkStr 8) in the total of method m, as a single; 0 when the total is 0.
float percentOf(double quantity, int m)
{
    const ReportState& s = reportState();
    const ParamPair pair = GetParamPair(prog().WorkStr[Slot::R], resultKey(m));
    double value = 0;
    if (s.MaxWerte) {
        const double total = s.FitSumOk[size_t(m)][2];
        value = total > 0 ? quantity * pair.valueMax * 100 / total : 0;
    } else {
        const double total = s.FitSumOk[size_t(m)][0];
        value = total > 0 ? quantity * (pair.valueMin + pair.valueMax) / 2 * 100 / total : 0;
    }
    return float(value);
}

// The line with the share of method m set in its R section; the share in
// percent comes back. The work strings hold the split line afterwards.
QString withPercent(const QString& line, int m, float& percent)
{
    Program& p = prog();
    QString Stc;
    PosTrenn(line, Stc);
    percent = percentOf(readLeadingNumber(GetParam(Stc, QStringLiteral("Stck"))), m);
    SetParam(p.WorkStr[Slot::R], percentKey(m), plainSingle(percent));
    QString out;
    PosFueg(Stc, out);
    return out;
}

double limitOf(const QString& key)
{
    return readLeadingNumber(GetParam(prog().WorkStr[Slot::SyPar], key));
}

bool hasTotal(int m)
{
    return reportState().FitSumOk[size_t(m)][0] > 0;
}

QString mergeKey(const QString& identity)
{
    const QString yk = GetParam(identity, QStringLiteral("Yk"));
    if (!yk.isEmpty())
        return QLatin1Char('S') + yk;
    const QString an = GetParam(identity, QStringLiteral("An"));
    if (!an.isEmpty())
        return QLatin1Char('A') + an;
    const QString typ = GetParam(identity, QStringLiteral("Typ"));
    if (!typ.isEmpty())
        return QLatin1Char('T') + typ;
    return QString();
}

// A class code whose group part could leave the work directory is counted
// like a position without a class code.
bool usableGroup(const QString& group)
{
    for (QChar c : group)
        if (!c.isLetterOrNumber())
            return false;
    return !group.isEmpty();
}

} // namespace

QString methodSuffix(int m)
{
    static const std::array<QString, 4> s = {QString(), QStringLiteral("s"), QStringLiteral("a"), QStringLiteral("m")};
    return s[size_t(m)];
}

QString percentKey(int m)
{
    static const std::array<QString, 4> k = {QString(), QStringLiteral("Pros"), QStringLiteral("Proa"),
                                             QStringLiteral("Prom")};
    return k[size_t(m)];
}

void ComponentRankingFiles::open()
{
    for (int m = 1; m <= 3; ++m) {
        for (auto* set : {&pfuibt, &filebt}) {
            QFile& f = (*set)[size_t(m)];
            const QString name = (set == &pfuibt ? QStringLiteral("pfuibt") : QStringLiteral("filebt")) + methodSuffix(m);
            f.setFileName(tp2File(name));
            QFile::remove(f.fileName());
            if (!f.open(QIODevice::WriteOnly | QIODevice::Append))
                throw TarnError(QStringLiteral("Cannot write %1: %2").arg(f.fileName(), f.errorString()),
                                ErrNo::PathFileAccess);
        }
    }
}

void ComponentRankingFiles::close()
{
    for (int m = 1; m <= 3; ++m) {
        pfuibt[size_t(m)].close();
        filebt[size_t(m)].close();
    }
}

void PfuiQsDatei()
{
    Program& p = prog();
    const double limit = limitOf(QStringLiteral("Qs%"));
    ui().infoList().Add(msgAnsi(256, p.LangNr));

    std::array<QStringList, 4> out;
    const QStringList pol = readLines(scratchFile(Slot::Tp2, QStringLiteral("pol")));
    auto isSublist = [](const QString& line) { return GetParam(line, QStringLiteral("Qm")) == QLatin1String("Qsl"); };
    bool any = false;
    for (const QString& line : pol)
        any = any || (isSublist(line) && numParam(line, QStringLiteral("Stck")) > 0);
    if (any) {
        for (const QString& line : pol) {
            if (!(isSublist(line) && numParam(line, QStringLiteral("Stck")) > -1))
                continue;
            // Each method starts from the unchanged line, so a line carries only
            // its own method's share.
            for (int m = 1; m <= 3; ++m) {
                if (!hasTotal(m))
                    continue;
                float percent = 0;
                const QString withShare = withPercent(line, m, percent);
                if (percent >= limit)
                    out[size_t(m)] << withShare;
            }
        }
    }
    for (int m = 1; m <= 3; ++m)
        writeLines(tp2File(QStringLiteral("pfuiqs") + methodSuffix(m)), out[size_t(m)]);
}

void GruppenDateien(double& unassigned)
{
    Program& p = prog();
    QDir tp2(nativePath(p.WorkStr[Slot::Tp2]));
    for (const QString& name : tp2.entryList({QStringLiteral("gr.*")}, QDir::Files))
        QFile::remove(tp2.filePath(name));
    unassigned = 0;
    // Multiplier per nesting level; level 0 is the Q-list itself. There is no
    // fixed depth.
    std::vector<float> multiplier{1.0f};

    QslLineReader in;
    const QString qpo = scratchFile(Slot::Tp2, QStringLiteral("qpo"));
    if (!in.open(qpo))
        throw TarnError(QStringLiteral("Cannot read %1: %2").arg(qpo, in.errorString()), ErrNo::PathFileAccess);
    if (in.atEnd())
        return;
    // Each group file is opened at its first line and stays open to the end.
    std::map<QString, std::unique_ptr<QFile>> groupFiles;
    auto groupFile = [&](const QString& group) -> QFile& {
        std::unique_ptr<QFile>& f = groupFiles[group];
        if (!f) {
            f = std::make_unique<QFile>(tp2File(QStringLiteral("gr.") + group));
            if (!f->open(QIODevice::WriteOnly | QIODevice::Append))
                throw TarnError(QStringLiteral("Cannot write %1: %2").arg(f->fileName(), f->errorString()),
                                ErrNo::PathFileAccess);
        }
        return *f;
    };
    ui().infoList().Update(in.readPhysicalLine().left(ListRecordLength));
    while (!in.atEnd()) {
        const QString line = in.readPhysicalLine();
        if (numParam(line, QStringLiteral("Stck")) <= -1)
            continue;
        ui().infoList().Update(line.left(ListRecordLength));
        const QString qm = GetParam(line, QStringLiteral("Qm"));
        if (qm.isEmpty()) {
            QString Stc;
            PosTrenn(line, Stc);
            const double effective = double(multiplier.back()) * readLeadingNumber(GetParam(Stc, QStringLiteral("Stck")));
            const QString group = GetParam(p.WorkStr[Slot::Q], QStringLiteral("Bac")).left(2);
            if (usableGroup(group)) {
                QString withQuantity = line;
                SetParam(withQuantity, QStringLiteral("Stck"), plainNumber(effective));
                appendLine(groupFile(group), withQuantity);
            } else {
                unassigned += effective;
            }
        } else if (qm == QLatin1String("Qsl")) {
            // A sub-list that was not found has no closing line.
            if (!isUnexpandedSubList(line))
                multiplier.push_back(float(numParam(line, QStringLiteral("Stck"))) * multiplier.back());
        } else if (qm == QLatin1String("Ende")) {
            if (multiplier.size() > 1)
                multiplier.pop_back();
        }
    }
    for (auto& [group, file] : groupFiles) {
        if (!file->flush())
            throw TarnError(QStringLiteral("Cannot write %1: %2").arg(file->fileName(), file->errorString()),
                            ErrNo::PathFileAccess);
        file->close();
    }
}

void GleicheFeinDaten(const QString& stored, QString& result)
{
    result = QStringLiteral("nein");
    const QString& current = prog().WorkStr[Slot::S];
    static const QStringList asText = {QStringLiteral("Acdc"), QStringLiteral("Akr"), QStringLiteral("Drift"),
                                       QStringLiteral("Lab"), QStringLiteral("Qkm"), QStringLiteral("Qks")};
    static const QStringList order = {
        QStringLiteral("Acdc"), QStringLiteral("Akr"), QStringLiteral("Degr"), QStringLiteral("Drift"),
        QStringLiteral("Dtu"), QStringLiteral("Fb"), QStringLiteral("Ib"), QStringLiteral("Lab"),
        QStringLiteral("Qkm"), QStringLiteral("Qks"), QStringLiteral("Rtk"), QStringLiteral("Sh"),
        QStringLiteral("Sylt"), QStringLiteral("Tei"), QStringLiteral("Ub"), QStringLiteral("Vfi"),
        QStringLiteral("Zf"), QString(PiMark) + QStringLiteral("qem")};
    for (const QString& key : order) {
        const QString a = GetParam(stored, key);
        const QString b = GetParam(current, key);
        const bool same = asText.contains(key) ? a == b : readLeadingNumber(a) == readLeadingNumber(b);
        if (!same)
            return;
    }
    result = QStringLiteral("ja");
}

void PfuiBtDatei(const QString& path, ComponentRankingFiles& files)
{
    Program& p = prog();
    const double limit = limitOf(QStringLiteral("Bt%"));
    struct Entry {
        double quantity;
        QString key;
        QString stress;
        QString line;
    };
    std::vector<Entry> entries;
    for (const QString& line : readLines(path)) {
        QString Stc;
        PosTrenn(line, Stc);
        const double quantity = readLeadingNumber(GetParam(Stc, QStringLiteral("Stck")));
        const QString key = mergeKey(p.WorkStr[Slot::Ident]);
        Entry* found = nullptr;
        for (Entry& e : entries)
            if (!found && e.key == key && e.stress == p.WorkStr[Slot::S])
                found = &e;
        for (Entry& e : entries) {
            if (found)
                break;
            QString same;
            if (e.key == key) {
                GleicheFeinDaten(e.stress, same);
                if (same == QLatin1String("ja"))
                    found = &e;
            }
        }
        if (found)
            found->quantity += quantity;
        else
            entries.push_back({quantity, key, p.WorkStr[Slot::S], line});
    }

    QStringList merged;
    for (const Entry& e : entries) {
        QString line = e.line;
        SetParam(line, QStringLiteral("Stck"), plainNumber(e.quantity));
        merged << line;
        for (int m = 1; m <= 3; ++m) {
            if (!hasTotal(m))
                continue;
            float percent = 0;
            const QString withShare = withPercent(line, m, percent);
            appendLine(files.filebt[size_t(m)], withShare);
            if (percent >= limit)
                appendLine(files.pfuibt[size_t(m)], withShare);
        }
    }
    writeLines(nativePath(path), merged);
}

void SortPfui(const QString& kind, bool ADruck)
{
    Program& p = prog();
    if (kind == QLatin1String("bt"))
        ui().infoList().Add(msgAnsi(265, p.LangNr));
    const QString norm = GetParam(p.WorkStr[Slot::GlPar], QStringLiteral("Norm"));
    struct Method {
        QChar digit;
        int m;
    };
    for (const Method& method : {Method{u'1', 1}, Method{u'2', 3}, Method{u'3', 2}}) {
        if (!norm.contains(method.digit))
            continue;
        const QString path = tp2File(QStringLiteral("pfui") + kind + methodSuffix(method.m));
        if (!QFile::exists(path) || QFileInfo(path).size() == 0)
            continue;
        QStringList lines = readLines(scratchFile(Slot::Tp2, QStringLiteral("pfui") + kind + methodSuffix(method.m)));
        if (lines.size() > kSortLimit) {
            writeLines(path, {QStringLiteral("ABBRUCH") + QString::number(kSortLimit)});
            if (!ADruck)
                MsgBoxRes(QStringLiteral("438"), 0, p.LangNr,
                          {QString::number(kSortLimit), QStringLiteral("\n") + msgOem(439, p.LangNr)});
            return;
        }
        const qsizetype n = lines.size();
        lines.prepend(QString()); // SortListe counts from 1
        SortListe(lines, int16_t(n), QStringLiteral("-") + percentKey(method.m), QString());
        lines.removeFirst();
        writeLines(path, lines);
    }
}
