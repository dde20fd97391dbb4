#include "common/testutil.h"
#include "frame/program.h"
#include "prediction/frmnormwahl.h"
#include "prediction/normwahl.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <ostream>

namespace {

struct ChoiceCase {
    const char* name;
    Answer answer;
    int expected;
};
void PrintTo(const ChoiceCase& c, std::ostream* os)
{
    *os << c.name;
}

class NormChoice : public ::testing::TestWithParam<ChoiceCase> {
protected:
    testutil::ScriptedProgram sp;
};

// Marks 1 and 3 offered: the norm and MIL-HDBK-217F.
TEST_P(NormChoice, AnswersWithTheMethodOffered)
{
    QStringList offered;
    sp.ui().expect(QuestionKind::NormChoice, QStringLiteral("NormWahl"), [&](const Question& q) {
        offered = paramsOf<NormChoiceParams>(q).marks;
        return GetParam().answer;
    });
    EXPECT_EQ(frmBEBez::NormWahl({false, true, false, true}), GetParam().expected);
    EXPECT_EQ(offered, (QStringList{"1", "3"}));
}

INSTANTIATE_TEST_SUITE_P(Cases, NormChoice,
                         ::testing::Values(ChoiceCase{"milChosen", Answer::button(3), 3},
                                           ChoiceCase{"cancelled", Answer::cancel(), -1},
                                           ChoiceCase{"okWithNoOption", Answer::button(0), 0},
                                           // A method that was not offered is no answer.
                                           ChoiceCase{"methodNotOffered", Answer::button(2), 0}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(NormChoiceWindow, ShowsTheOfferedMethodsAndNeedsOneForOk)
{
    testutil::ScriptedProgram sp;
    Question q;
    q.kind = QuestionKind::NormChoice;
    q.choices = QStringList{"YK 70412", "User list", "MIL-HDBK-217F"};
    q.params = NormChoiceParams{QStringList{"1", "3"}, {}, {}, {}, {}};
    {
        frmNormWahl w(q, nullptr);
        w.show();
        EXPECT_TRUE(w.RefOpt[0]->isVisible());
        EXPECT_FALSE(w.RefOpt[1]->isVisible());
        EXPECT_TRUE(w.RefOpt[2]->isVisible());
        EXPECT_FALSE(w.ok->isEnabled());
        QTest::mouseClick(w.RefOpt[2], Qt::LeftButton);
        EXPECT_TRUE(w.ok->isEnabled());
        QTest::mouseClick(w.ok, Qt::LeftButton);
        EXPECT_FALSE(w.result().cancelled);
        EXPECT_EQ(w.result().code, 3);
    }
    {
        frmNormWahl w(q, nullptr);
        w.show();
        QTest::mouseClick(w.RefOpt[0], Qt::LeftButton);
        // The close box cancels rather than handing back the last option clicked.
        w.close();
        EXPECT_TRUE(w.result().cancelled);
    }
}

} // namespace
