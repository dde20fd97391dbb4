#include "common/testutil.h"
#include "frame/workslots.h"
#include "common/xlsxbuilder.h"
#include "component_file/mixbt.h"
#include "frame/database.h"
#include "frame/inifile.h"
#include "frame/interaction.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/tarnstart.h"
#include "prediction/prognoseqsl.h"
#include "qlist/qldb.h"
#include "qlist/qslfile.h"
#include "qlist/qslhead.h"
#include "report/reportstate.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <cmath>
#include <map>
#include <gtest/gtest.h>

// A whole prediction of a three-position Q-list under a stored profile with all
// three methods, in a temporary installation whose rates for the classes used
// come from tests/fixtures/prediction/handcheck-*.sql. Every expected rate is
// worked out here from those rows by the formulas of the models, and compared
// with the positions of the computed position file (copied to the file of key
// Res) and with the total rows of the result file.
namespace {

// ---- The data of the fixture, as the hand calculation uses it.

// Run: profile "Hand", reference conditions, ambient 50 deg C, operating share
// 80 %, norm environment IE Gf (factor 2 for every class used here), MIL
// environment Gf, MIL quality class P for passive parts, stored method 1 (norm).
const char* const Methods = "Norm=123,Tu=50,Env=IEGf,Envm=Gf,Zf=80%,Qk4m=P,Spnorm=1";
const char* const Control = "Pw=ProQs,Qpdr=10000000,Qpsp=1000000,Ld=2,Re=Ref,File=Std";
constexpr double Tu = 50;
constexpr double Share = 0.8; // operating share of the time
constexpr double NormEnv = 2; // norm environment factor of IE Gf outside groups 53, 54, 58, 59

struct Pair {
    double min, max;
};

// The norm's temperature scale and its two-term model.
double z(double celsius)
{
    return 11605 * (1.0 / 313 - 1.0 / (celsius + 273));
}
double g(double A, double Ea1, double Ea2, double x)
{
    return A * std::exp(Ea1 * x) + (1 - A) * std::exp(Ea2 * x);
}

// Rate to the three decimals of the position file.
double rounded(double fit)
{
    return std::round(fit * 1000) / 1000;
}

struct Hand {
    Pair norm, user, mil;
    double quantity;
    int connections; // per piece
};

// Capacitor HC-C1, class 4111, 3 pieces, Umax 50, quality LL; the position gives Ub 40.
//   Under reference conditions the body temperature is Tur + (Tref - 40) = 50 + 0 = 50.
//   pi_t = g(z(50)) / g(z(40)) with A .6, Ea1 .3, Ea2 .5; g(z(40)) = g(0) = 1  -> 1.5568
//   pi_tob at Tur 50 is the same value.
//   s = exp(C3 (v^C2 - Vref^C2)) = exp(1.4 (.8^8 - .5^8)), v = 40/50           -> 1.2579
//   q = Pqs for LL = .5, e = 2, Vf 0 counts as 1, Rf .1:
//   rate = base x (.8 pi_t s + .2 x .1 pi_tob) x q x e = base x 1.5977
//   norm 2/6 -> 3.195/9.586, user list 3/4 -> 4.793/6.391
// MIL (model 4CHC, capacitor): S = 40/50 = .8, Tu 50, rated 85 (record),
//   lambda_b = .5 ((.8/.6)^3 + 1) exp(2.5 ((50+273)/(85+273))^18)                -> 2.4949
//   pi_CV 1 under reference conditions, pi_Q of class P = .3, pi_E Gf = 2.5       -> 1.871
Hand capacitor()
{
    Hand h;
    h.quantity = 3;
    h.connections = 2;
    const double piT = g(.6, .3, .5, z(Tu)) / g(.6, .3, .5, z(40));
    const double s = std::exp(1.4 * (std::pow(.8, 8) - std::pow(.5, 8)));
    const double factor = (Share * piT * s + (1 - Share) * .1 * piT) * .5 * NormEnv;
    h.norm = {2 * factor, 6 * factor};
    h.user = {3 * factor, 4 * factor};
    const double lambdaB = .5 * (std::pow(.8 / .6, 3) + 1) * std::exp(2.5 * std::pow((Tu + 273) / (85 + 273), 18));
    h.mil = {lambdaB * .3 * 2.5, lambdaB * .3 * 2.5};
    return h;
}

// Resistor HC-R1, class 4211, 10 pieces, no stress data.
//   Body temperature 50 + (70 - 40) = 80; one Arrhenius term (A 1, Ea1 .4):
//   pi_t = exp(.4 (z(80) - z(70)))                                               -> 1.4672
//   pi_tob at Tur 50 = exp(.4 (z(50) - z(70)))                                   -> 0.4326
//   no stress or quality factor in group 42, e = 2, Rf .2:
//   rate = base x (.8 pi_t + .2 x .2 pi_tob) x 2 = base x 2.3821
//   norm 1/3 -> 2.382/7.147, user list 1.5/2.5 (at the norm table's Tref) -> 3.573/5.955
// MIL (model 4RHC, resistor): S = .5 by default, Tu 50,
//   lambda_b = 4.5E-6 exp(12 (323/343)) exp((.5/.6) (323/273))                  -> 0.9751
//   pi_Q = Pq 3, pi_E Gf = 2.5                                                   -> 7.313
Hand resistor()
{
    Hand h;
    h.quantity = 10;
    h.connections = 2;
    const double piT = std::exp(.4 * z(80)) / std::exp(.4 * z(70));
    const double piTob = std::exp(.4 * z(Tu)) / std::exp(.4 * z(70));
    const double factor = (Share * piT + (1 - Share) * .2 * piTob) * NormEnv;
    h.norm = {1 * factor, 3 * factor};
    h.user = {1.5 * factor, 2.5 * factor};
    const double lambdaB =
        .0000045 * std::exp(12 * (Tu + 273) / (70 + 273)) * std::exp((.5 / .6) * ((Tu + 273) / 273));
    h.mil = {lambdaB * 3 * 2.5, lambdaB * 3 * 2.5};
    return h;
}

// Fuse HC-F1, class 5611, 2 pieces, multiple factor 2.
//   Body temperature 50 + (40 - 40) = 50; pi_t = exp(.2 z(50))                   -> 1.2581
//   no non-operating rate (Rf 0), e = 2:
//   rate = base x Vf x .8 pi_t x e = base x 4.0259
//   norm 5/15 -> 20.129/60.387, user list 4 -> 16.103
// MIL (model 5HCF, rate per element): Vf x Ar x pi_E = 2 x 7 x 3 = 42
Hand fuse()
{
    Hand h;
    h.quantity = 2;
    h.connections = 2;
    const double piT = std::exp(.2 * z(Tu)) / std::exp(.2 * z(40));
    const double factor = 2 * Share * piT * NormEnv;
    h.norm = {5 * factor, 15 * factor};
    h.user = {4 * factor, 4 * factor};
    h.mil = {2 * 7 * 3, 2 * 7 * 3};
    return h;
}

// The summary position: 3 x 2 + 10 x 2 + 2 x 2 = 30 connections of class 5112.
//   It is computed without operating conditions: no operating share, and the
//   temperature is its own Tref 30, so pi_t = 1. e = 2.
//   norm .2/.4 x 2 = .4/.8, user list .3 x 2 = .6
// MIL (model 5HCS, rate per element): Vf 1 x .05 x pi_E 3 = .15
Hand summary()
{
    Hand h;
    h.quantity = 3 * 2 + 10 * 2 + 2 * 2;
    h.connections = 0;
    h.norm = {.2 * NormEnv, .4 * NormEnv};
    h.user = {.3 * NormEnv, .3 * NormEnv};
    h.mil = {.05 * 3, .05 * 3};
    return h;
}

// ---- The result file: its cells by row and column.

struct Sylk {
    std::map<std::pair<int, int>, QString> cells;   // values as written, text without its quotes
    std::map<std::pair<int, int>, QString> formats; // the cell format of a format record

    explicit Sylk(const QByteArray& bytes)
    {
        int row = 0, col = 0;
        for (const QString& line : QString::fromLatin1(bytes).split(QStringLiteral("\r\n"))) {
            const QStringList f = line.split(u';');
            if (f.value(0) == u"F" && f.size() >= 5 && f[1].startsWith(u'P')) {
                row = f[3].mid(1).toInt();
                col = f[4].mid(1).toInt();
                formats[{row, col}] = f[2];
            } else if (f.value(0) == u"C") {
                QString value;
                for (const QString& field : f.mid(1)) {
                    if (field.startsWith(u'Y'))
                        row = field.mid(1).toInt();
                    else if (field.startsWith(u'X'))
                        col = field.mid(1).toInt();
                    else if (field.startsWith(u'K'))
                        value = field.mid(1);
                }
                if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
                    value = value.mid(1, value.size() - 2);
                cells[{row, col}] = value;
            }
        }
    }
    // The first cell whose text matches; {0, 0} when none.
    std::pair<int, int> find(const QRegularExpression& re) const
    {
        for (const auto& [at, value] : cells)
            if (re.match(value).hasMatch())
                return at;
        return {0, 0};
    }
    QString at(int row, int col) const
    {
        const auto it = cells.find({row, col});
        return it == cells.end() ? QString() : it->second;
    }
};

class HandCheckedPrediction : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(inst.ok());
        QDir(inst.path("results")).removeRecursively();
        QDir(inst.path("archiv")).removeRecursively();
        applyScript("System/SYST_DB.sqlite", "handcheck-systdb.sql");
        applyScript("System/ARAWS.sqlite", "handcheck-araws.sql");
        const QString ini = inst.path("System/tarn.ini");
        ASSERT_TRUE(WriteProfileStr("fewe", QString("Res"), QString("qpo-copy.txt"), ini));
        ASSERT_TRUE(WriteProfileStr("profil-gl", QString("Hand"), QString(Methods), ini));
        ASSERT_TRUE(WriteProfileStr("profil-sy", QString("Hand"), QString(Control), ini));

        ASSERT_NE(Main(inst.programFile(), QString()).action, StartAction::End);
        mergeComponents();
        storeQlist();
    }

    void applyScript(const char* database, const char* script)
    {
        const auto db = Database::open(inst.path(database), false);
        db->executeScript(QString::fromUtf8(
            testutil::readFile(testutil::fixturesDir() + "/prediction/" + QString::fromLatin1(script))));
    }

    // The three components go into the installation's component file as the
    // batch merge puts them there.
    void mergeComponents()
    {
        BatchInteraction batch;
        struct Answering {
            Interaction* before;
            explicit Answering(Interaction* by) : before(prog().ui) { prog().ui = by; }
            ~Answering() { prog().ui = before; }
        } answering(&batch);
        MixBt(QStringLiteral("be.mixbl"), testutil::fixturesDir() + "/prediction/handcheck.blk", std::nullopt);
        for (const QString& line : batch.logged)
            ADD_FAILURE() << "merge: " << line.toStdString();
    }

    // The Q-list takes the place of Q-list 0 of database A.
    void storeQlist()
    {
        Program& p = prog();
        const QString letter = QStringLiteral("A");
        const QString path = QslPfad(letter, QStringLiteral("00000"));
        writeQslFile(path, {"Typ=HANDCHECK", "Be=Three positions computed by hand", "Stck=3,Typ=HC-C1,S,Ub=40",
                            "Stck=10,Typ=HC-R1", "Stck=2,Typ=HC-F1"});
        ASSERT_TRUE(KopfToRec(path));
        ASSERT_EQ(SaveRec_Db(letter, p.WorkStr[Slot::VqlDbase] + letter), 1);
    }

    QStringList qpoCopy()
    {
        // A relative name in the configuration is taken from the program directory.
        QStringList l =
            QString::fromLatin1(testutil::readFile(inst.path("qpo-copy.txt"))).split(QStringLiteral("\r\n"));
        while (!l.isEmpty() && l.back().trimmed().isEmpty())
            l.removeLast();
        return l;
    }

    testutil::ScriptedProgram sp;
    testutil::TempInstallation inst;
};

// A rate pair of a position line; one value stands for both bounds.
Pair rateOf(const QString& line, const char* key)
{
    const ParamPair p = GetParamPair(line, QString::fromLatin1(key));
    return {p.valueMin, p.valueMax};
}

void expectRate(const QString& line, const char* key, const Pair& hand)
{
    const Pair got = rateOf(line, key);
    // Rates are written with three decimals and read back in single precision.
    EXPECT_NEAR(got.min, hand.min, 0.0006) << key << " in " << line.toStdString();
    EXPECT_NEAR(got.max, hand.max, 0.0006) << key << " in " << line.toStdString();
}

TEST_F(HandCheckedPrediction, EveryMethodOfEveryPositionAndTheTotalOfTheStoredMethod)
{
    // No printer: the direct printout becomes a PDF file, and the run says where.
    sp.ui().always(QuestionKind::Message, QStringLiteral("pdf"), Answer::button(Mb::OK));
    PrognoseQsl(QStringLiteral("Ln=0"), QStringLiteral("Hand"), true);

    const Hand c = capacitor(), r = resistor(), f = fuse(), s = summary();

    // The copy of the position file: head, three positions, the summary position.
    const QStringList qpo = qpoCopy();
    ASSERT_EQ(qpo.size(), 5) << qpo.join("\n").toStdString();
    EXPECT_TRUE(qpo[0].contains("Typ=HANDCHECK")) << qpo[0].toStdString();
    const QString& cl = qpo[1];
    const QString& rl = qpo[2];
    const QString& fl = qpo[3];
    const QString& sl = qpo[4];
    EXPECT_TRUE(cl.startsWith("Stck=3,Typ=HC-C1")) << cl.toStdString();
    EXPECT_TRUE(rl.startsWith("Stck=10,Typ=HC-R1")) << rl.toStdString();
    EXPECT_TRUE(fl.startsWith("Stck=2,Typ=HC-F1")) << fl.toStdString();
    // 3 x 2 + 10 x 2 + 2 x 2 = 30 connections.
    EXPECT_TRUE(sl.startsWith("Stck=30,Q,Bac=5112")) << sl.toStdString();
    // Its Tref 30 lies below Tu 50: the summary position gets the body temperature Tu.
    EXPECT_EQ(GetParam(sl, "Tb"), "50");

    for (const auto& [line, hand] : {std::pair{cl, c}, std::pair{rl, r}, std::pair{fl, f}, std::pair{sl, s}}) {
        expectRate(line, "Fit", hand.norm);
        expectRate(line, "Fita", hand.user);
        expectRate(line, "Fitm", hand.mil);
        EXPECT_EQ(GetParam(line, "Err"), "") << line.toStdString();
    }

    // Totals of the stored method (the norm) over the rates as the file holds them:
    //   minimum 3 x 3.195 + 10 x 2.382 + 2 x 20.129 + 30 x .4 =  85.663
    //   maximum 3 x 9.586 + 10 x 7.147 + 2 x 60.387 + 30 x .8 = 245.002
    double totalMin = 0, totalMax = 0;
    for (const Hand& h : {c, r, f, s}) {
        totalMin += h.quantity * rounded(h.norm.min);
        totalMax += h.quantity * rounded(h.norm.max);
    }
    const double mean = (totalMin + totalMax) / 2; // 165.3325 fit
    const double hours = 1e9 / mean;                // 6 048 418 h
    const double years = hours / 8760;              // 690.46 a

    // The result file, named after the database letter and the Q-list number.
    const QStringList slk = QDir(inst.path("results")).entryList({"*.slk"}, QDir::Files);
    ASSERT_EQ(slk, QStringList{"A0000000.slk"});
    const Sylk file(testutil::readFile(inst.path("results/" + slk[0])));
    // The unit row ("fit", "hours", "years" in columns 3 to 5), the values below it.
    const auto [unitRow, unitCol] = file.find(QRegularExpression("^fit$"));
    ASSERT_NE(unitRow, 0);
    EXPECT_EQ(unitCol, 3);
    EXPECT_EQ(file.at(unitRow, 4), "hours");
    EXPECT_EQ(file.at(unitRow, 5), "years");
    const int row = unitRow + 1;
    EXPECT_EQ(file.formats.at({row, 3}), "FF0G");
    EXPECT_NEAR(file.at(row, 3).toDouble(), mean, 1e-3);
    EXPECT_NEAR(file.at(row, 4).toDouble(), hours, hours * 1e-5);
    EXPECT_NEAR(file.at(row, 5).toDouble(), years, years * 1e-5);
    // Minimum and maximum differ: the range line, in whole fit.
    const auto [rangeRow, rangeCol] = file.find(QRegularExpression("Failure Rate:"));
    ASSERT_NE(rangeRow, 0);
    const QRegularExpressionMatch m =
        QRegularExpression(R"(Failure Rate:\s*(\d+)\s*-\s*(\d+)\s*fit)").match(file.at(rangeRow, rangeCol));
    ASSERT_TRUE(m.hasMatch()) << file.at(rangeRow, rangeCol).toStdString();
    EXPECT_EQ(m.captured(1).toInt(), std::lround(totalMin)); // 86
    EXPECT_EQ(m.captured(2).toInt(), std::lround(totalMax)); // 245

    EXPECT_TRUE(sp.ui().unused().isEmpty());
}

// ---- The special failure-rate list

class SpecialListPrediction : public HandCheckedPrediction {
protected:
    void SetUp() override
    {
        HandCheckedPrediction::SetUp();
        // The profile "Hand" with the special list switched on.
        const QString ini = inst.path("System/tarn.ini");
        ASSERT_TRUE(WriteProfileStr("profil-gl", QString("HandSo"), QString(Methods), ini));
        ASSERT_TRUE(WriteProfileStr("profil-sy", QString("HandSo"), QString(Control) + ",ARSoList=-1", ini));
        prog().SonderArDatei = inst.path("sonderar.xlsx");
        prog().SonderArKonfig = true;
        sp.ui().always(QuestionKind::Message, QStringLiteral("pdf"), Answer::button(Mb::OK));
    }
    void writeList(const std::vector<QStringList>& versions)
    {
        ASSERT_TRUE(testutil::writeXlsx(
            inst.path("sonderar.xlsx"),
            {{"VERS", versions},
             {"AR",
              {{"s:Bezeichnung", "s:AR", "s:TSA"},
               // The capacitor by its type, the rate with a decimal comma.
               {"s:HC-C1", "s:0,5", "s:T"},
               // The resistor under another kind: not its designation.
               {"s:HC-R1", "n:9", "s:S"}}}}));
    }
    std::optional<QString> resultCell(const QRegularExpression& re)
    {
        const QStringList slk = QDir(inst.path("results")).entryList({"*.slk"}, QDir::Files);
        if (slk.size() != 1)
            return std::nullopt;
        const Sylk file(testutil::readFile(inst.path("results/" + slk[0])));
        const auto [row, col] = file.find(re);
        if (row == 0)
            return std::nullopt;
        return file.at(row, col);
    }
};

TEST_F(SpecialListPrediction, ListedRateReplacesTheNormBaseRateOfItsPosition)
{
    writeList({{"s:Version"}, {"n:1"}, {"n:12"}, {"n:3"}});
    PrognoseQsl(QStringLiteral("Ln=0"), QStringLiteral("HandSo"), true);

    const QStringList qpo = qpoCopy();
    ASSERT_EQ(qpo.size(), 5) << qpo.join("\n").toStdString();
    const QString& cl = qpo[1];
    const QString& rl = qpo[2];
    EXPECT_EQ(GetParam(cl, "Arx"), "0.5") << cl.toStdString();
    EXPECT_EQ(GetParam(rl, "Arx"), "") << rl.toStdString();

    // Capacitor: the list's rate .5 takes the place of the norm base rates 2/6;
    // every factor stays: .5 x 1.5977 = .799 for both bounds. The user list and
    // MIL-HDBK-217F do not take rates from the special list.
    const Hand c = capacitor(), r = resistor();
    const double factor = c.norm.min / 2; // the capacitor's norm factor, base 2
    expectRate(cl, "Fit", {.5 * factor, .5 * factor});
    expectRate(cl, "Fita", c.user);
    expectRate(cl, "Fitm", c.mil);
    // Resistor: not in the list under its kind, so computed as without the list.
    expectRate(rl, "Fit", r.norm);

    // The version, 12 as the highest of 1, 12 and 3, in the report state and the
    // result file.
    EXPECT_EQ(reportState().SonderArVersion, "012");
    const std::optional<QString> line = resultCell(QRegularExpression("extra failure rate list version"));
    ASSERT_TRUE(line);
    EXPECT_TRUE(line->contains("version 012")) << line->toStdString();
    EXPECT_TRUE(sp.ui().unused().isEmpty());
}

TEST_F(SpecialListPrediction, ListWithoutVersionSaysSoAndKeepsTheOldVersion)
{
    writeList({{"s:Version"}});
    reportState().SonderArVersion = "007";
    sp.ui().expect(QuestionKind::Message, QStringLiteral("SonderARVersion"), Answer::button(Mb::OK));
    PrognoseQsl(QStringLiteral("Ln=0"), QStringLiteral("HandSo"), true);
    EXPECT_TRUE(sp.ui().allUsed());
    const auto shown = std::find_if(sp.ui().asked.begin(), sp.ui().asked.end(),
                                    [](const Question& q) { return q.key == "SonderARVersion"; });
    ASSERT_NE(shown, sp.ui().asked.end());
    EXPECT_EQ(shown->text, QString::fromUtf8("Keine Versionsangabe in der Ausfallratenliste !"));
    // The positions are still looked up.
    EXPECT_EQ(GetParam(qpoCopy().value(1), "Arx"), "0.5");
    const std::optional<QString> line = resultCell(QRegularExpression("extra failure rate list version"));
    ASSERT_TRUE(line);
    EXPECT_TRUE(line->contains("version 007")) << line->toStdString();
}

TEST_F(SpecialListPrediction, ListThatCannotBeReadEndsTheRunNamingTheFile)
{
    testutil::writeFile(inst.path("sonderar.xlsx"), "not a workbook");
    sp.ui().expect(QuestionKind::Message, QStringLiteral("SonderAR"), Answer::button(Mb::OK));
    PrognoseQsl(QStringLiteral("Ln=0"), QStringLiteral("HandSo"), true);
    EXPECT_TRUE(sp.ui().allUsed());
    const auto shown = std::find_if(sp.ui().asked.begin(), sp.ui().asked.end(),
                                    [](const Question& q) { return q.key == "SonderAR"; });
    ASSERT_NE(shown, sp.ui().asked.end());
    EXPECT_TRUE(shown->text.contains(QDir::toNativeSeparators(inst.path("sonderar.xlsx")))) << shown->text.toStdString();
    EXPECT_TRUE(QDir(inst.path("results")).entryList({"*.slk"}, QDir::Files).isEmpty());
}

} // namespace
