#include "frame/paramstring.h"
#include "frame/workslots.h"
#include "report/positionen.h"
#include "report/printroutines.h"
#include "report/qrm.h"
#include "report/reportfixture.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace testutil;

namespace {

const QString kQrm = QString(11, u' ') + "QRM:  ";

QString entry(const QString& field)
{
    return field + " = __________";
}

// ---- Fill-in lines ---------------------------------------------------------

struct FieldCase {
    const char* name;
    int language;
    const char* fields;
    const char* stress;
    QStringList added; // the lines behind the block's own line
};

class FillIn : public ::testing::TestWithParam<FieldCase> {
protected:
    testutil::ScriptedProgram sp;
};

TEST_P(FillIn, LinesAppendedToTheBlock)
{
    const FieldCase& c = GetParam();
    prog().LangDruck = c.language;
    prog().WorkStr[Slot::S] = QString::fromLatin1(c.stress);
    QStringList Poz{QString(), "         2 R1"};
    int16_t Apz = 1;
    QrmFeld(QString::fromLatin1(c.fields), Poz, Apz);
    EXPECT_EQ(Apz, 1 + c.added.size());
    EXPECT_EQ(Poz.mid(2, Apz - 1), c.added);
}

const QString kLong = kQrm + entry("Aaaa") + "    " + entry("Bbbb") + "    " + entry("Cccc") + "    " + entry("Dddd");

INSTANTIATE_TEST_SUITE_P(
    Cases, FillIn,
    ::testing::Values(
        // Either Ub or Ib is enough: only Tj is asked for. The count moves on by
        // an empty line, and the first "QRM:" line opens behind a further one.
        FieldCase{"OneOfTwoGiven", 1, "Tj,Ub/Ib", "Ub=5", {"", "", kQrm + entry("Tj")}},
        FieldCase{"NoStressDataGerman", 1, "Tj,Ub/Ib", "", {"", "", kQrm + entry("Tj") + "    " + entry("Ub oder Ib")}},
        FieldCase{"NoStressDataEnglish", 2, "Tj,Ub/Ib", "", {"", "", kQrm + entry("Tj") + "    " + entry("Ub or Ib")}},
        // Nothing missing: one empty line, then the bare "QRM:" line.
        FieldCase{"EverythingGiven", 1, "Tj,Ub/Ib", "Tj=40,Ib=2", {"", kQrm}},
        FieldCase{"EmptyList", 1, "", "", {"", kQrm}},
        // A "/" at the start or end of an item is dropped and the rest looked at again.
        FieldCase{"SlashAtStartOrEnd", 2, "/Tj,Ub/", "Tj=40", {"", "", kQrm + entry("Ub")}},
        FieldCase{"SlashesAtBothEnds", 2, "/Ub/,Tj", "Ub=1", {"", "", kQrm + entry("Tj")}},
        // An item "/" (or "//") loses its slashes and names a key without a name,
        // which no stress data carry: a blank without a name.
        FieldCase{"SlashesOnly", 2, "/,Tj,//", "Tj=40", {"", "", kQrm + entry("") + "    " + entry("")}},
        // The first empty item ends the list; trailing blanks of the list go.
        FieldCase{"EmptyItemEndsTheList", 2, "Tj,,Ub", "", {"", "", kQrm + entry("Tj")}},
        FieldCase{"TrailingBlanks", 2, "Tj   ", "Tj=1", {"", kQrm}},
        // A line takes entries while it is at most 80 characters long: four of
        // 17 characters make 101; the lines stand apart by an empty line.
        FieldCase{"ManyFieldsWrap", 2, "Aaaa,Bbbb,Cccc,Dddd,Eeee,Ffff,Gggg,Hhhh,Iiii", "",
                  {"", "", kLong, "",
                   kQrm + entry("Eeee") + "    " + entry("Ffff") + "    " + entry("Gggg") + "    " + entry("Hhhh"), "",
                   kQrm + entry("Iiii")}}),
    [](const auto& i) { return std::string(i.param.name); });

TEST(FillInWidth, EntryAddedWhileTheLineIsAtMost80Characters)
{
    testutil::ScriptedProgram sp;
    prog().LangDruck = 2;
    // "QRM:" line 17 characters, an entry 13 more than its field: a field of 50
    // makes a line of exactly 80, which still takes the next entry; 51 makes 81.
    for (int width : {50, 51}) {
        const QString first = QString(width, u'A');
        QStringList Poz{QString()};
        int16_t Apz = 0;
        QrmFeld(first + ",B", Poz, Apz);
        const QStringList expected = width == 50
                                         ? QStringList{"", "", kQrm + entry(first) + "    " + entry("B")}
                                         : QStringList{"", "", kQrm + entry(first), "", kQrm + entry("B")};
        EXPECT_EQ(Poz.mid(1, Apz), expected) << width;
    }
}

// ---- The feedback form -----------------------------------------------------

class FeedbackForm : public ReportFixture {
protected:
    FeedbackForm()
    {
        writeFile(tp2 + "/qpo", "Lnr=A1,Typ=BOARD,Code=BD\r\n");
        writeFile(tp2 + "/pol", "Stck=1,Typ=SUB,Qm=Qsl,Lnr=A2,R,Fit=10,Pos=1,Fein=0\r\n"
                                "Stck=-1,Typ=GONE-C,Q,Bac=4110,Tec=2100,R,Fit=3\r\n"
                                "Stck=2,Typ=C1,Q,Bac=4110,Tec=2100,S,Tei=40,R,Fit=2/4\r\n");
        SetParam(prog().WorkStr[Slot::SyPar], "Qpbt", "12345");
    }
    QStringList textLines(const QString& pages, const QString& text)
    {
        QStringList out;
        for (const QString& l : pages.split(u'\n'))
            if (l.startsWith("text ") && l.endsWith(" " + text))
                out << l;
        return out;
    }
    // x and y of the first text record that ends in text.
    std::pair<int, int> at(const QString& pages, const QString& text)
    {
        const QStringList l = textLines(pages, text);
        EXPECT_FALSE(l.isEmpty()) << text.toStdString();
        if (l.isEmpty())
            return {0, 0};
        const QString xy = l[0].mid(5, l[0].indexOf(u' ', 5) - 5);
        return {xy.section(u',', 0, 0).toInt(), xy.section(u',', 1, 1).toInt()};
    }
    double lineHeight()
    {
        PrFont(8.5, true, false, "Arial");
        return printState().PrZeilenHoehe;
    }
};

TEST_F(FeedbackForm, BlocksFormPageAndReturnAddress)
{
    writeFile(prog().IniFile, "[qrmadr]\r\nL1=Q-Data Office\r\nL2=Main Street 5\r\nL3=12345 Town\r\n");
    DruckQrm(false, false);
    const double lh = lineHeight();
    const QString pages = dumpPages();

    // The sub-Q-list ends in its "QPR:" line; the component asks for what its
    // class's models use but its stress data lack (the class wants
    // Ub/Vue,Tei,Qks,Kf,Qkm; Tei is given).
    EXPECT_EQ(textLines(pages, QString(11, u' ') + "QPR:").size(), 1);
    EXPECT_EQ(textLines(pages, kQrm + entry("Ub or Vue") + "    " + entry("Qks") + "    " + entry("Kf") + "    " +
                                   entry("Qkm"))
                  .size(),
              1u);
    EXPECT_FALSE(pages.contains("GONE-C"));
    EXPECT_EQ(pages.count("Failure rates for all positions of the Quality-list:"), 1);
    EXPECT_TRUE(pages.contains("Quality Data Feedback")) << "page head of the form";

    // The form page: captions, the address one below the other at 5000 twips
    // right of the left edge, beginning on the line of the return request.
    for (const char* caption : {"New global parameters if necessary:", "Comments:", "Name:", "Department:", "Phone:",
                                "E-mail:"})
        EXPECT_EQ(textLines(pages, caption).size(), 1u) << caption;
    const auto request = at(pages, "Return this quality data feedback to:");
    const auto l1 = at(pages, "Q-Data Office");
    const auto l2 = at(pages, "Main Street 5");
    const auto l3 = at(pages, "12345 Town");
    EXPECT_EQ(l1.first, int(printState().PrLinks) + 5000);
    EXPECT_EQ(l2.first, l1.first);
    EXPECT_EQ(l3.first, l1.first);
    EXPECT_EQ(l1.second, request.second);
    EXPECT_NEAR(l2.second - l1.second, lh, 1.01);
    EXPECT_NEAR(l3.second - l2.second, lh, 1.01);
    // After the address two more lines, then the closing sentence.
    const auto closing = at(pages, "A more precise failure rate calculation will be made on return of this quality "
                                   "data feedback");
    EXPECT_NEAR(closing.second - l3.second, 3 * lh, 1.01);
}

TEST_F(FeedbackForm, DetailReportCarriesTheFillInLinesWithDigit5Only)
{
    const QString line = kQrm + entry("Ub or Vue") + "    " + entry("Qks") + "    " + entry("Kf") + "    " +
                         entry("Qkm");
    for (const char* qpbt : {"5", "1234"}) {
        SetParam(prog().WorkStr[Slot::SyPar], "Qpbt", qpbt);
        QFile ergfile;
        DruckPositionen(true, false, QString(), false, false, false, false, ergfile);
    }
    PrNeueSeite();
    const QString pages = dumpPages();
    // Once, for the component in the run with digit 5; never for the sub-Q-list.
    EXPECT_EQ(textLines(pages, line).size(), 1);
    EXPECT_EQ(pages.count("QRM:"), 1);
    EXPECT_FALSE(pages.contains("QPR:"));
}

TEST_F(FeedbackForm, WithoutReturnAddressTwelveEmptyLines)
{
    DruckQrm(false, false);
    const double lh = lineHeight();
    const QString pages = dumpPages();
    const auto request = at(pages, "Return this quality data feedback to:");
    const auto closing = at(pages, "A more precise failure rate calculation will be made on return of this quality "
                                   "data feedback");
    EXPECT_NEAR(closing.second - request.second, 12 * lh, 1.01);
}

TEST_F(FeedbackForm, ABlockLongerThanAPageGoesOnOnTheNextPage)
{
    // A class with more missing fields than a page has lines.
    QStringList fields;
    for (int i = 0; i < 400; ++i)
        fields << QStringLiteral("K%1").arg(i, 3, 10, QChar(u'0'));
    QStringList Poz{QString(), "         1 BIG"};
    int16_t Apz = 1;
    QrmFeld(fields.join(u','), Poz, Apz);
    ReportBlock block(Poz.begin(), Poz.end());
    const int16_t lines = Apz;
    DruckBlock(block, Apz, false);
    PrNeueSeite();
    const QString pages = dumpPages();
    EXPECT_GE(pageCount(PageSource::Pages), 2);
    // Every line is printed, none below the bottom of the print area.
    EXPECT_TRUE(pages.contains(entry("K399")));
    for (const QString& l : pages.split(u'\n')) {
        if (!l.contains("QRM:"))
            continue;
        const int y = l.section(u' ', 1, 1).section(u',', 1, 1).toInt();
        EXPECT_LE(y, printState().PrUnten) << l.toStdString();
    }
    EXPECT_GT(lines, 15);
}

} // namespace
