#include "compfilefixture.h"
#include "component_file/btinh.h"
#include "component_file/btstore.h"
#include "component_file/neuinh.h"
#include "frame/markers.h"
#include "frame/restext.h"

#include <QDirIterator>
#include <set>

namespace {

using testutil::readFile;

QString msg(const char* id, const QStringList& args = {})
{
    return ResText(QLatin1String(id), 1, true, args);
}

class RebuildTest : public CompFileTest {
protected:
    QString add(const QString& record)
    {
        QString a;
        int i = 0, s = 0, c = 0;
        QStringList r;
        const QString result = AddBt(a, i, s, record, r, c, true);
        EXPECT_EQ(result, QStringLiteral("ok")) << record.toStdString();
        return a;
    }
    // Every entry of every leaf page of the index on disk.
    std::set<QString> leafEntries()
    {
        std::set<QString> out;
        QDirIterator it(path("i"), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString f = it.next();
            if (f.endsWith(QStringLiteral("/hi")) || f.contains(QStringLiteral("/ss/")))
                continue;
            const QString page = QString::fromLatin1(readFile(f));
            for (int e = 0; e < 100; ++e) {
                const QString entry = page.mid(e * 24, 24);
                if (entry.startsWith(EndeZeichen))
                    break;
                out.insert(entry);
            }
        }
        return out;
    }
    QMap<QString, QByteArray> indexFiles()
    {
        QMap<QString, QByteArray> out;
        QDirIterator it(path("i"), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString f = it.next();
            out.insert(f, readFile(f));
        }
        out.insert(path("abi"), readFile(path("abi")));
        return out;
    }
    QStringList errLines()
    {
        const QString text = QString::fromLatin1(readFile(tmp.filePath(QStringLiteral("NeuInhBE.err"))));
        QStringList lines = text.split(QStringLiteral("\r\n"));
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }
    void fillThreeBlocks()
    {
        // Long descriptions fill a block with four records.
        const QString pad = QString(3000, u'x');
        for (int i = 0; i < 12; ++i)
            add(QStringLiteral("Typ=R%1,An=U%1,Q,Bac=4111,B,").arg(i) + pad);
        add(QStringLiteral("Typ=C1,Q,Bac=1211"));
        ASSERT_TRUE(QFileInfo::exists(path("b4/10/02")));
    }
};

TEST_F(RebuildTest, AfterDeletingABlockTheIndexHoldsTheOtherBlocksKeys)
{
    fillThreeBlocks();
    const std::set<QString> before = leafEntries();
    ASSERT_EQ(before.size(), 25u);
    ASSERT_TRUE(QFile::remove(path("b4/10/01")));
    NeuInh();
    std::set<QString> expected;
    for (const QString& e : before)
        if (!e.endsWith(QStringLiteral("41001")))
            expected.insert(e);
    EXPECT_EQ(leafEntries(), expected);
    EXPECT_EQ(header(), QStringLiteral("Ss=00,Ib=0000,11=000,12=000,41=002"));
    EXPECT_FALSE(QFileInfo::exists(path("neuinh.tmp")));
    EXPECT_TRUE(errLines().isEmpty());
    const QStringList lines = sp.ui().headlessList().lines;
    EXPECT_TRUE(lines.contains(msg("36", {QString::number(expected.size())})));
    EXPECT_FALSE(lines.join(u'\n').contains(msg("192", {"0", "NeuInhBE.err"})));
    // The rebuilt index is the one in use.
    int n = 0;
    QString entry;
    ASSERT_TRUE(SuchInh(QStringLiteral("R11").leftJustified(18) + u'T', 2, n, entry, 1, 59));
    EXPECT_GT(n, 0);
}

TEST_F(RebuildTest, CancelKeepsTheOldIndex)
{
    fillThreeBlocks();
    const QMap<QString, QByteArray> before = indexFiles();
    // The cancel button is pressed while the second block is read.
    sp.ui().headlessList().cancelAfterAdds = 5;
    NeuInh();
    EXPECT_EQ(indexFiles(), before);
    EXPECT_FALSE(QFileInfo::exists(path("neuinh.tmp")));
    EXPECT_FALSE(sp.ui().headlessList().visible);
}

TEST_F(RebuildTest, FaultyRecordsAreLoggedAndTheRestIndexed)
{
    const QString long19 = QStringLiteral("ABCDEFGHIJKLMNOPQRS");
    testutil::writeFile(path("b4/10/00"), "Typ=A1,Q,Bac=4111\r\nTyp=NOQ,Bac=4111\r\nTyp=W1,Q,Bac=1211\r\n"
                                          "Typ=" + long19.toLatin1() + ",Yk=A1-B1-C1,Q,Bac=4111\r\n\r\n");
    testutil::writeFile(path("b4/10/01"), "Typ=A1,Q,Bac=4111\r\nTyp=LAST,Q,Bac=4111");
    testutil::writeFile(path("b1/20/00"), "Typ=C1,Q,Bac=1211\r\n\r\n");
    NeuInh();
    const QString b0 = bin + QStringLiteral("\\b4\\10\\00");
    EXPECT_EQ(errLines(), (QStringList{msg("32", {b0}), msg("35", {QStringLiteral("W1").leftJustified(18) + u'T'}),
                                       msg("522", {",Typ=" + long19 + ", Block: " + b0}),
                                       msg("191", {QStringLiteral("A1").leftJustified(18) + u'T', "41001", "41000"})}));
    std::set<QString> entries = leafEntries();
    EXPECT_TRUE(entries.count(QStringLiteral("W1").leftJustified(18) + QStringLiteral("T41000")));
    EXPECT_TRUE(entries.count(QStringLiteral("LAST").leftJustified(18) + QStringLiteral("T41001")))
        << "a last record without line end is indexed";
    EXPECT_EQ(entries.size(), 5u);
    EXPECT_TRUE(sp.ui().headlessList().lines.contains(msg("192", {"4", "NeuInhBE.err"})));
    EXPECT_EQ(header(), QStringLiteral("Ss=00,Ib=0000,11=000,12=000,41=001"));
}

TEST_F(RebuildTest, GroupWithHundredAndFiveBlocksGetsHeaderValue104)
{
    for (int b = 0; b <= 104; ++b)
        testutil::writeFile(path(QStringLiteral("b1/1%1/%2").arg(b / 100).arg(b % 100, 2, 10, QChar(u'0'))),
                            QStringLiteral("Typ=T%1,Q,Bac=1111\r\n\r\n").arg(b).toLatin1());
    NeuInh();
    EXPECT_EQ(header(), QStringLiteral("Ss=00,Ib=0001,11=104,12=000,41=000"));
    EXPECT_EQ(leafEntries().size(), 105u);
}

TEST_F(RebuildTest, MenuKeyAsksFirst)
{
    add(QStringLiteral("Typ=R1,Q,Bac=4111"));
    const QMap<QString, QByteArray> before = indexFiles();
    sp.ui().expect(QuestionKind::Message, QStringLiteral("33"), Answer::button(7));
    EXPECT_TRUE(RunComponentFileCommand(QStringLiteral("be.db")));
    EXPECT_EQ(indexFiles(), before);
    EXPECT_FALSE(QFileInfo::exists(tmp.filePath(QStringLiteral("NeuInhBE.err"))));
    EXPECT_FALSE(RunComponentFileCommand(QStringLiteral("be.other")));
}

} // namespace
