#pragma once
#include "common/testutil.h"
#include "frame/database.h"
#include "frame/program.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// A system database built from the schema and the calculation fixture rows, open
// as SystDb with its BacTecListe, in a fresh Program whose unexpected questions
// fail the test.
class CalcTest : public ::testing::Test {
protected:
    void SetUp() override;

    Program& p() { return sp.program(); }
    QString& work(int slot) { return p().WorkStr[slot]; }

    // The work strings of one position: control list, method list, component
    // data, stress data, and the R and F sections as the run hands them over.
    void setPosition(const QString& q, const QString& s = {}, const QString& r = {},
                     const QString& glPar = QStringLiteral("Tu=40"), const QString& syPar = QStringLiteral("Re=Ber"));

    // Opens a user list holding the given ARMILQRM rows (SQL VALUES lists) as AwsDb.
    void openUserList(const QString& insertSql);

    // A database built from the schema and sql, returned open read-only.
    std::unique_ptr<Database> buildDatabase(const QString& name, const QString& sql);

    testutil::ScriptedProgram sp;
    QTemporaryDir dir;
};
