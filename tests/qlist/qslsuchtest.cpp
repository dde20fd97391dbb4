#include "qldbtest.h"
#include "frame/workslots.h"
#include "frame/errors.h"
#include "qlist/qslsuch.h"

namespace {

class Search : public QlListsFixture {
protected:
    Search()
    {
        for (int i = 0; i < 12; ++i)
            addList(LnFormat(i), {QStringLiteral("Typ=T%1").arg(i), "Be=x"});
        addList(QStringLiteral("00012"), {"Typ=ABC,An=U12", "Be=Supply"});
        addList(QStringLiteral("00013"), {"Typ=GONE", "Be=x"});
        writeQslFile(QslPfad(QStringLiteral("A"), QStringLiteral("00013")), {"Typ=FREI"});
        addList(QStringLiteral("00014"), {"Yk=A12345-B1234-C123-B1", "Be=x"});
    }
    ScriptedInteraction& ui = program.ui();
    QString expectedPath(const char* ln) const { return QslPfad(QStringLiteral("A"), QString::fromLatin1(ln)); }
};

TEST_F(Search, NumberWinsOverTypeInRun)
{
    prog().WorkStr[Slot::SyPar] = QStringLiteral("Qlnr=12,Qtyp=T3");
    QString designation, path, status = QStringLiteral("x");
    QslSuch(QStringLiteral("Pro"), QStringLiteral("A"), designation, path, status);
    EXPECT_EQ(status, QString());
    EXPECT_EQ(designation, QStringLiteral("00012"));
    EXPECT_EQ(path, expectedPath("00012"));
    EXPECT_TRUE(path.endsWith(QStringLiteral("A0\\00\\12")));
    EXPECT_EQ(qlDbState().DbTab[1].inUse, 0);
}

TEST_F(Search, TypeInUpperCaseInRun)
{
    prog().WorkStr[Slot::SyPar] = QStringLiteral("Qtyp=abc ");
    QString designation, path, status;
    QslSuch(QStringLiteral("Pro"), QStringLiteral("A"), designation, path, status);
    EXPECT_EQ(designation, QStringLiteral("00012"));
    EXPECT_EQ(status, QString());
}

TEST_F(Search, RunTakesHighestStandCopyDoesNot)
{
    prog().WorkStr[Slot::SyPar] = QStringLiteral("Qyk=A12345-B1234-C123-C1");
    QString designation, path, status;
    QslSuch(QStringLiteral("Pro"), QStringLiteral("A"), designation, path, status);
    EXPECT_EQ(designation, QStringLiteral("00014"));
    EXPECT_EQ(status, QString());

    designation = QStringLiteral("Yk=A12345-B1234-C123-C1");
    path = QStringLiteral("old");
    ui.expect(QuestionKind::Message, QStringLiteral("101"), Answer::button(Mb::OK));
    QslSuch(QStringLiteral("Kopie"), QStringLiteral("A"), designation, path, status);
    EXPECT_EQ(status, QStringLiteral("ABBRUCH"));
    EXPECT_EQ(designation, QString());
    EXPECT_EQ(path, QString());
}

TEST_F(Search, CopyByTypeBeforeUserNumber)
{
    QString designation = QStringLiteral(" Typ=T5,An=U12 "), path, status;
    QslSuch(QStringLiteral("Kopie"), QStringLiteral("A"), designation, path, status);
    EXPECT_EQ(designation, QStringLiteral("00005"));
    EXPECT_EQ(path, expectedPath("00005"));
}

TEST_F(Search, CopyByNumber)
{
    QString designation = QStringLiteral("Ln=7"), path, status;
    QslSuch(QStringLiteral("Kopie"), QStringLiteral("A"), designation, path, status);
    EXPECT_EQ(designation, QStringLiteral("00007"));
    EXPECT_EQ(status, QString());
}

TEST_F(Search, DeletedListRefused)
{
    QString designation = QStringLiteral("Ln=13"), path, status;
    ui.expect(QuestionKind::Message, QStringLiteral("101"), Answer::button(Mb::OK));
    QslSuch(QStringLiteral("Kopie"), QStringLiteral("A"), designation, path, status);
    EXPECT_EQ(status, QStringLiteral("FREI"));
    EXPECT_EQ(path, QString());
    EXPECT_TRUE(ui.allUsed());
}

TEST_F(Search, NothingFound)
{
    QString designation = QStringLiteral("Typ=NONE"), path = QStringLiteral("old"), status;
    ui.expect(QuestionKind::Message, QStringLiteral("101"), Answer::button(Mb::OK));
    QslSuch(QStringLiteral("Kopie"), QStringLiteral("A"), designation, path, status);
    EXPECT_EQ(status, QStringLiteral("ABBRUCH"));
    EXPECT_EQ(path, QString());
    EXPECT_TRUE(ui.allUsed());
}

TEST_F(Search, NoDesignationLeavesPath)
{
    QString designation = QStringLiteral("Tec=SMD"), path = QStringLiteral("old"), status = QStringLiteral("x");
    QslSuch(QStringLiteral("Kopie"), QStringLiteral("A"), designation, path, status);
    EXPECT_EQ(status, QString());
    EXPECT_EQ(path, QStringLiteral("old"));
    EXPECT_TRUE(ui.asked.isEmpty());
}

TEST_F(Search, MalformedItemNumber)
{
    QString designation = QStringLiteral("Yk=A1234567-B1"), path, status;
    ui.expect(QuestionKind::Message, QStringLiteral("140"), Answer::button(Mb::OK));
    QslSuch(QStringLiteral("Kopie"), QStringLiteral("A"), designation, path, status);
    EXPECT_EQ(designation, QStringLiteral("ERROR"));
    EXPECT_EQ(status, QStringLiteral("ABBRUCH"));
    EXPECT_TRUE(ui.allUsed());
}

TEST_F(Search, MissingDatabaseEndsWithAbbruch)
{
    QString designation = QStringLiteral("Typ=T1"), path = QStringLiteral("old"), status;
    ui.expect(QuestionKind::Message, QStringLiteral("48"), Answer::button(Mb::OK));
    QslSuch(QStringLiteral("Kopie"), QStringLiteral("B"), designation, path, status);
    EXPECT_EQ(status, QStringLiteral("ABBRUCH"));
    EXPECT_EQ(path, QString());
    EXPECT_TRUE(ui.allUsed());
}

TEST_F(Search, NumberThatIsNoNumberGoesToHandler)
{
    QString designation = QStringLiteral("Ln=abc"), path, status;
    EXPECT_THROW(QslSuch(QStringLiteral("Kopie"), QStringLiteral("A"), designation, path, status), TarnError);
}

} // namespace
