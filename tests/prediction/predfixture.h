#pragma once
#include "common/testutil.h"
#include "frame/database.h"
#include "frame/program.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// A program with the calculation's small system database (plus the summary
// class 5112), an optional user list, and scratch directories in a temporary
// folder; the position file "qpo" is written and read directly.
class PassTest : public ::testing::Test {
protected:
    void SetUp() override;

    Program& p() { return sp.program(); }
    // Opens a user list with the given ARMILQRM rows (SQL VALUES lists) as AwsDb.
    void openUserList(const QString& insertSql);
    void writeQpo(const QStringList& lines);
    QStringList qpo();

    testutil::ScriptedProgram sp;
    QTemporaryDir dir;
};
