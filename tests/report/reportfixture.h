#pragma once
#include "common/testutil.h"
#include "frame/workslots.h"
#include "frame/clock.h"
#include "frame/database.h"
#include "frame/program.h"
#include "printing/pageinterpreter.h"
#include "printing/printfixture.h"
#include "printing/printjob.h"
#include "report/listing.h"
#include "report/reportstate.h"

#include <QDateTime>
#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>
#include <memory>

// A fresh program set up as a Q-list run leaves it for the report: scratch
// directories with a qpo from tests/fixtures/report, the system database and
// System directory of the built installation, the fixed-metric printer with an
// open print job, and a fixed clock.
class ReportFixture : public ::testing::Test {
protected:
    ReportFixture() : clock(QDateTime(QDate(2024, 3, 7), QTime(9, 30)))
    {
        Program& p = sp.program();
        tp1 = dir.filePath(QStringLiteral("tp1"));
        tp2 = dir.filePath(QStringLiteral("tp2"));
        QDir().mkpath(tp1);
        QDir().mkpath(tp2);
        p.Cf = QStringLiteral("Tp1=%1,Tp2=%2,De=de\\,Ag=0/20,G41=1,G42=2,G43=3,G51=9").arg(tp1, tp2);
        p.WorkStr[Slot::SyPar] = QStringLiteral("Pw=ProQs,Ld=2,Qz=A,Qpdr=10000000,Qpsp=1000000,Re=Ref,HwNw=0");
        p.WorkStr[Slot::GlPar] = QStringLiteral("Norm=1,Spnorm=1,Env=Gb,Tu=40,Vl=0,Zf=100%");
        p.WorkStr[Slot::Tp1] = tp1;
        p.WorkStr[Slot::Tp2] = tp2;
        p.WorkStr[Slot::ProgramDir] = dir.path();
        p.WorkStr[Slot::SystemDir] = testutil::distDir() + QStringLiteral("/System");
        p.LangNr = 2;
        p.LangDruck = 2;
        p.IniFile = dir.filePath(QStringLiteral("tarn.ini"));
        p.ProgTitel = QStringLiteral("TARN 1.0");
        p.TitelAnw = QStringLiteral("Reliability Lab").leftJustified(30);
        p.Raender = {1134, 850, 10206, 14740};
        p.SystDb = Database::open(testutil::distDir() + QStringLiteral("/System/SYST_DB.sqlite"), true);
        auto fake = std::make_unique<FakePrinter>();
        printer = fake.get();
        printState().device = std::move(fake);
        printState().today = [] { return QDate(2024, 3, 7); };
        InitDruck();
        PrInit();
    }

    ~ReportFixture() override { closePageFiles(); }

    void useQpo(const char* fixture)
    {
        QFile::remove(tp2 + QStringLiteral("/qpo"));
        QFile::copy(testutil::fixturesDir() + QStringLiteral("/report/") + QLatin1String(fixture),
                    tp2 + QStringLiteral("/qpo"));
    }

    testutil::ScriptedProgram sp;
    QTemporaryDir dir;
    ClockOverride clock;
    QString tp1, tp2;
    FakePrinter* printer = nullptr;
};

// The page stream as text: one line per drawing record of every page.
class DumpTarget : public DrawTarget {
public:
    void setFontName(const QString& name) override { mName = name; out += QStringLiteral("font %1\n").arg(name); }
    QString fontName() const override { return mName; }
    void setFontSize(double points) override { out += QStringLiteral("size %1\n").arg(points); }
    void setFontBold(bool bold) override { out += bold ? QStringLiteral("bold\n") : QStringLiteral("regular\n"); }
    void setFontUnderline(bool) override {}
    void setDrawStyle(int) override {}
    void setDrawWidth(int) override {}
    void line(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override
    {
        out += QStringLiteral("line %1,%2 %3,%4\n").arg(x1).arg(y1).arg(x2).arg(y2);
    }
    void text(int32_t x, int32_t y, const QString& t) override
    {
        out += QStringLiteral("text %1,%2 %3\n").arg(x).arg(y).arg(t);
    }
    QString out;

private:
    QString mName;
};

inline QString dumpPages()
{
    DumpTarget t;
    const int n = pageCount(PageSource::Pages);
    for (int k = 1; k <= n; ++k) {
        t.out += QStringLiteral("=== page %1\n").arg(k);
        drawPageRecords(t, readPage(PageSource::Pages, k), 1.0);
    }
    return t.out;
}

// Compares with a checked-in file under tests/fixtures/report/;
// TARN_UPDATE_GOLDEN=1 rewrites it instead.
inline void expectGolden(const QByteArray& actual, const char* name)
{
    const QString path = testutil::fixturesDir() + QStringLiteral("/report/") + QLatin1String(name);
    if (qEnvironmentVariableIsSet("TARN_UPDATE_GOLDEN"))
        testutil::writeFile(path, actual);
    EXPECT_EQ(actual.toStdString(), testutil::readFile(path).toStdString()) << name;
}

// The cells of SYLK records as "row,column=value", in order.
inline QStringList sylkCells(const QString& records)
{
    QStringList out;
    QString at;
    for (const QString& r : records.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        QString y, x;
        for (const QString& field : r.split(u';')) {
            if (field.startsWith(u'Y'))
                y = field.mid(1);
            else if (field.startsWith(u'X'))
                x = field.mid(1);
        }
        if (r.startsWith(QLatin1String("F;")))
            at = y + u',' + x;
        else if (r.startsWith(QLatin1String("C;Y")))
            out << y + u',' + x + u'=' + r.mid(r.indexOf(QLatin1String(";K")) + 2);
        else if (r.startsWith(QLatin1String("C;K")))
            out << at + u'=' + r.mid(3);
    }
    return out;
}
