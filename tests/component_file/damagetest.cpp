#include "compfilefixture.h"
#include "frame/workslots.h"
#include "component_file/btinh.h"
#include "component_file/btrecord.h"
#include "component_file/btstore.h"
#include "component_file/btsuch.h"
#include "component_file/dosfile.h"
#include "component_file/mixbt.h"
#include "frame/markers.h"

#include <functional>

// A component file with a part cut, zeroed, overwritten or missing: a look-up
// says that the file cannot be read, naming the file, and never takes an
// indexed component for one that is not in the file.
namespace {

class DamagedFile : public CompFileTest {
protected:
    void SetUp() override
    {
        CompFileTest::SetUp();
        sp.program().IniFile = tmp.filePath(QStringLiteral("tarn.ini"));
        for (const char* r : {"Typ=R1,Q,Bac=4111", "Typ=R2,Q,Bac=4111", "Typ=C1,Q,Bac=1211"}) {
            QString a;
            int i = 0, s = 0, c = 0;
            QStringList records;
            ASSERT_EQ(AddBt(a, i, s, QString::fromLatin1(r), records, c, true), QStringLiteral("ok"));
        }
        forgetCachedPages(BtKind::Internal);
        ASSERT_TRUE(InitBtDatei());
    }
    int search(const QString& identity, QString& record)
    {
        sp.program().WorkStr[Slot::Ident] = identity;
        QString file, text;
        return SuchBtTsa(0, file, text, record);
    }
    // Expects the damage message once and returns its text.
    void expectDamageMessage(QString* text)
    {
        sp.ui().expect(QuestionKind::Message, QStringLiteral("btdefekt"), [text](const Question& q) {
            *text = q.text;
            return Answer::button(Mb::OK);
        });
    }
    QString file(const QString& relative) const { return bin + u'/' + relative; }
};

struct DamageRow {
    const char* name;
    const char* file; // below the component file's folder
    std::function<void(const QString&)> damage;
    int result; // of the look-up
};
void PrintTo(const DamageRow& r, std::ostream* os) { *os << r.name; }
class DamagedPart : public DamagedFile, public ::testing::WithParamInterface<DamageRow> {};

void cut(const QString& f)
{
    QFile file(f);
    ASSERT_TRUE(file.resize(file.size() / 2));
}
void zero(const QString& f)
{
    const qint64 size = QFileInfo(f).size();
    testutil::writeFile(f, QByteArray(size, '\0'));
}
void garbage(const QString& f)
{
    QByteArray bytes(QFileInfo(f).size(), '\0');
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = char((i * 37 + 11) % 251);
    testutil::writeFile(f, bytes);
}
void removeFile(const QString& f)
{
    ASSERT_TRUE(QFile::remove(f));
}

TEST_P(DamagedPart, LookUpSaysTheFileCannotBeRead)
{
    const QString damaged = file(QString::fromLatin1(GetParam().file));
    ASSERT_TRUE(QFile::exists(damaged));
    GetParam().damage(damaged);
    forgetCachedPages(BtKind::Internal);
    QString shown;
    expectDamageMessage(&shown);
    QString record = QStringLiteral("old");
    EXPECT_EQ(search(QStringLiteral("Typ=R2"), record), GetParam().result);
    EXPECT_TRUE(record.isEmpty());
    EXPECT_TRUE(sp.ui().allUsed()) << "no message about the damage";
    EXPECT_TRUE(shown.contains(QDir::toNativeSeparators(QString::fromLatin1(GetParam().file)))) << shown.toStdString();
}

// Leaf page 0000 holds the keys, block 41000 the records of group 41.
INSTANTIATE_TEST_SUITE_P(
    Parts, DamagedPart,
    ::testing::Values(DamageRow{"leafPageCut", "i/00/00", cut, 0}, DamageRow{"leafPageZeroed", "i/00/00", zero, 0},
                      DamageRow{"leafPageGarbage", "i/00/00", garbage, 0},
                      DamageRow{"leafPageMissing", "i/00/00", removeFile, 0},
                      DamageRow{"secondLevelPageCut", "i/ss/00", cut, 0},
                      DamageRow{"secondLevelPageMissing", "i/ss/00", removeFile, 0},
                      DamageRow{"blockMissing", "b4/10/00", removeFile, 0},
                      // The block still has the first record: the second one was cut off.
                      DamageRow{"blockCut", "b4/10/00", cut, -2}, DamageRow{"blockZeroed", "b4/10/00", zero, -2}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(DamagedFile, TopPageDamagedStopsLoading)
{
    zero(file(QStringLiteral("i/hi")));
    QString shown;
    expectDamageMessage(&shown);
    EXPECT_FALSE(InitBtDatei());
    EXPECT_TRUE(shown.contains(QDir::toNativeSeparators(QStringLiteral("i/hi"))));
}

TEST_F(DamagedFile, InternalFileWithoutIndexStopsLoading)
{
    QDir(file(QStringLiteral("i"))).removeRecursively();
    QString shown;
    expectDamageMessage(&shown);
    EXPECT_FALSE(InitBtDatei());
    EXPECT_TRUE(shown.contains(QDir::toNativeSeparators(QStringLiteral("i/hi"))));
}

TEST_F(DamagedFile, UndamagedFileFindsAndMissesWithoutMessages)
{
    QString record;
    EXPECT_EQ(search(QStringLiteral("Typ=R2"), record), 1);
    EXPECT_EQ(record, QStringLiteral("Typ=R2,Q,Bac=4111"));
    EXPECT_EQ(search(QStringLiteral("Typ=NONE"), record), 1);
    EXPECT_TRUE(record.isEmpty());
    EXPECT_TRUE(indexReadable(BtKind::Internal));
}

TEST_F(DamagedFile, MergeStopsBeforeWritingWhenAnyPageIsDamaged)
{
    const QString leaf = file(QStringLiteral("i/00/00"));
    garbage(leaf);
    const QByteArray leafBefore = testutil::readFile(leaf);
    const QByteArray headerBefore = testutil::readFile(file(QStringLiteral("abi")));
    const QByteArray blockBefore = testutil::readFile(file(QStringLiteral("b4/10/00")));
    testutil::writeFile(tmp.filePath(QStringLiteral("new.txt")), "Typ=NEW,Q,Bac=4111\r\n");
    QString shown;
    expectDamageMessage(&shown);

    EXPECT_FALSE(MixBt(QStringLiteral("be.mixbl"), tmp.filePath(QStringLiteral("new.txt")), QString()));

    EXPECT_TRUE(sp.ui().allUsed());
    EXPECT_EQ(testutil::readFile(leaf), leafBefore);
    EXPECT_EQ(testutil::readFile(file(QStringLiteral("abi"))), headerBefore);
    EXPECT_EQ(testutil::readFile(file(QStringLiteral("b4/10/00"))), blockBefore);
}

struct PageRow {
    const char* name;
    std::function<QString()> page;
    bool sound;
};
void PrintTo(const PageRow& r, std::ostream* os) { *os << r.name; }
class PageCheck : public ::testing::TestWithParam<PageRow> {};
TEST_P(PageCheck, TellsSoundFromDamaged)
{
    EXPECT_EQ(indexPageIsSound(GetParam().page()), GetParam().sound);
}

QString entry(const char* designation, const char* tail)
{
    return QString::fromLatin1(designation).leftJustified(18) + u'T' + QString::fromLatin1(tail);
}
QString page(const QStringList& entries)
{
    return (entries.join(QString()) + freePage()).left(PageLength);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageCheck,
    ::testing::Values(PageRow{"free", [] { return freePage(); }, true},
                      PageRow{"sentinelOnly", [] { return page({QString(19, EndeZeichen) + "00000"}); }, true},
                      PageRow{"ascending", [] { return page({entry("A", "41000"), entry("B", "41001")}); }, true},
                      PageRow{"descending", [] { return page({entry("B", "41000"), entry("A", "41001")}); }, false},
                      PageRow{"duplicate", [] { return page({entry("A", "41000"), entry("A", "41000")}); }, false},
                      PageRow{"tailNotDigits", [] { return page({entry("A", "41x00")}); }, false},
                      PageRow{"controlInKey", [] { return page({entry("A\x01", "41000")}); }, false},
                      PageRow{"entryBehindFree",
                              [] { return QString(freePage()).replace(24, 24, entry("A", "41000")); }, false},
                      PageRow{"short", [] { return freePage().left(2399); }, false},
                      PageRow{"long", [] { return freePage() + u' '; }, false}),
    [](const auto& i) { return std::string(i.param.name); });

} // namespace
