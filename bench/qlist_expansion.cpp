// Expansion of a Q-list of 10,000 component positions in four nesting levels:
// the root refers to 10 lists, each of those to 10, each of those to 10 lists of
// 10 components (1,111 Q-lists, 1,110 references, three level passes).
// Prints the time of the expansion alone (database and files prepared before).
#include "frame/interaction.h"
#include "frame/program.h"
#include "frame/tarnstart.h"
#include "qlist/qldb.h"
#include "qlist/qslaufloesen.h"
#include "qlist/qslfile.h"
#include "qlist/qslhead.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

namespace {
QString makeList(int slot, const QString& typ, const QStringList& positions)
{
    const QString ln = allocateQslNumber(QStringLiteral("A"), slot);
    const QString path = QslPfad(QStringLiteral("A"), ln);
    QStringList lines{QStringLiteral("Typ=") + typ + QStringLiteral(",Tec=SMD"), QStringLiteral("Be=List ") + typ};
    lines << positions;
    writeQslFile(path, lines);
    KopfToRec(path);
    NewRec_Db(slot);
    return ln;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ProgramScope scope;
    BatchInteraction batch;
    prog().ui = &batch;
    fillQslFieldTables();
    QTemporaryDir root;
    auto& w = prog().WorkStr;
    w[13] = root.path();
    w[14] = w[13] + u'\\';
    w[15] = w[14] + QStringLiteral("dbase_");
    w[16] = QStringLiteral("A");
    w[11] = root.path();
    QDir(root.path()).mkpath(QStringLiteral("dbase_A"));
    Create_Db(w[15] + QStringLiteral("A"));

    QElapsedTimer setup;
    setup.start();
    const int slot = Open_Db(w[15] + QStringLiteral("A"), 0);
    QStringList rootRefs;
    int component = 0;
    for (int a = 0; a < 10; ++a) {
        QStringList l1Refs;
        for (int b = 0; b < 10; ++b) {
            QStringList l2Refs;
            for (int c = 0; c < 10; ++c) {
                QStringList parts;
                for (int d = 0; d < 10; ++d)
                    parts << QStringLiteral("Stck=%1,Typ=R%2,Sl=R%3,S,Zf=50%").arg(1 + d % 3).arg(component++).arg(d);
                const QString name = QStringLiteral("L3-%1-%2-%3").arg(a).arg(b).arg(c);
                makeList(slot, name, parts);
                l2Refs << QStringLiteral("Stck=1,Typ=") + name + QStringLiteral(",Qm=Qsl");
            }
            const QString name = QStringLiteral("L2-%1-%2").arg(a).arg(b);
            makeList(slot, name, l2Refs);
            l1Refs << QStringLiteral("Stck=1,Typ=") + name + QStringLiteral(",Qm=Qsl");
        }
        const QString name = QStringLiteral("L1-%1").arg(a);
        makeList(slot, name, l1Refs);
        rootRefs << QStringLiteral("Stck=2,Typ=") + name + QStringLiteral(",Qm=Qsl");
    }
    const QString rootLn = makeList(slot, QStringLiteral("ROOT"), rootRefs);
    Close_Db(slot);
    const qint64 setupMs = setup.elapsed();

    ui().infoList().Begin();
    QElapsedTimer t;
    t.start();
    const QString result = QslAufloesen(rootLn, QslPfad(QStringLiteral("A"), rootLn));
    const qint64 ms = t.elapsed();

    QFile qpo(QDir(root.path()).filePath(QStringLiteral("qpo")));
    qpo.open(QIODevice::ReadOnly);
    int lines = 0;
    while (!qpo.atEnd()) {
        qpo.readLine();
        ++lines;
    }
    std::printf("setup: %lld ms (1111 Q-lists)\n", static_cast<long long>(setupMs));
    std::printf("expansion of %d component positions: %lld ms, qpo %d lines, %lld bytes, result '%s'\n", component,
                static_cast<long long>(ms), lines, static_cast<long long>(qpo.size()), qPrintable(result));
    return result.isEmpty() && lines == 1 + component + 2 * 1110 ? 0 : 1;
}
