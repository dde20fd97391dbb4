#include "common/testutil.h"
#include "frame/itemnumber.h"
#include "frame/markers.h"
#include "frame/restext.h"
#include "qlist/pospruef.h"
#include "qlist/positionvalues.h"

#include <gtest/gtest.h>

namespace {

const QString Allowed = QStringLiteral("Rw,Zf=###%,Degr,Chpfg,{pi}T=#.#");

// fault: the message id expected (0 sound); args fill it as the check does.
struct CheckRow {
    const char* name;
    QString line;
    int fault;
    QStringList args;
};
void PrintTo(const CheckRow& r, std::ostream* os) { *os << r.name; }

class PositionCheck : public ::testing::TestWithParam<CheckRow> {
protected:
    testutil::ScriptedProgram program;
};

TEST_P(PositionCheck, FirstFault)
{
    const CheckRow& row = GetParam();
    const QString expected = row.fault == 0 ? QString() : ResText(QString::number(row.fault), prog().LangNr, true, row.args);
    EXPECT_EQ(PosPruef(row.line, Allowed), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PositionCheck,
    ::testing::Values(
        CheckRow{"sound", "Stck=2,Typ=BC847,Sl=R1", 0, {}},
        CheckRow{"noQuantity", "Typ=BC847,Sl=R1", 63, {"Typ=BC847,Sl=R1"}},
        CheckRow{"emptyQuantity", "Stck=,Typ=BC847", 63, {"Stck=,Typ=BC847"}},
        CheckRow{"bSection", "Stck=2,Typ=BC847,B,text", 62, {"Stck=2,Typ=BC847,B,text"}},
        CheckRow{"fSection", "Stck=2,Typ=BC847,F,Err=1", 62, {"Stck=2,Typ=BC847,F,Err=1"}},
        CheckRow{"zSectionPasses", "Stck=2,Typ=X,Z,Bac=1", 0, {}},
        CheckRow{"noDesignation", "Stck=2,Sl=R1", 464, {"Stck=2,Sl=R1"}},
        CheckRow{"extraIdentityItem", "Stck=1,Typ=X,Xy=5", 72, {"Typ=X,Xy=5"}},
        CheckRow{"subListMarkAllowed", "Stck=1,Typ=X,Qm=Qsl,Sl=A", 0, {}},
        CheckRow{"twoTypesRemoved", "Stck=1,Typ=X,Typ=Y", 0, {}},
        CheckRow{"stressItemWithoutEquals", "Stck=1,Typ=X,S,Rw", 465, {"Typ=X"}},
        CheckRow{"stressItemWithoutAbbreviation", "Stck=1,Typ=X,S,=5", 466, {"Typ=X"}},
        CheckRow{"unknownAbbreviation", "Stck=1,Typ=X,S,Ub=5", 467, {"Ub", "Typ=X"}},
        // Mended: "R" is only part of "Rw"; "Z" only part of "Zf".
        CheckRow{"partOfAllowedAbbreviation", "Stck=1,Typ=X,S,R=1", 467, {"R", "Typ=X"}},
        CheckRow{"partOfMaskNotAnAbbreviation", "Stck=1,Typ=X,S,T=1", 467, {"T", "Typ=X"}},
        CheckRow{"piMarkWrittenAsBraces", QStringLiteral("Stck=1,Typ=X,S,") + PiMark + QStringLiteral("T=1.2"), 0, {}},
        CheckRow{"timeFactorWithoutPercent", "Stck=1,Typ=X,S,Rw=1,Zf=50", 468, {"Typ=X"}},
        CheckRow{"degradationWithoutPercent", "Stck=1,Typ=X,S,Zf=50%,Degr=3", 469, {"Typ=X"}},
        CheckRow{"degradationReplacesTimeFactor", "Stck=1,Typ=X,S,Zf=50,Degr=3", 469, {"Typ=X"}},
        CheckRow{"bothPercent", "Stck=1,Typ=X,S,Zf=50%,Degr=3%", 0, {}}),
    [](const auto& i) { return std::string(i.param.name); });

// The save check refuses what the prediction would refuse, with the same words:
// a position saved as "Stck=abc" would be counted as 0 pieces.
TEST(PositionCheckValues, RefusesWhatThePredictionRefuses)
{
    testutil::ScriptedProgram program;
    program.program().LangNr = 2;
    for (const char* text : {"Stck=abc,Typ=IC-CPU32", "Stck=-3,Typ=IC-CPU32", "Stck=1,5,Typ=IC-CPU32",
                             "Stck=1,Typ=X,S,Zf=150%"}) {
        const QString line = QString::fromLatin1(text);
        const QString problem = positionValueProblem(line);
        ASSERT_FALSE(problem.isEmpty()) << text;
        EXPECT_EQ(PosPruef(line, Allowed), problem + QStringLiteral("   ") + line);
    }
    EXPECT_EQ(PosPruef(QStringLiteral("Stck=.5,Typ=X,S,Zf=50%"), Allowed), QString());
}

class PositionCheckItemNumbers : public ::testing::Test {
protected:
    testutil::ScriptedProgram program;
};

// A sub-list reference is normalised loosely (blocks and stand), a component
// strictly (letter and digits).
TEST_F(PositionCheckItemNumbers, SubListReferenceNormalisedLoosely)
{
    EXPECT_EQ(PosPruef(QStringLiteral("Stck=1,Yk=A12345-B1234-C123-A1,Qm=Qsl"), Allowed), QString());
    EXPECT_EQ(PosPruef(QStringLiteral("Stck=1,Yk=A1X-B1-C1-A1,Qm=Qsl"), Allowed), QString());
    const QString fault = PosPruef(QStringLiteral("Stck=1,Yk=A1X-B1-C1"), Allowed);
    EXPECT_TRUE(isItemNumberError(fault)) << fault.toStdString();
    EXPECT_TRUE(fault.endsWith(QStringLiteral(":  A1X-B1-C1")));
    EXPECT_TRUE(isItemNumberError(PosPruef(QStringLiteral("Stck=1,Yk=A1234567-B1,Qm=Qsl"), Allowed)));
}

TEST_F(PositionCheckItemNumbers, SecondMalformedNumberReported)
{
    const QString fault = PosPruef(QStringLiteral("Stck=1,Yk=A1-B1-C1,Yk=12345"), Allowed);
    EXPECT_EQ(fault, SachNrForm(QStringLiteral("12345")) + QStringLiteral(":  12345"));
}

} // namespace
