#include "common/testutil.h"
#include "frame/workslots.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "position_line/posline.h"

#include <gtest/gtest.h>

namespace {

// Expected split: quantity part and the slots 2 (identity), 3 (Q), 4 (Z), 6 (S),
// 7 (F), 8 (R), 5 (B); then the canonical join.
struct SplitRow {
    const char* name;
    QString line;
    QString stc;
    QString ident, q, z, s, f, r, b;
    QString joined;
};
void PrintTo(const SplitRow& r, std::ostream* os) { *os << r.name; }

class PosSplitJoin : public ::testing::TestWithParam<SplitRow> {
protected:
    testutil::ScriptedProgram program;
};

TEST_P(PosSplitJoin, SplitsAndJoinsCanonically)
{
    const SplitRow& row = GetParam();
    auto& w = prog().WorkStr;
    for (int i = 2; i <= 8; ++i)
        w[i] = QStringLiteral("stale");
    QString stc = QStringLiteral("stale");
    PosTrenn(row.line, stc);
    EXPECT_EQ(stc, row.stc);
    EXPECT_EQ(w[Slot::Ident], row.ident);
    EXPECT_EQ(w[Slot::Q], row.q);
    EXPECT_EQ(w[Slot::Z], row.z);
    EXPECT_EQ(w[Slot::S], row.s);
    EXPECT_EQ(w[Slot::F], row.f);
    EXPECT_EQ(w[Slot::R], row.r);
    EXPECT_EQ(w[Slot::B], row.b);
    QString pos;
    PosFueg(stc, pos);
    EXPECT_EQ(pos, row.joined);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PosSplitJoin,
    ::testing::Values(
        SplitRow{"identityAndStress", "Stck=2,Typ=BC847,Sl=R1,S,Rw=1", "Stck=2", "Typ=BC847,Sl=R1", "", "", "Rw=1", "", "", "",
                 "Stck=2,Typ=BC847,Sl=R1,S,Rw=1"},
        SplitRow{"quantityInside", "Typ=X,Stck=3,Sl=R2", "Stck=3", "Typ=X,Sl=R2", "", "", "", "", "", "", "Stck=3,Typ=X,Sl=R2"},
        SplitRow{"noQuantity", "Typ=X,Sl=R2", "Stck=", "Typ=X,Sl=R2", "", "", "", "", "", "", "Stck=,Typ=X,Sl=R2"},
        SplitRow{"qSectionBehindQuantity", "Stck=1,Q,Bac=1111", "Stck=1", "", "Bac=1111", "", "", "", "", "", "Stck=1,Q,Bac=1111"},
        SplitRow{"sBehindQuantityStaysIdentity", "Stck=1,S,Rw=1", "Stck=1", "S,Rw=1", "", "", "", "", "", "", "Stck=1,S,Rw=1"},
        SplitRow{"outOfOrderSections", "Stck=1,Typ=A,B,Be=x,S,Rw=1,Q,Bac=2", "Stck=1", "Typ=A", "Bac=2", "", "Rw=1", "", "", "Be=x",
                 "Stck=1,Typ=A,Q,Bac=2,S,Rw=1,B,Be=x"},
        SplitRow{"allSections", "Stck=4,Typ=A,R,Fit=1,F,Err=9,Z,Bac=3,Q,Bac=1,S,Zf=5%", "Stck=4", "Typ=A", "Bac=1", "Bac=3", "Zf=5%", "Err=9",
                 "Fit=1", "", "Stck=4,Typ=A,Q,Bac=1,Z,Bac=3,S,Zf=5%,F,Err=9,R,Fit=1"},
        SplitRow{"subListHeadGivesCodeAndTec", "Stck=1,Typ=SUB,Qm=Qsl,Aufl=ja,B,Tec=ABC,Code=17,Be=Supply", "Stck=1",
                 "Typ=SUB,Qm=Qsl,Aufl=ja,Code=17,Tec=ABC", "", "", "", "", "", "Tec=ABC,Code=17,Be=Supply",
                 "Stck=1,Typ=SUB,Qm=Qsl,Aufl=ja,Code=17,Tec=ABC,B,Tec=ABC,Code=17,Be=Supply"},
        SplitRow{"qSectionKeepsCodeOut", "Stck=1,Typ=X,Q,Bac=1,B,Tec=ABC,Code=17", "Stck=1", "Typ=X", "Bac=1", "", "", "", "", "Tec=ABC,Code=17",
                 "Stck=1,Typ=X,Q,Bac=1,B,Tec=ABC,Code=17"},
        SplitRow{"markerInsideDescription", "Stck=1,Typ=X,B,a,S,b", "Stck=1", "Typ=X", "", "", "b", "", "", "a", "Stck=1,Typ=X,S,b,B,a"},
        SplitRow{"secondMarkerStaysText", "Stck=1,Typ=X,S,Rw=1,S,Zf=2%", "Stck=1", "Typ=X", "", "", "Rw=1,S,Zf=2%", "", "", "",
                 "Stck=1,Typ=X,S,Rw=1,S,Zf=2%"},
        SplitRow{"commentStaysInIdentity", "Stck=1,Typ=X,Sl=R1 ! spare", "Stck=1", "Typ=X,Sl=R1 ! spare", "", "", "", "", "", "",
                 "Stck=1,Typ=X,Sl=R1 ! spare"},
        SplitRow{"onlyQuantity", "Stck=7", "Stck=7", "", "", "", "", "", "", "", "Stck=7"},
        SplitRow{"empty", "", "Stck=", "", "", "", "", "", "", "", "Stck="}),
    [](const auto& i) { return std::string(i.param.name); });

class PosLine : public ::testing::Test {
protected:
    testutil::ScriptedProgram program;
    std::array<QString, 23>& w = prog().WorkStr;
};

TEST_F(PosLine, CommentValueReadsWithComment)
{
    QString stc;
    PosTrenn(QStringLiteral("Stck=1,Typ=X,Sl=R1 ! spare"), stc);
    EXPECT_EQ(GetParam(w[Slot::Ident], QStringLiteral("Sl")), QStringLiteral("R1 ! spare"));
}

TEST_F(PosLine, JoinWithEmptyQuantityBeginsWithComma)
{
    w[Slot::Ident] = QStringLiteral("Typ=X");
    for (int i = 3; i <= 8; ++i)
        w[i].clear();
    QString pos;
    PosFueg(QString(), pos);
    EXPECT_EQ(pos, QStringLiteral(",Typ=X"));
}

TEST_F(PosLine, JoinDropsOneLeadingCommaOfEachSection)
{
    w[Slot::Ident] = QStringLiteral(",Typ=X");
    w[Slot::Q].clear();
    w[Slot::Z].clear();
    w[Slot::B] = QStringLiteral(",,Be=a");
    w[Slot::S] = QStringLiteral(",Rw=1");
    w[Slot::F].clear();
    w[Slot::R] = QStringLiteral(",");
    QString pos;
    PosFueg(QStringLiteral("Stck=1"), pos);
    EXPECT_EQ(pos, QStringLiteral("Stck=1,,Typ=X,S,Rw=1,B,,Be=a"));
    EXPECT_EQ(w[Slot::S], QStringLiteral("Rw=1"));
    EXPECT_EQ(w[Slot::R], QString());
}

struct RwRow {
    const char* name;
    QString line, rw, chpfg, expected;
};
void PrintTo(const RwRow& r, std::ostream* os) { *os << r.name; }
class PosRw : public ::testing::TestWithParam<RwRow> {
protected:
    testutil::ScriptedProgram program;
};

TEST_P(PosRw, SetsInheritedKeys)
{
    prog().WorkStr[Slot::Line] = GetParam().line;
    PosRwSetz(GetParam().rw, GetParam().chpfg);
    EXPECT_EQ(prog().WorkStr[Slot::Line], GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PosRw,
    ::testing::Values(RwRow{"nothingLeavesOrderAlone", "Stck=1,Typ=X,B,a,S,Rw=0", "", "", "Stck=1,Typ=X,B,a,S,Rw=0"},
                      RwRow{"rwReplacesZero", "Stck=1,Typ=X,S,Rw=0", "1", "", "Stck=1,Typ=X,S,Rw=1"},
                      RwRow{"rwAddsSection", "Stck=1,Typ=X", "1", "", "Stck=1,Typ=X,S,Rw=1"},
                      RwRow{"rwOtherThanOneIgnored", "Stck=1,Typ=X", "0", "", "Stck=1,Typ=X"},
                      RwRow{"chpfgAppended", "Stck=1,Typ=X,S,Zf=5%", "", "K2", "Stck=1,Typ=X,S,Zf=5%,Chpfg=K2"},
                      RwRow{"bothInCanonicalOrder", "Stck=1,Typ=X,B,a", "1", "K2", "Stck=1,Typ=X,S,Rw=1,Chpfg=K2,B,a"}),
    [](const auto& i) { return std::string(i.param.name); });

} // namespace
