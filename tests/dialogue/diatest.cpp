#include "dialogue/dia.h"
#include "frame/workslots.h"
#include "diatestutil.h"
#include "frame/errors.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "report/listing.h"

#include <gtest/gtest.h>

using namespace dtest;

namespace {

// A small language directory with the chapters the tests ask.
class Dialogue : public ::testing::Test {
protected:
    void SetUp() override
    {
        Program& p = sp.program();
        p.LangDir = QStringLiteral("dd\\");
        p.Cf = QStringLiteral("De=dd\\,Tp1=tp1");
        QDir(d.dir.path()).mkpath(QStringLiteral("tp1"));
        d.write(QStringLiteral("dd/btx/t.dia"),
                oemFile({head("excl"), "ITest.", "*" + Mk + "BX__" + Cl + " Variante X.", "*" + Mk + "BY__" + Cl + " Variante Y.",
                         "*Weiter mit <ENTER>.",
                         head("esc"), "*Typ " + Mk + "E0xxxxxxxx1" + Cl + ".", "*Bem " + Mk + "E2xxxxxxxx1" + Cl + ".",
                         "*" + Mk + "BT__" + Cl + " T.", "*Abbruch mit <ESC>.",
                         head("noesc"), "*Abbruch mit <ESC>.", "*Typ " + Mk + "E0xxxxxxxx1" + Cl + ".",
                         head("db"), "*Datenbank RET$, nicht RET$.", "SWeiter mit <ENTER>" + Seg + "Neu with <CREATE>" + Seg +
                                                                          "Abbruch mit <ESC>.",
                         head("keys"), "*" + Mk + "A1. eins.", "*" + Mk + "A2. zwei.", "*" + Mk + "A3. drei.",
                         "STaste mit Kennzeichen.",
                         head("last")}));
    }

    testutil::ScriptedProgram sp;
    DiaDir d;
    QString t = QStringLiteral("dd\\btx\\t");
};

// ---- missing files and chapters

struct MissingRow {
    const char* name;
    QString file;
    QString kap;
};
void PrintTo(const MissingRow& r, std::ostream* os) { *os << r.name; }
class MissingChapter : public Dialogue, public ::testing::WithParamInterface<MissingRow> {};

TEST_P(MissingChapter, DinShowsMessage100AndCancels)
{
    // Mended: the program goes on; the caller sees a cancel.
    sp.ui().expect(QuestionKind::Message, QStringLiteral("100"), Answer::button(Mb::OK));
    QString kz = QStringLiteral("old"), startBis = QStringLiteral("A=1"), ret = QStringLiteral("in");
    QStringList anEin{QStringLiteral("x")};
    EXPECT_EQ(frmDia::DIN(GetParam().file, GetParam().kap, kz, startBis, anEin, ret), 1);
    EXPECT_EQ(ret, QStringLiteral("ABBRUCH"));
    EXPECT_EQ(kz, QStringLiteral("old"));
    EXPECT_EQ(startBis, QStringLiteral("A=1"));
    EXPECT_EQ(anEin, QStringList{QStringLiteral("x")});
    EXPECT_EQ(sp.ui().asked.back().buttons, Mb::OKOnly);
}

TEST_P(MissingChapter, DikShowsMessage100AndCancels)
{
    sp.ui().expect(QuestionKind::Message, QStringLiteral("100"), Answer::button(Mb::OK));
    QString kz = QStringLiteral("old");
    EXPECT_EQ(frmDia::DIK(GetParam().file, GetParam().kap, kz), 1);
    EXPECT_EQ(kz, QString());
}

INSTANTIATE_TEST_SUITE_P(Cases, MissingChapter,
                         ::testing::Values(MissingRow{"file", "dd\\btx\\none", "excl"},
                                           MissingRow{"chapter", "dd\\btx\\t", "nosuch"},
                                           MissingRow{"headOnLastLine", "dd\\btx\\t", "last"}),
                         [](const auto& i) { return std::string(i.param.name); });

// ---- input screen

TEST_F(Dialogue, DinExclusiveToggles)
{
    sp.ui().expect(QuestionKind::Screen, QStringLiteral("btx\\t#excl"), [](const Question& q) {
        DiaScreen* s = screenOf(q);
        EXPECT_EQ(paramsOf<ScreenParams>(q).screen, QStringLiteral("DIN"));
        EXPECT_EQ(s->caption, QStringLiteral("Test"));
        s->clickCheckBox(1); // Y on: X goes off
        s->pressEnter();     // a screen with toggles ends on Enter
        Answer a;
        a.applied = true;
        return a;
    });
    QString kz, startBis = QStringLiteral("X=@1,Y=@0"), ret;
    QStringList anEin;
    EXPECT_EQ(frmDia::DIN(t, QStringLiteral("excl"), kz, startBis, anEin, ret), 0);
    EXPECT_EQ(startBis, QStringLiteral("X=0,Y=1"));
    EXPECT_EQ(ret, QString());
    EXPECT_EQ(kz, QString());
}

TEST_F(Dialogue, DinCancelReturnsTypedTextsAndToggles)
{
    Answer a;
    a.values = {QStringLiteral("R1"), QString(), QString(1500, u'x')}; // mended: no cut at 1000 characters
    a.toggles.insert(u'T', 1);
    a.code = 27;
    sp.ui().expect(QuestionKind::Screen, QStringLiteral("btx\\t#esc"), a);
    QString kz = QStringLiteral("K"), startBis, ret;
    QStringList anEin{QString(), QStringLiteral("one"), QString()};
    EXPECT_EQ(frmDia::DIN(t, QStringLiteral("esc"), kz, startBis, anEin, ret), 1);
    EXPECT_EQ(ret, QStringLiteral("ABBRUCH"));
    EXPECT_EQ(kz, QStringLiteral("K"));
    EXPECT_EQ(anEin[0], QStringLiteral("R1"));
    EXPECT_EQ(anEin[1], QStringLiteral("one"));
    EXPECT_EQ(anEin[2].size(), 1500);
    EXPECT_EQ(startBis, QStringLiteral(",T=1"));
}

TEST_F(Dialogue, DinEscapeOnlyWhereTheLastLineAllowsIt)
{
    Answer esc;
    esc.code = 27;
    sp.ui().expect(QuestionKind::Screen, QStringLiteral("btx\\t#noesc"), esc);
    QString kz, startBis, ret;
    QStringList anEin{QString()};
    EXPECT_THROW(frmDia::DIN(t, QStringLiteral("noesc"), kz, startBis, anEin, ret), TarnError);
}

TEST_F(Dialogue, DinButtonTagIsTheResultWord)
{
    sp.ui().expect(QuestionKind::Screen, QStringLiteral("btx\\t#db"), [](const Question& q) {
        DiaScreen* s = screenOf(q);
        EXPECT_EQ(s->texts.value(0).text, QStringLiteral("Datenbank A, nicht RET$"));
        return Answer::word(QStringLiteral("CREATE"));
    });
    QString kz = QStringLiteral("old"), startBis, ret = QStringLiteral("A");
    QStringList anEin;
    EXPECT_EQ(frmDia::DIN(t, QStringLiteral("db"), kz, startBis, anEin, ret), 0);
    EXPECT_EQ(ret, QStringLiteral("CREATE"));
    EXPECT_EQ(kz, QString());
}

TEST_F(Dialogue, DiaDinBackButtonOnlyWhenAsked)
{
    Answer back = Answer::word(QStringLiteral("BACK"));
    sp.ui().expect(QuestionKind::Screen, QStringLiteral("btx\\t#db"), back);
    QString kz, startBis, ret;
    QStringList anEin;
    DiaDIN(t, QStringLiteral("db"), kz, startBis, anEin, ret, 2);
    EXPECT_EQ(ret, QStringLiteral("BACK"));

    sp.ui().expect(QuestionKind::Screen, QStringLiteral("btx\\t#db"), back);
    EXPECT_THROW(DiaDIN(t, QStringLiteral("db"), kz, startBis, anEin, ret), TarnError);
}

TEST_F(Dialogue, BatchCancelsEveryScreen)
{
    BatchInteraction batch;
    sp.program().ui = &batch;
    QString kz, startBis, ret;
    QStringList anEin{QString()};
    EXPECT_EQ(frmDia::DIN(t, QStringLiteral("noesc"), kz, startBis, anEin, ret), 1);
    EXPECT_EQ(frmDia::DIK(t, QStringLiteral("keys"), kz), 1);
}

// ---- key-choice screen

TEST_F(Dialogue, DikReturnsTheChosenKey)
{
    sp.ui().expect(QuestionKind::Screen, QStringLiteral("btx\\t#keys"), Answer::word(QStringLiteral("2")));
    QString kz;
    EXPECT_EQ(frmDia::DIK(t, QStringLiteral("keys"), kz), 0);
    EXPECT_EQ(kz, QStringLiteral("2"));
    EXPECT_EQ(paramsOf<ScreenParams>(sp.ui().asked.back()).screen, QStringLiteral("DIK"));
}

TEST_F(Dialogue, DikKeyOutsideTheChapterDoesNothing)
{
    sp.ui().expect(QuestionKind::Screen, QStringLiteral("btx\\t#keys"), Answer::word(QStringLiteral("4")));
    QString kz;
    EXPECT_THROW(frmDia::DIK(t, QStringLiteral("keys"), kz), TarnError);
}

TEST_F(Dialogue, DikExtraButtons)
{
    sp.ui().expect(QuestionKind::Screen, QStringLiteral("btx\\t#keys"), Answer::word(QStringLiteral("BACK")));
    QString kz = QStringLiteral("x");
    EXPECT_EQ(frmDia::DIK(t, QStringLiteral("keys"), kz, 3), 2);
    EXPECT_EQ(kz, QString());

    sp.ui().expect(QuestionKind::Screen, QStringLiteral("btx\\t#keys"), Answer::word(QStringLiteral("BACK")));
    DiaDIK(t, QStringLiteral("keys"), kz, 3);
    EXPECT_EQ(kz, QString());

    Answer esc;
    esc.code = 27;
    sp.ui().expect(QuestionKind::Screen, QStringLiteral("btx\\t#keys"), esc);
    EXPECT_EQ(frmDia::DIK(t, QStringLiteral("keys"), kz, 1), 1);
}

// ---- text pages

QString rowsOf(const TextPage& p)
{
    QStringList out;
    for (const DrawnText& t : p.texts)
        out << QString::number(t.row) + u':' + t.text;
    return out.join(u'|');
}

class TextPages : public Dialogue {
protected:
    void writeLines(int n)
    {
        QByteArray bytes;
        for (int i = 1; i <= n; ++i)
            bytes += "*Zeile " + QByteArray::number(i) + ".\r\n";
        d.write(QStringLiteral("dd/btx/page.txt"), bytes);
    }
    QString page = QStringLiteral("dd\\btx\\page.txt");
};

TEST_F(TextPages, TwentyLinesNeedNoScrollBar)
{
    writeLines(20);
    sp.ui().expect(QuestionKind::TextPage, QStringLiteral("btx\\page.txt"), [](const Question& q) {
        TextPage* p = textPageOf(q);
        EXPECT_FALSE(p->scrollBarVisible);
        EXPECT_EQ(p->texts.size(), 20);
        return Answer::word(QString());
    });
    QString ret = QStringLiteral("x");
    frmDia::BTX(page, QString(), 0, ret);
    EXPECT_EQ(ret, QString());
    // The page's scratch copy holds one 120-character record per line.
    EXPECT_EQ(testutil::readFile(d.path(QStringLiteral("tp1/btx.tmp"))).size(), 20 * 120);
}

TEST_F(TextPages, TwentyOneLinesScroll)
{
    writeLines(21);
    sp.ui().expect(QuestionKind::TextPage, QStringLiteral("btx\\page.txt"), [](const Question& q) {
        TextPage* p = textPageOf(q);
        EXPECT_TRUE(p->scrollBarVisible);
        EXPECT_EQ(p->scrollMax, 1);
        EXPECT_EQ(p->texts.size(), 21);
        p->scrollTo(1);
        EXPECT_EQ(p->texts.size(), 20);
        EXPECT_EQ(p->texts.front().text, QStringLiteral("Zeile 2"));
        EXPECT_EQ(p->texts.front().row, 1);
        return Answer::cancel();
    });
    QString ret;
    frmDia::BTX(page, QString(), 0, ret);
    EXPECT_EQ(ret, QStringLiteral("ABBRUCH"));
}

TEST_F(TextPages, WithoutCancelEscapeDoesNothing)
{
    writeLines(3);
    sp.ui().expect(QuestionKind::TextPage, QStringLiteral("btx\\page.txt"), [](const Question& q) {
        TextPage* p = textPageOf(q);
        EXPECT_EQ(p->buttons.size(), 1);
        p->pressEscape();
        EXPECT_FALSE(p->ended());
        EXPECT_FALSE(p->closeBox());
        p->clickButton(0);
        Answer a;
        a.applied = true;
        return a;
    });
    QString ret;
    frmDia::BTX(page, QString(), 0, ret, true);
    EXPECT_EQ(ret, QString());
}

TEST_F(TextPages, RecordsAreDrawnByTheirType)
{
    d.write(QStringLiteral("dd/btx/page.txt"),
            oemFile({"IListe^der^Werte.", "*Ger" + QString(QChar(char16_t(132))) + "t.", "*.", "*Trenn" + Folge,
                     "*vor " + QString(QChar(char16_t(16))) + "mitte" + QString(QChar(char16_t(17))) + " nach.",
                     "FFett.", "L196.", "", "Xanders." + QString(130, u'y')}));
    sp.ui().expect(QuestionKind::TextPage, QStringLiteral("btx\\page.txt"), [](const Question& q) {
        TextPage* p = textPageOf(q);
        EXPECT_EQ(p->caption, QStringLiteral("Liste der Werte"));
        const QString expected = QStringLiteral("1:Ger") + QChar(char16_t(132)) +
                                 QStringLiteral("t|3:Trenn-|4:vor |4: mitte |4: nach|5:Fett|6:") +
                                 QString(78, QChar(char16_t(196))) + QStringLiteral("|8:anders.") + QString(111, u'y'); // cut at 120, the last y is the flag
        EXPECT_EQ(rowsOf(*p), expected);
        EXPECT_EQ(p->texts[3].col, 6); // "vor " at 2, the span behind it
        EXPECT_EQ(p->texts[3].attr, u'i');
        return Answer::word(QString());
    });
    QString ret;
    frmDia::BTX(page, QString(), 0, ret);
}

TEST_F(TextPages, ListingFileBoundsTheRecordCount)
{
    sp.program().WorkStr[Slot::Tp1] = QStringLiteral("tp1");
    recreateListingFiles();
    ErgLf(-1, -1);
    for (int i = 1; i <= 50; ++i) {
        sp.program().WorkStr[Slot::Record] = QStringLiteral("*Satz %1").arg(i) + End;
        ErgLf(1, 0);
    }
    for (const int asked : {80, -1}) {
        sp.ui().expect(QuestionKind::TextPage, QStringLiteral("#7"), [](const Question& q) {
            EXPECT_EQ(textPageOf(q)->recordCount(), 50);
            return Answer::word(QString());
        });
        QString ret;
        frmDia::BTX(QString(), QStringLiteral("#7"), asked, ret);
    }
    // Reading the page leaves the listing's write position alone.
    sp.program().WorkStr[Slot::Record] = QStringLiteral("*Satz 51") + End;
    ErgLf(1, 0);
    EXPECT_EQ(listingRecordCount(7), 51);
    // Nothing to show: no page at all.
    QString ret = QStringLiteral("x");
    frmDia::BTX(QString(), QStringLiteral("#7"), 0, ret);
    EXPECT_EQ(ret, QString());
}

TEST_F(TextPages, NamedRecordFile)
{
    d.write(QStringLiteral("tp1/rec.tmp"), toBytes(QStringLiteral("*eins").leftJustified(120) +
                                                    QStringLiteral("*zwei").leftJustified(120) +
                                                    QStringLiteral("*drei").leftJustified(120)));
    sp.ui().expect(QuestionKind::TextPage, QStringLiteral("tp1\\rec.tmp"), [](const Question& q) {
        EXPECT_EQ(textPageOf(q)->recordCount(), 2);
        return Answer::word(QString());
    });
    QString ret;
    frmDia::BTX(QString(), QStringLiteral("tp1\\rec.tmp"), 2, ret);
    EXPECT_THROW(frmDia::BTX(QString(), QStringLiteral("tp1\\none.tmp"), 2, ret), TarnError);
}

TEST_F(TextPages, MissingTextFileIsAnError)
{
    QString ret;
    EXPECT_THROW(frmDia::BTX(QStringLiteral("dd\\btx\\none.txt"), QString(), 0, ret), TarnError);
}

} // namespace
