#include "report/fehlpos.h"
#include "frame/workslots.h"
#include "calculation/systdb.h"
#include "frame/errors.h"
#include "frame/errptnr.h"
#include "frame/formatters.h"
#include "frame/interaction.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "frame/codepage.h"
#include "printing/printjob.h"
#include "qlist/qslfile.h"
#include "qlist/qslaufloesen.h"
#include "report/druckkopf.h"
#include "report/reporttext.h"

#include <QFile>
#include <QSaveFile>
#include <vector>

namespace {

const QChar kErrorMark(149);
const QChar kWarningMark(187);
const QString kEndPos = QStringLiteral("EndPos");

QString designationOf(const QString& line)
{
    return GetParam(line, QStringLiteral("Typ")) + u' ' + GetParam(line, QStringLiteral("Yk")) + u' ' +
           GetParam(line, QStringLiteral("An"));
}

} // namespace

QString errorCodeText(const QString& code)
{
    return DalesXls(QStringLiteral("ERWA"), QStringLiteral("Fecode"), code,
                    QStringLiteral("M") + QString::number(prog().LangDruck));
}

QString FehlPos(bool ADruck, const QString& ProgFehlFile)
{
    ErrPtnr::CallStack(QStringLiteral("[XAQP] Function FehlPos$(ADruck As Boolean, ProgFehlFile$)"));
    ErrPtnr::CallStackParam(QStringLiteral("ADruck"), ADruck);
    ErrPtnr::CallStackParam(QStringLiteral("ProgFehlFile"), ProgFehlFile);
    return ErrPtnr::guarded(QStringLiteral("XAQP"), QStringLiteral("FehlPos"), QString(), [&]() -> QString {
        Program& p = prog();
        const int ld = p.LangDruck;
        const QString fehl = scratchFile(Slot::Tp2, QStringLiteral("fehl"));
        QFile::remove(nativePath(fehl));
        QslLineWriter out;
        if (!out.open(fehl))
            throw TarnError(QStringLiteral("Cannot write %1").arg(fehl), ErrNo::PathFileAccess);
        QslLineReader in;
        const QString qpo = scratchFile(Slot::Tp2, QStringLiteral("qpo"));
        if (!in.open(qpo))
            throw TarnError(QStringLiteral("File not found: %1").arg(qpo), ErrNo::FileNotFound);

        // Designations of the open sub-lists, innermost last; no depth limit.
        std::vector<QString> stack;
        int errors = 0, warnings = 0;
        if (!in.atEnd())
            in.readPhysicalLine();
        while (!in.atEnd()) {
            QString& line = p.WorkStr[Slot::Line];
            line = in.readPhysicalLine();
            if (numParam(line, QStringLiteral("Stck")) < 0)
                continue;
            const QString Qm = GetParam(line, QStringLiteral("Qm"));
            const QString err = GetParam(line, QStringLiteral("Err"));
            const QString warn = GetParam(line, QStringLiteral("Warn"));
            if (Qm == QLatin1String("Qsl") && !isUnexpandedSubList(line)) {
                stack.push_back(designationOf(line));
                if (warn.isEmpty())
                    continue;
            } else if (Qm == QLatin1String("Ende")) {
                if (!stack.empty())
                    stack.pop_back();
                continue;
            }
            bool written = false;
            if (!err.isEmpty()) {
                QString shown = line;
                SetParam(shown, QStringLiteral("Aufl"), QString());
                if (ld == 2 && shown.startsWith(QLatin1String("Stck=")))
                    shown = QStringLiteral("Pcs=") + shown.mid(5);
                out.writeLine(shown);
                ++errors;
                if (!stack.empty())
                    out.writeLine(msgAnsi(212, ld, {stack.back()}));
                QString rest = line;
                for (QString code = GetParam(rest, QStringLiteral("Err")); !code.isEmpty();
                     code = GetParam(rest, QStringLiteral("Err"))) {
                    out.writeLine(kErrorMark + u' ' + errorCodeText(code));
                    SetParam(rest, QStringLiteral("Err"), QString());
                }
                written = true;
            }
            if (Qm == QLatin1String("Qsl") && warn == QLatin1String("Stand")) {
                QString shown = line;
                SetParam(shown, QStringLiteral("Aufl"), QString());
                const QString text = errorCodeText(warn);
                out.writeLine(shown);
                ++warnings;
                if (stack.size() > 1)
                    out.writeLine(msgAnsi(212, ld, {stack[stack.size() - 2]}));
                out.writeLine(kWarningMark + u' ' + text);
                written = true;
            }
            if (written)
                out.writeLine(kEndPos);
        }
        in.close();
        out.close();
        if (errors == 0 && warnings == 0)
            return QString();

        InfoList& list = ui().infoList();
        list.Add(msgAnsi(213, p.LangNr));
        QslLineReader shown;
        if (shown.open(fehl))
            while (!shown.atEnd())
                list.Add(shown.readPhysicalLine());

        if (ADruck) {
            if (!ProgFehlFile.isEmpty())
                AusFileAsciiFehlPos(ProgFehlFile);
            else
                AusFehlPos();
            return QString();
        }
        if (MsgBoxRes(QStringLiteral("12"), 4, p.LangNr) == 6)
            AusFehlPos();
        if (MsgBoxRes(QStringLiteral("13"), 4, p.LangNr) == 7)
            return QStringLiteral("ABBRUCH");
        return QString();
    });
}

void AusFehlPos()
{
    ErrPtnr::CallStack(QStringLiteral("[XAQP] Sub AusFehlPos()"));
    ErrPtnr::guarded(QStringLiteral("XAQP"), QStringLiteral("AusFehlPos"), false, [&] {
        Program& p = prog();
        QslLineReader in;
        const QString fehl = scratchFile(Slot::Tp2, QStringLiteral("fehl"));
        if (!in.open(fehl))
            throw TarnError(QStringLiteral("File not found: %1").arg(fehl), ErrNo::FileNotFound);
        ui().infoList().Add(msgAnsi(211, p.LangNr));
        QString kind = QStringLiteral("Fehl");
        DruckKopf(kind, true, false, false);

        // One entry is printed as a block that never splits across pages; its
        // size is not limited.
        QStringList block;
        while (!in.atEnd()) {
            QString text = in.readPhysicalLine();
            while (text.size() > 86) {
                QString rest;
                TextUmbruch(text, 86, QStringLiteral(" ,-"), rest);
                block << text;
                text = rest;
            }
            block << text;
            if (block.back() != kEndPos)
                continue;
            block.removeLast();
            if (PrPlatz(block.size() + 0.5)) {
                PrNeueSeite(false, false);
                PrKopf();
                PrFont(9, false, false, QStringLiteral("Courier New"));
            }
            PrLf(0.5);
            for (const QString& l : block) {
                PrText(l);
                PrLf();
            }
            block.clear();
        }
        PrNeueSeite(true, false);
        return true;
    });
}

void AusFileAsciiFehlPos(const QString& ProgFehlFile)
{
    ErrPtnr::CallStack(QStringLiteral("[XERGFILE] Public Sub AusFileAsciiFehlPos(ProgFehlFile$)"));
    ErrPtnr::CallStackParam(QStringLiteral("ProgFehlFile"), ProgFehlFile);
    ErrPtnr::guarded(QStringLiteral("XERGFILE"), QStringLiteral("AusFileAsciiFehlPos"), false, [&] {
        QslLineReader in;
        const QString fehl = scratchFile(Slot::Tp2, QStringLiteral("fehl"));
        if (!in.open(fehl))
            throw TarnError(QStringLiteral("File not found: %1").arg(fehl), ErrNo::FileNotFound);
        QSaveFile out(nativePath(ProgFehlFile));
        if (!out.open(QIODevice::WriteOnly))
            throw TarnError(QStringLiteral("Cannot write %1: %2").arg(ProgFehlFile, out.errorString()),
                            ErrNo::PathFileAccess);
        ui().infoList().Add(msgAnsi(211, prog().LangNr));
        QString collector;
        while (!in.atEnd()) {
            const QString line = in.readPhysicalLine().trimmed();
            if (line != kEndPos) {
                collector += line + QString(5, u' ');
                continue;
            }
            out.write(toAnsi(collector.trimmed() + QStringLiteral("\r\n")));
            collector.clear();
        }
        if (!out.commit())
            throw TarnError(QStringLiteral("Cannot write %1: %2").arg(ProgFehlFile, out.errorString()),
                            ErrNo::PathFileAccess);
        return true;
    });
}

void FehlText(QStringList& lines, int16_t& count)
{
    auto add = [&](const QString& text) {
        while (lines.size() <= count + 1)
            lines << QString();
        lines[count + 1] = text;
        ++count;
    };
    const QString& F = prog().WorkStr[Slot::F];
    QString rest = F;
    for (QString code = GetParam(rest, QStringLiteral("Err")); !code.isEmpty(); code = GetParam(rest, QStringLiteral("Err"))) {
        add(QString(11, u' ') + kErrorMark + u' ' + errorCodeText(code));
        SetParam(rest, QStringLiteral("Err"), QString());
    }
    rest = F;
    for (qsizetype at = rest.indexOf(QLatin1String("Warn=")); at >= 0; at = rest.indexOf(QLatin1String("Warn="))) {
        rest = rest.mid(at + 5);
        const QString code = rest.section(u',', 0, 0);
        const QString text = errorCodeText(code);
        add(text.isEmpty() ? QString() : QString(11, u' ') + kWarningMark + u' ' + text);
    }
}
