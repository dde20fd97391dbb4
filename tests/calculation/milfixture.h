#pragma once
#include "common/testutil.h"
#include "frame/workslots.h"
#include "frame/database.h"
#include "frame/markers.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace miltest {

// Texts compared as UTF-8, so that a failure prints them readably.
inline std::string txt(const QString& text) { return text.toStdString(); }

// Expected texts are written with the Greek pi where the program writes its
// factor marker.
inline QString pi(const char* utf8)
{
    return QString::fromUtf8(utf8).replace(QChar(0x03C0), PiMark);
}

// A fresh program with an empty system database of the MIL tables; the test adds
// the model records, factor tables and list rows it needs.
class MilFixture : public ::testing::Test {
protected:
    MilFixture();
    ~MilFixture() override { prog().SystDb.reset(); }

    void record(const QString& model, const QString& fit);
    void table(const QString& kl, const QString& param);
    void normRow(const QString& bacTec, double k1, const QString& bacm, const QString& dcode = QString());
    void normData(const QString& dcode, const QString& daten);

    // Work strings of one component: control list, method list, Q, S, R, F.
    void work(const QString& q, const QString& s, const QString& r = QString(),
              const QString& methods = QStringLiteral("Norm=2,Envm=Gb"), const QString& control = QStringLiteral("Re=Ber"),
              const QString& f = QString());
    QString& Q() { return prog().WorkStr[Slot::Q]; }
    QString& S() { return prog().WorkStr[Slot::S]; }
    QString& F() { return prog().WorkStr[Slot::F]; }
    QString& R() { return prog().WorkStr[Slot::R]; }

    testutil::ScriptedProgram program;
    QTemporaryDir dir;
    Database* db = nullptr;
};

} // namespace miltest
