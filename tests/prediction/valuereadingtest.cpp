#include "common/testutil.h"
#include "common/xlsxbuilder.h"
#include "component_file/recordcheck.h"
#include "frame/inifile.h"
#include "prediction/profiles.h"
#include "prediction/specialratelist.h"
#include "qlist/positionvalues.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>

// Values that used to pass silently (a quantity read as 0, "40,5" read as 40, a
// rate used as read) are refused where they are read, with the key and the value.
namespace {

enum class Reader {
    Position,    // a position line of a Q-list
    Profile,     // a stored prediction profile: "<method list>" or "<method list>|<control list>"
    SpecialList, // the rate cell of the special failure-rate list
    Record,      // a component record to be merged
};

struct BadValueRow {
    const char* name;
    Reader reader;
    const char* input;
    const char* message; // English text the refusal holds
};
void PrintTo(const BadValueRow& r, std::ostream* os) { *os << r.name; }

class BadValue : public ::testing::TestWithParam<BadValueRow> {
protected:
    QString read(const BadValueRow& row)
    {
        const QString input = QString::fromUtf8(row.input);
        switch (row.reader) {
        case Reader::Position:
            return positionValueProblem(input);
        case Reader::Record:
            return recordRefusal(input, QString());
        case Reader::Profile: {
            sp.program().IniFile = dir.filePath(QStringLiteral("tarn.ini"));
            const QStringList lists = input.split(u'|');
            EXPECT_TRUE(WriteProfileStr(QStringLiteral("profil-gl"), QStringLiteral("P"), lists[0], sp.program().IniFile));
            if (lists.size() > 1) {
                EXPECT_TRUE(WriteProfileStr(QStringLiteral("profil-sy"), QStringLiteral("P"), lists[1],
                                            sp.program().IniFile));
            }
            return storedProfileProblem(QStringLiteral("P"));
        }
        case Reader::SpecialList: {
            const QString path = dir.filePath(QStringLiteral("list.xlsx"));
            EXPECT_TRUE(testutil::writeXlsx(
                path, {{QStringLiteral("VERS"), {{QStringLiteral("s:Version")}, {QStringLiteral("n:1")}}},
                       {QStringLiteral("AR"),
                        {{QStringLiteral("s:Bezeichnung"), QStringLiteral("s:AR"), QStringLiteral("s:TSA")},
                         {QStringLiteral("s:R-10K"), QStringLiteral("s:") + input, QStringLiteral("s:T")}}}}));
            QString error;
            const std::optional<SpecialRateList> list = readSpecialRateList(path, &error);
            return list ? QString() : error;
        }
        }
        return QString();
    }
    testutil::ScriptedProgram sp;
    QTemporaryDir dir;
};

TEST_P(BadValue, IsRefusedWithKeyAndValue)
{
    const BadValueRow& row = GetParam();
    sp.program().LangNr = 2;
    const QString got = read(row);
    EXPECT_TRUE(got.contains(QString::fromUtf8(row.message))) << "refusal: \"" << got.toStdString() << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadValue,
    ::testing::Values(
        BadValueRow{"quantityLetters", Reader::Position, "Stck=abc,Typ=R-10K", "Stck: \"abc\" is not a number"},
        BadValueRow{"quantityNegative", Reader::Position, "Stck=-3,Typ=R-10K",
                    "Stck: \"-3\" is negative; a quantity is 0 or more"},
        BadValueRow{"quantityDecimalComma", Reader::Position, "Stck=1,5,Typ=R-10K",
                    "Stck: \"1,5\" has a decimal comma; write it with a point: 1.5"},
        BadValueRow{"quantityTooLarge", Reader::Position, "Stck=1e308,Typ=R-10K", "Stck: \"1e308\" is too large"},
        BadValueRow{"temperatureDifferenceLetters", Reader::Position, "Stck=1,Typ=R-10K,S,Dtu=abc",
                    "Dtu: \"abc\" is not a number"},
        BadValueRow{"timeShareAboveHundred", Reader::Position, "Stck=1,Typ=R-10K,S,Zf=150%",
                    "Zf: \"150%\" is more than 100 %"},
        BadValueRow{"voltageBeyondTheField", Reader::Position, "Stck=1,Typ=R-10K,S,Ub=1e400",
                    "Ub: \"1e400\" is too large"},
        BadValueRow{"selfHeatingNegative", Reader::Position, "Stck=1,Typ=T-BC847,S,Tei=-500",
                    "Tei: \"-500\" is negative; a self-heating is 0 or more"},
        BadValueRow{"selfHeatingPairWithLetters", Reader::Position, "Stck=1,Typ=T-BC847,S,Tei=5/x",
                    "Tei: \"x\" is not a number"},
        BadValueRow{"subListTimeShare", Reader::Position, "Stck=1,Typ=SUB,Qm=Qsl,Zf=-5%",
                    "Zf: \"-5%\" is negative"},
        BadValueRow{"ambientLetters", Reader::Profile, "Norm=10000,Tu=abc|Pw=ProQs", "Tu: \"abc\" is not a number"},
        BadValueRow{"ambientDecimalComma", Reader::Profile, "Norm=10000,Tu=40,5|Pw=ProQs",
                    "Tu: \"40,5\" has a decimal comma; write it with a point: 40.5"},
        BadValueRow{"ambientBelowAbsoluteZero", Reader::Profile, "Norm=10000,Tu=-300|Pw=ProQs",
                    "Tu: \"-300\" is below absolute zero"},
        BadValueRow{"unknownMethod", Reader::Profile, "Norm=99999,Tu=40|Pw=ProQs", "names no known method (Norm=99999"},
        BadValueRow{"noMethod", Reader::Profile, "Tu=40|Pw=ProQs", "names no known method (Norm=;"},
        BadValueRow{"noControlList", Reader::Profile, "Norm=10000,Tu=40", "has no entry in section [profil-sy]"},
        BadValueRow{"specialRateNegative", Reader::SpecialList, "-5",
                    "sheet \"AR\", row 2: \"-5\" is negative; a failure rate is 0 or more"},
        BadValueRow{"specialRateTooLarge", Reader::SpecialList, "1e308", "row 2: \"1e308\" is too large"},
        BadValueRow{"specialRateGrouped", Reader::SpecialList, "1.000,5",
                    "row 2: \"1.000,5\" has a comma; write numbers with a decimal point"},
        BadValueRow{"recordFactorDecimalComma", Reader::Record, "Typ=NEW,Q,Bac=4210,K1=0,5",
                    "K1: \"0,5\" has a decimal comma; write it with a point: 0.5"}),
    [](const auto& i) { return std::string(i.param.name); });

// The sound forms of the same values still pass: a lock mark, a fraction, a pair,
// a decimal comma typed in the user's own spreadsheet.
TEST(SoundValue, PassesEveryReader)
{
    testutil::ScriptedProgram sp;
    for (const char* line : {"Stck=-1,Typ=R-10K,S,Dtu=abc", "Stck=.5,Typ=R-10K,S,Zf=50%,Tei=5/10,Ub=-12,Dtu=-3",
                             "Stck=0,Typ=R-10K", "Stck=1,Typ=SUB,Qm=Qsl,Dtu=5,Zf=80%"})
        EXPECT_EQ(positionValueProblem(QString::fromLatin1(line)), QString()) << line;
    EXPECT_EQ(recordRefusal(QStringLiteral("Typ=NEW,Q,Bac=4210,K1=0.5,B,Be=a,5"), QStringLiteral("G42=x")),
              QString());
}

} // namespace
