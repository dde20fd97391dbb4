// Builds the demo data of an installation from the readable text in data/demo:
// the internal component file (merged from components.blk exactly as the
// "/mb" batch merges a block file) and the Q-list database "A" with its Q-list
// files (stored as the Q-list editor stores them). Usage:
//   tarn_demo_data <installation directory> <data/demo directory>
#include "component_file/btdatei.h"
#include "component_file/mixbt.h"
#include "frame/codepage.h"
#include "frame/interaction.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/tarnstart.h"
#include "qlist/qldb.h"
#include "qlist/qslfile.h"
#include "qlist/qslhead.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

namespace {
bool fail(const char* what)
{
    std::fprintf(stderr, "tarn_demo_data: %s\n", what);
    return false;
}

bool buildComponentFile(const QString& demo, BatchInteraction& ui)
{
    Program& p = prog();
    QDir(nativePath(p.BinDir)).removeRecursively();
    QDir().mkpath(nativePath(p.BinDir));
    QString header;
    if (!InitInh(p.BinDir, header))
        return fail("cannot make the component file");
    MixBt(QStringLiteral("be.mixbl"), QDir(demo).absoluteFilePath(QStringLiteral("components.blk")), std::nullopt);
    for (const QString& line : ui.logged)
        std::fprintf(stderr, "%s\n", qPrintable(line));
    return true;
}

bool buildQlists(const QString& demo)
{
    Program& p = prog();
    const QString letter = QStringLiteral("A");
    QDir(nativePath(p.WorkStr[13])).removeRecursively();
    const QString folder = p.WorkStr[15] + letter;
    QDir().mkpath(nativePath(folder));
    Create_Db(folder);
    const QDir dir(QDir(demo).filePath(QStringLiteral("qlists")));
    for (const QString& name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::ReadOnly))
            return fail("cannot read a Q-list text");
        QStringList lines = fromAnsi(f.readAll()).split(QStringLiteral("\r\n"));
        while (!lines.isEmpty() && lines.back().isEmpty())
            lines.removeLast();
        const QString ln = name.left(5);
        const QString path = QslPfad(letter, ln);
        QDir().mkpath(QString(path.left(path.lastIndexOf(u'\\'))).replace(u'\\', u'/'));
        writeQslFile(path, lines);
        if (!KopfToRec(path) || SaveRec_Db(letter, folder) != 1)
            return fail("cannot store a Q-list");
    }
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return fail("usage: tarn_demo_data <installation> <demo data>") ? 0 : 2;
    const QString dist = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QString demo = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    Program program;
    installProgram(&program);
    BatchInteraction ui;
    program.ui = &ui;
    const StartResult start = Main(QDir(dist).filePath(QStringLiteral("tarn")), QString());
    int rc = 0;
    if (start.action == StartAction::End)
        rc = 1;
    else if (!buildComponentFile(demo, ui) || !buildQlists(demo))
        rc = 1;
    installProgram(nullptr);
    return rc;
}
