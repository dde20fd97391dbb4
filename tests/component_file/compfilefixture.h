#pragma once
#include "common/testutil.h"
#include "component_file/btdatei.h"
#include "component_file/btlock.h"
#include "frame/program.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A fresh internal component file (groups 11, 12 and 41, empty index) in a
// temporary folder, with the program state pointing at it and short lock pauses.
class CompFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        lockWait() = LockWait{};
        lockWait().pauseMs = 5;
        bin = tmp.filePath(QStringLiteral("int"));
        QDir().mkpath(bin);
        QDir().mkpath(tmp.filePath(QStringLiteral("tp2")));
        QDir::setCurrent(tmp.path());
        Program& p = sp.program();
        p.LangNr = 1;
        p.Cf = QStringLiteral("L=1,Tp1=tp1,Tp2=tp2,Bin=") + bin + QStringLiteral(",G11=1,G12=1,G41=1");
        QString header;
        ASSERT_TRUE(InitInh(bin, header));
        ASSERT_TRUE(InitBtDatei());
    }
    void TearDown() override { lockWait() = LockWait{}; }

    QString path(const QString& rel) const { return bin + u'/' + rel; }
    QString header() const { return QString::fromLatin1(testutil::readFile(path(QStringLiteral("abi")))); }

    QTemporaryDir tmp;
    testutil::ScriptedProgram sp;
    QString bin;
};
