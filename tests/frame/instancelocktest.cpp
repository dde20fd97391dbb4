#include "common/testutil.h"
#include "frame/instancelock.h"

#include <QCoreApplication>
#include <QDir>
#include <gtest/gtest.h>

namespace {

using testutil::writeFile;

class InstanceLockTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        old = QDir::currentPath();
        QDir::setCurrent(tmp.path());
    }
    void TearDown() override { QDir::setCurrent(old); }
    bool exists(const QString& relative) const { return QFileInfo::exists(tmp.filePath(relative)); }

    QTemporaryDir tmp;
    QString old;
};

TEST_F(InstanceLockTest, OnlyACopyThatIsAloneEmptiesTheWorkDirectories)
{
    writeFile(tmp.filePath("tp1/left.tmp"), "from an earlier run");
    QDir().mkpath(tmp.filePath("tp2/inst1"));
    writeFile(tmp.filePath("tp2/inst1/work"), "of a copy that ended without cleaning up");
    QDir().mkpath(tmp.filePath("tp1/tqs"));
    auto first = std::make_unique<InstanceLock>();
    EXPECT_TRUE(first->alone());
    EXPECT_EQ(first->tp1(), "tp1");
    EXPECT_EQ(first->tp2(), "tp2");
    EXPECT_FALSE(exists("tp1/left.tmp"));
    EXPECT_FALSE(exists("tp2/inst1"));
    EXPECT_TRUE(exists("tp1/tqs")) << "other folders stay";

    // The first copy works; a second start must not touch its files.
    writeFile(tmp.filePath("tp1/running.qsl"), "work of the first copy");
    writeFile(tmp.filePath("tp2/running.pos"), "work of the first copy");
    const QString own = QStringLiteral("inst%1").arg(QCoreApplication::applicationPid());
    {
        InstanceLock second;
        EXPECT_FALSE(second.alone());
        EXPECT_EQ(second.tp1(), "tp1\\" + own);
        EXPECT_EQ(second.tp2(), "tp2\\" + own);
        EXPECT_TRUE(exists("tp1/" + own));
        EXPECT_TRUE(exists("tp2/" + own));
        writeFile(tmp.filePath("tp2/" + own + "/mine"), "work of the second copy");
    }
    EXPECT_TRUE(exists("tp1/running.qsl"));
    EXPECT_TRUE(exists("tp2/running.pos"));
    EXPECT_FALSE(exists("tp1/" + own)) << "the second copy removes its folders at its end";
    EXPECT_FALSE(exists("tp2/" + own));

    // Once the first copy has ended, the next start is alone again.
    first.reset();
    InstanceLock third;
    EXPECT_TRUE(third.alone());
    EXPECT_FALSE(exists("tp1/running.qsl"));
}

} // namespace
