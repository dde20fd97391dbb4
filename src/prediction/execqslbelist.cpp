#include "prediction/execqslbelist.h"
#include "frame/workslots.h"
#include "component_file/btsuch.h"
#include "frame/codepage.h"
#include "frame/errors.h"
#include "frame/errptnr.h"
#include "frame/interaction.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "prediction/workpass.h"
#include "position_line/posline.h"
#include "qlist/qslaufloesen.h"
#include "qlist/qslfile.h"
#include "qlist/qslsuch.h"

#include <QDir>
#include <QSaveFile>
#include <memory>

namespace {

const QString Abbruch = QStringLiteral("ABBRUCH");

QString designationOfHead(const QString& head)
{
    for (const char* k : {"Yk", "Typ", "An"}) {
        const QString v = GetParam(head, QLatin1String(k));
        if (!v.isEmpty())
            return v;
    }
    return QString();
}

// The proposed file name: the designation, from behind its first colon.
QString proposedName(const QString& designation)
{
    const qsizetype colon = designation.indexOf(u':');
    return (colon >= 0 ? designation.mid(colon + 1) : designation).trimmed() + QStringLiteral("_BEListe.txt");
}

void reportNotWritten(const QString& file)
{
    Program& p = prog();
    const QString shown = QDir::toNativeSeparators(nativePath(file));
    ui().messageBox(QStringLiteral("belist"),
                    p.LangNr == 2
                        ? QStringLiteral("The component list was not completed; %1 was not written.").arg(shown)
                        : QStringLiteral("Die Bauelemente-Liste wurde nicht vollständig erstellt; %1 wurde nicht "
                                         "geschrieben.")
                              .arg(shown),
                    Mb::OKOnly | Mb::Exclamation);
}

} // namespace

void ExecQslBEList(QString& Lnr)
{
    ErrPtnr::CallStack(QStringLiteral("[XHAP] Sub ExecQslBEList(Lnr$)"));
    ErrPtnr::CallStackParam(QStringLiteral("Lnr$"), Lnr);
    Program& p = prog();
    InfoList& info = ui().infoList();
    bool infoOpen = false;
    ErrPtnr::guarded(QStringLiteral("XHAP"), QStringLiteral("ExecQslBEList"), false, [&] {
        const QString title = QStringLiteral("TARN ") + GetParam(p.Cf, QStringLiteral("Vers")) +
                              QStringLiteral("  ") + ResText(QStringLiteral("472"), p.LangNr, true) + u' ' +
                              p.WorkStr[Slot::Qz] + u' ' + LnKurz(Lnr.mid(3));

        QString number = Lnr, path, status;
        QslSuch(QStringLiteral("Ln"), p.WorkStr[Slot::Qz], number, path, status);
        if (path.isEmpty() || status == Abbruch)
            return false;

        info.Finish();
        info.Begin(title);
        infoOpen = true;
        if (QslAufloesen(number, path) == Abbruch || info.Canceled())
            return false;

        QslLineReader qpo(WorkFilePass::qpoPath());
        if (!qpo.isOpen())
            throw TarnError(QStringLiteral("Cannot read %1: %2").arg(WorkFilePass::qpoPath(), qpo.errorString()),
                            ErrNo::PathFileAccess);
        const QString head = qpo.atEnd() ? QString() : qpo.readPhysicalLine();
        const QString designation = designationOfHead(head);

        std::unique_ptr<QSaveFile> out;
        QString chosen;
        bool complete = true;
        while (!qpo.atEnd()) {
            const QString line = qpo.readPhysicalLine();
            if (quantityOf(line) <= -1)
                continue;
            const QString qm = GetParam(line, QStringLiteral("Qm"));
            if (qm == QLatin1String("Ende")) {
                if (info.Canceled()) {
                    complete = false;
                    break;
                }
                continue;
            }
            if (!qm.isEmpty())
                continue;
            QString Stc;
            PosTrenn(line, Stc);
            QString blockFile, blockText, record;
            const int found = SuchBtTsa(0, blockFile, blockText, record);
            if (found == 0 || found == -2) {
                // The file cannot be trusted: a list that silently lacks these
                // components would read as complete.
                complete = false;
                break;
            }
            if (record.isEmpty() || record == QLatin1String("FehlerYk"))
                continue;
            if (!out) {
                Question q;
                q.key = QStringLiteral("belist");
                const Answer a = ui().askSaveFile(
                    q, FileParams{GetParam(p.Cf, QStringLiteral("ResDir")), proposedName(designation),
                                  QStringLiteral("Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*")});
                if (!p.WorkStr[Slot::ProgramDir].isEmpty())
                    QDir::setCurrent(nativePath(p.WorkStr[Slot::ProgramDir]));
                if (a.cancelled || a.text.isEmpty())
                    return false;
                // A text list: a name typed without extension gets ".txt".
                chosen = withExtension(a.text, QStringLiteral("txt"));
                out = std::make_unique<QSaveFile>(nativePath(chosen));
                if (!out->open(QIODevice::WriteOnly))
                    throw TarnError(QStringLiteral("Cannot write %1: %2").arg(chosen, out->errorString()),
                                    ErrNo::PathFileAccess);
            }
            out->write(toAnsi(record + QStringLiteral("\r\n")));
        }
        if (!out)
            return true;
        if (!complete) {
            out->cancelWriting();
            out.reset();
            reportNotWritten(chosen);
            return false;
        }
        if (!out->commit())
            throw TarnError(QStringLiteral("Cannot write %1: %2").arg(chosen, out->errorString()),
                            ErrNo::PathFileAccess);
        return true;
    });
    if (infoOpen)
        info.Finish();
}
