// A process killed at any write, flush or rename of the component file layer:
// after the next start the component file is consistent, and everything that was
// reported stored is there. The crash points make it deterministic: a child
// process runs one operation and ends itself (_exit) at its n-th operation, for
// every n until the operation completes.
#include "common/testutil.h"
#include "compfilecheck.h"
#include "compfilefixture.h"
#include "component_file/btjournal.h"
#include "component_file/btrecord.h"
#include "component_file/btstore.h"
#include "component_file/mixbt.h"
#include "component_file/neuinh.h"
#include "frame/codepage.h"
#include "frame/restext.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>

namespace {

using testutil::readFile;

const QString Groups = QStringLiteral(",G11=1,G12=1,G41=1");

// Records of about 120 characters with two designations each, so that a few
// dozen fill a block and a hundred split leaf pages.
QString recordText(const QString& prefix, int i)
{
    return QStringLiteral("Typ=%1%2,An=U%1%2,Q,Bac=4111,Tec=01,Gec=SO8,Pin=8,B,Widerstand Metallfilm 0.25 W "
                          "Toleranz 1 Prozent Serie E96")
        .arg(prefix)
        .arg(i, 3, 10, QChar(u'0'));
}

void setUpProgram(Program& p, const QString& dir)
{
    p.LangNr = 1;
    p.Cf = QStringLiteral("L=1,Tp1=tp1,Tp2=tp2,Bin=") + dir + QStringLiteral("/int") + Groups;
    QDir::setCurrent(dir);
    lockWait().pauseMs = 5;
}

QString add(const QString& record)
{
    QString address;
    int index = 0, source = 0, count = 0;
    QStringList records;
    return AddBt(address, index, source, record, records, count, true);
}

// The block and position of a record, read from disk.
bool locate(const QString& bin, const QString& record, QString& address, QStringList& records, int& count, int& index)
{
    for (int b = 0; b <= 9; ++b) {
        address = QStringLiteral("41%1").arg(b, 3, 10, QChar(u'0'));
        QString text = fromAnsi(readFile(bin + QStringLiteral("/b4/10/0") + QString::number(b)));
        ZerlegBtBlock(text, records, count);
        for (index = 1; index <= count; ++index)
            if (records[index] == record)
                return true;
    }
    return false;
}

void note(const QString& dir, const QString& name, const QString& text)
{
    testutil::writeFile(dir + u'/' + name, text.toUtf8());
}

// The operations; each leaves "reported" with the records it reported stored.
void runOperation(const QString& op, const QString& dir)
{
    const QString bin = dir + QStringLiteral("/int");
    if (op == QLatin1String("add")) {
        if (add(recordText(QStringLiteral("NEW"), 1)) == QLatin1String("ok"))
            note(dir, QStringLiteral("reported"), recordText(QStringLiteral("NEW"), 1));
    } else if (op == QLatin1String("replace") || op == QLatin1String("delete")) {
        QString address;
        QStringList records;
        int count = 0, index = 0, source = 0;
        ASSERT_TRUE(locate(bin, recordText(QStringLiteral("B"), 7), address, records, count, index));
        const QString changed = op == QLatin1String("replace") ? recordText(QStringLiteral("C"), 7) : QString();
        if (AddBt(address, index, source, changed, records, count, true) == QLatin1String("ok"))
            note(dir, QStringLiteral("reported"), op);
    } else if (op == QLatin1String("merge")) {
        mergeBatch().records = 80;
        mergeBatch().millis = 600000; // the same batches in every run
        MixBt(QStringLiteral("be.mixbl"), dir + QStringLiteral("/merge.txt"), QString());
    } else if (op == QLatin1String("rebuild")) {
        NeuInh();
    }
}

// Run by the test below in processes of its own.
TEST(CrashChild, DISABLED_RunOneOperationUpToItsCrashPoint)
{
    const QString dir = qEnvironmentVariable("TARN_CRASH_DIR");
    ASSERT_FALSE(dir.isEmpty());
    ProgramScope scope;
    BatchInteraction batch;
    scope.program().ui = &batch;
    setUpProgram(scope.program(), dir);
    ASSERT_TRUE(InitBtDatei());
    crashpoint::reset();
    crashpoint::arm(qEnvironmentVariableIntValue("TARN_CRASH_AT"));
    runOperation(qEnvironmentVariable("TARN_CRASH_OP"), dir);
    note(dir, QStringLiteral("operations"), QString::number(crashpoint::count()));
}

struct Child {
    int n = 0;
    QString dir;
    std::unique_ptr<QProcess> process;
};

std::unique_ptr<QProcess> startChild(const QString& dir, const QString& op, int n)
{
    auto p = std::make_unique<QProcess>();
    QProcessEnvironment env = testutil::childTestEnvironment();
    env.insert(QStringLiteral("TARN_CRASH_DIR"), dir);
    env.insert(QStringLiteral("TARN_CRASH_OP"), op);
    env.insert(QStringLiteral("TARN_CRASH_AT"), QString::number(n));
    p->setProcessEnvironment(env);
    p->setProcessChannelMode(QProcess::MergedChannels);
    p->start(QCoreApplication::applicationFilePath(),
             {QStringLiteral("--gtest_also_run_disabled_tests"),
              QStringLiteral("--gtest_filter=CrashChild.DISABLED_RunOneOperationUpToItsCrashPoint")});
    return p;
}

class CrashTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { ASSERT_TRUE(tmp.isValid()); }

    // The component file every run starts from: 60 records in group 41 (two
    // blocks, leaf pages split), and the merge input of 200 new records, every
    // tenth of which is indexed already.
    void prepareBase()
    {
        base = tmp.filePath(QStringLiteral("base"));
        QDir().mkpath(base + QStringLiteral("/int"));
        QDir().mkpath(base + QStringLiteral("/tp2"));
        testutil::ScriptedProgram sp;
        setUpProgram(sp.program(), base);
        QString header;
        ASSERT_TRUE(InitInh(base + QStringLiteral("/int"), header));
        ASSERT_TRUE(InitBtDatei());
        for (int i = 0; i < 60; ++i)
            ASSERT_EQ(add(recordText(QStringLiteral("B"), i)), QStringLiteral("ok"));
        QByteArray merge;
        for (int i = 0; i < 200; ++i)
            merge += (i % 10 == 0 ? recordText(QStringLiteral("B"), i / 10) : recordText(QStringLiteral("M"), i))
                         .toLatin1() +
                     "\r\n";
        testutil::writeFile(base + QStringLiteral("/merge.txt"), merge);
        ASSERT_TRUE(checkComponentFile(base + QStringLiteral("/int")).isEmpty());
    }

    QString copyOfBase(const QString& name)
    {
        const QString dir = tmp.filePath(name);
        EXPECT_TRUE(testutil::copyTree(base, dir));
        return dir;
    }

    // What the next start finds after a crash at n: it finishes or undoes the
    // half-done change, the file is consistent, every record reported stored is
    // there, and a further record can be added.
    void checkAfterCrash(const QString& op, const QString& dir, int n)
    {
        SCOPED_TRACE(QStringLiteral("%1, crash at operation %2").arg(op).arg(n).toStdString());
        const QString bin = dir + QStringLiteral("/int");
        testutil::ScriptedProgram sp;
        setUpProgram(sp.program(), dir);
        ASSERT_TRUE(InitBtDatei());
        EXPECT_EQ(checkComponentFile(bin), QStringList());
        const QStringList records = allRecords(bin);
        const QString reported = QString::fromUtf8(readFile(dir + QStringLiteral("/reported")));
        if (op == QLatin1String("add")) {
            if (!reported.isEmpty()) {
                EXPECT_TRUE(records.contains(reported));
            }
        } else if (op == QLatin1String("replace")) {
            const bool before = records.contains(recordText(QStringLiteral("B"), 7));
            const bool after = records.contains(recordText(QStringLiteral("C"), 7));
            EXPECT_NE(before, after) << "exactly one of the old and the new record";
            if (!reported.isEmpty()) {
                EXPECT_TRUE(after);
            }
        } else if (op == QLatin1String("delete")) {
            if (!reported.isEmpty()) {
                EXPECT_FALSE(records.contains(recordText(QStringLiteral("B"), 7)));
            }
        } else if (op == QLatin1String("merge")) {
            const QString log = fromAnsi(readFile(dir + QStringLiteral("/tp2/MixBT.log")));
            int merged = 0;
            for (int i = 0; i < 200; ++i) {
                const QString r = recordText(QStringLiteral("M"), i);
                if (log.contains(ResText(QStringLiteral("512"), 1, true, {r}))) {
                    ++merged;
                    EXPECT_TRUE(records.contains(r)) << "reported merged: " << r.toStdString();
                }
            }
            if (n == 0) {
                EXPECT_EQ(merged, 180);
            }
        } else if (op == QLatin1String("rebuild")) {
            EXPECT_EQ(records.size(), 60);
        }
        EXPECT_EQ(add(recordText(QStringLiteral("AFTER"), 1)), QStringLiteral("ok"));
        EXPECT_EQ(checkComponentFile(bin), QStringList());
    }

    QTemporaryDir tmp;
    QString base;
};

TEST_P(CrashTest, EveryCrashPointLeavesAFileThatTheNextStartMakesConsistent)
{
    const QString op = QString::fromLatin1(GetParam());
    prepareBase();

    // A run without a crash counts the operations.
    const QString whole = copyOfBase(QStringLiteral("whole"));
    auto dry = startChild(whole, op, 0);
    ASSERT_TRUE(dry->waitForFinished(120000));
    ASSERT_EQ(dry->exitCode(), 0) << dry->readAll().toStdString();
    const int operations = readFile(whole + QStringLiteral("/operations")).toInt();
    ASSERT_GT(operations, 3);
    RecordProperty("operations", operations);
    checkAfterCrash(op, whole, 0);

    // Every crash point, a few processes at a time.
    const int parallel = qMax(2, QThread::idealThreadCount());
    for (int first = 1; first <= operations; first += parallel) {
        std::vector<Child> children;
        for (int n = first; n < first + parallel && n <= operations; ++n) {
            const QString dir = copyOfBase(QStringLiteral("crash%1").arg(n));
            children.push_back({n, dir, startChild(dir, op, n)});
        }
        for (Child& c : children) {
            ASSERT_TRUE(c.process->waitForFinished(120000));
            EXPECT_EQ(c.process->exitCode(), crashpoint::ExitCode)
                << "crash at " << c.n << ": " << c.process->readAll().toStdString();
            checkAfterCrash(op, c.dir, c.n);
            QDir(c.dir).removeRecursively();
        }
        if (HasFailure())
            break;
    }
}

INSTANTIATE_TEST_SUITE_P(Operations, CrashTest, ::testing::Values("add", "replace", "delete", "merge", "rebuild"));

} // namespace
