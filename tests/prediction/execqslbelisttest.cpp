#include "frame/interaction.h"
#include "frame/program.h"
#include "prediction/execqslbelist.h"
#include "qlist/qlprintfixture.h"

#include <QDirIterator>

// The component list of a Q-list: the component records of its positions,
// nested sub-lists included, written into a file named in a Save dialog.
namespace {

const QString R1 = QStringLiteral("Typ=R1,Q,Bac=4211,Tec=0000,B,Resistor");
const QString C1 = QStringLiteral("Typ=C1,Yk=A12-B3-C4,Q,Bac=4111,Tec=0000,B,Capacitor");

class ComponentList : public QlPrintFixture {
protected:
    ComponentList()
    {
        addComponent(R1);
        addComponent(C1);
        addList(QStringLiteral("00001"), {"Typ=SUB", "Be=Sub-list", "Stck=2,Typ=R1"});
        // R1 directly, in the sub-list and once more; C1 by its item number;
        // a position left out by its quantity; an unknown component.
        addList(QStringLiteral("00003"), {"Typ=BOARD:  Main A ", "Be=Board", "Stck=1,Typ=R1", "Stck=1,Yk=A12-B3-C4",
                                          "Stck=1,Typ=SUB,Qm=Qsl", "Stck=3,Typ=R1", "Stck=-1,Typ=C1",
                                          "Stck=1,Typ=UNKNOWN"});
    }

    QString target() const { return root.filePath(QStringLiteral("out/list.txt")); }
    QString typedName = QStringLiteral("out/list.txt"); // as the user typed it
    // Answers the Save dialog with the target file and keeps what it proposed.
    void expectSave(std::function<void()> alsoDo = {})
    {
        QDir().mkpath(root.filePath(QStringLiteral("out")));
        program.ui().expect(QuestionKind::SaveFile, QStringLiteral("belist"), [this, alsoDo](const Question& q) {
            proposed = paramsOf<FileParams>(q).file;
            if (alsoDo)
                alsoDo();
            return Answer::word(root.filePath(typedName));
        });
    }
    QStringList written() const
    {
        QStringList l = QString::fromLatin1(testutil::readFile(target())).split(QStringLiteral("\r\n"));
        if (!l.isEmpty() && l.back().isEmpty())
            l.removeLast();
        return l;
    }
    // Every file below the output folder.
    QStringList outputFiles() const
    {
        QStringList out;
        QDirIterator it(root.filePath(QStringLiteral("out")), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            out << it.next();
        return out;
    }
    void run(const char* ln)
    {
        QString lnr = QStringLiteral("Ln=") + QLatin1String(ln);
        ExecQslBEList(lnr);
    }
    bool asked(QuestionKind kind)
    {
        for (const Question& q : program.ui().asked)
            if (q.kind == kind)
                return true;
        return false;
    }

    QString proposed;
};

TEST_F(ComponentList, EveryPositionWithAFoundComponentGivesOneLineInTheOrderOfTheExpandedList)
{
    expectSave();
    run("00003");
    EXPECT_EQ(written(), (QStringList{R1, C1, R1, R1}));
    EXPECT_EQ(proposed, QStringLiteral("Main A_BEListe.txt"));
    // The message list carried the title with the database letter and the short number.
    EXPECT_EQ(program.ui().headlessList().title, QStringLiteral("TARN 4.2  Components in Quality List A 3"));
    EXPECT_FALSE(program.ui().headlessList().visible);
}

// A name typed without extension gets ".txt": the list is a text file.
TEST_F(ComponentList, ANameWithoutExtensionBecomesATextFile)
{
    typedName = QStringLiteral("out/list");
    expectSave();
    run("00003");
    EXPECT_EQ(written(), (QStringList{R1, C1, R1, R1}));
    EXPECT_EQ(outputFiles(), QStringList{target()});
}

TEST_F(ComponentList, NoComponentFoundAsksNothingAndWritesNoFile)
{
    addList(QStringLiteral("00004"), {"Typ=EMPTY", "Be=Nothing known", "Stck=1,Typ=UNKNOWN", "Stck=-1,Typ=R1",
                                      "Stck=2,Typ=ALSO-UNKNOWN"});
    QDir().mkpath(root.filePath(QStringLiteral("out")));
    run("00004");
    EXPECT_FALSE(asked(QuestionKind::SaveFile));
    EXPECT_TRUE(outputFiles().isEmpty());
}

TEST_F(ComponentList, TheProposedNameIsTheDesignationBehindItsFirstColon)
{
    struct Case {
        QStringList head;
        const char* name;
    };
    const Case cases[] = {
        {{"Typ=PLAIN"}, "PLAIN_BEListe.txt"},
        {{"Typ=Project: Board: 2"}, "Board: 2_BEListe.txt"},
        {{"Typ=BYTYPE", "Yk=A1-B2-C3"}, "A1-B2-C3_BEListe.txt"},
        {{"An=U17"}, "U17_BEListe.txt"},
    };
    int n = 10;
    for (const Case& c : cases) {
        const QString ln = QStringLiteral("000%1").arg(n++);
        QStringList lines = {c.head.join(u','), QStringLiteral("Be=x"), QStringLiteral("Stck=1,Typ=R1")};
        addList(ln, lines);
        expectSave();
        run(ln.toLatin1().constData());
        EXPECT_EQ(proposed, QLatin1String(c.name)) << c.head.join(u',').toStdString();
        EXPECT_EQ(written(), QStringList{R1});
    }
}

TEST_F(ComponentList, ACancelledSaveDialogWritesNothing)
{
    QDir().mkpath(root.filePath(QStringLiteral("out")));
    program.ui().expect(QuestionKind::SaveFile, QStringLiteral("belist"), Answer::cancel());
    run("00003");
    EXPECT_TRUE(outputFiles().isEmpty());
}

// A list that ends early keeps no file that would look complete, and says so.
TEST_F(ComponentList, AListThatEndsEarlyLeavesNoPartialFileAndIsReported)
{
    auto cancelInTheMessageList = [this] { program.ui().headlessList().pressed = 1; };
    // The block files go; the index still names them.
    auto componentFileUnreadable = [this] {
        QDirIterator it(bin, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString f = it.next();
            if (QFileInfo(f).path() != QDir(bin).path())
                QFile::remove(f);
        }
    };
    struct Case {
        const char* what;
        std::function<void()> during;
        QStringList messages;
    };
    const Case cases[] = {
        {"cancel in the message list", cancelInTheMessageList, {"belist"}},
        {"component file unreadable", componentFileUnreadable, {"btdefekt", "belist"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(root.filePath(QStringLiteral("out"))).removeRecursively();
        program.ui().headlessList().pressed = 0;
        expectSave(c.during);
        for (const QString& m : c.messages)
            program.ui().expect(QuestionKind::Message, m, Answer::button(Mb::OK));
        run("00003");
        EXPECT_TRUE(outputFiles().isEmpty()) << outputFiles().join(' ').toStdString();
        EXPECT_TRUE(program.ui().allUsed()) << program.ui().unused().join(' ').toStdString();
    }
}

} // namespace
