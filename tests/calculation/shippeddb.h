#pragma once
#include "common/testutil.h"
#include "frame/database.h"
#include "frame/program.h"

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

// The installation's own databases (build/dist/System), opened read-only as the
// program opens them: SystDb with its BacTecListe, and the user list as AwsDb.
class ShippedDb : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    Program& p() { return sp.program(); }
    Database& db() { return *p().SystDb; }

    // All values of one column of a query, as texts.
    QStringList column(const QString& sql, const QVariantList& params = {}) const;
    // One field of the first row of a query; empty when there is none.
    QString field(const QString& sql, const QVariantList& params = {}) const;

    // The work strings of one component: control list, method list, Q, S, R.
    void setComponent(const QString& control, const QString& methods, const QString& q, const QString& s = {},
                      const QString& r = {});

    testutil::ScriptedProgram sp;
};

// Path of a file of the laid-out installation, such as "System/SYST_DB.sqlite".
QString distFile(const QString& relative);
