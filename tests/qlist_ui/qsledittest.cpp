#include "qsleditfixture.h"
#include "frame/errptnr.h"
#include "frame/markers.h"
#include "frame/restext.h"
#include "qlist/qslcommands.h"
#include "qlist_ui/qsledit.h"

namespace {

constexpr QuestionKind Msg = QuestionKind::Message;

// A Q-list of ten rows opened in the editor model (no window).
class QslEditTest : public QslEditFixture {
protected:
    QslEditTest() : QslEditFixture(QStringLiteral("Typ=LIST1,Tec=T0"), QStringLiteral("Kf,Tei,Dtu,Chpf,Rw,Zf=P"))
    {
        Program& p = prog();
        p.AbkListen[4] = QStringLiteral("Typ,Yk,An,Tec,Code,Anlage");
        p.InfoParam.clear();
        p.SonderParam.clear();
        p.MilParam.clear();
        p.QslParam = QStringLiteral("Kf,Dtu");
    }
    QByteArray fileBytes() const { return testutil::readFile(QString(file).replace(u'\\', u'/')); }
    void expectDone() { EXPECT_TRUE(ui.allUsed()) << ui.unused().join(u' ').toStdString(); }
    // Answers message id with button and records the arguments' text.
    void answer(const char* id, int button, QString* text = nullptr)
    {
        ui.expect(Msg, QString::fromLatin1(id), [button, text](const Question& q) {
            if (text)
                *text = q.text;
            return Answer::button(button);
        });
    }
    // The line editor holds a changed text.
    void edit(const QString& text) { model.AktbtText = text; }

    ScriptedInteraction& ui = program.ui();
};

TEST_F(QslEditTest, OpeningShowsTheRowsAndTheDescriptionInTheLineEditor)
{
    EXPECT_EQ(model.rows.size(), 10);
    EXPECT_EQ(model.row, 1);
    EXPECT_EQ(model.AktbtText, QStringLiteral("Be=first list"));
    EXPECT_FALSE(model.QslChanged);
    EXPECT_TRUE(model.caption.endsWith(QStringLiteral("Lines:   10/2"))) << model.caption.toStdString();
    EXPECT_EQ(prog().QslRecAlt[2], QStringLiteral("LIST1"));
}

TEST_F(QslEditTest, DeletedListAndOneLineFile)
{
    addList(QStringLiteral("00002"), {QStringLiteral("Typ=FREI")});
    QString text;
    answer("162", Mb::OK, &text);
    QslEditModel deleted;
    EXPECT_FALSE(deleted.Open(QStringLiteral("00002")));
    EXPECT_TRUE(text.contains(QStringLiteral("Ln=00002"))) << text.toStdString();

    addList(QStringLiteral("00003"), {QStringLiteral("Typ=ONE")});
    QslEditModel one;
    ASSERT_TRUE(one.Open(QStringLiteral("00003")));
    EXPECT_EQ(one.rows, (QStringList{QStringLiteral("Typ=ONE"), QString()}));
    EXPECT_EQ(one.row, 1);
    EXPECT_TRUE(one.AktbtText.isEmpty());
    expectDone();
}

// ---- saving

TEST_F(QslEditTest, HeadChecksStopTheSaveOnTheirRow)
{
    struct Case {
        const char* name;
        QString head, description;
        const char* message;
        QString argument;
        int row;
    };
    const QString t21 = QStringLiteral("T").repeated(21), a21 = QStringLiteral("A").repeated(21);
    const Case cases[] = {
        {"TypBeforeAn", QStringLiteral("Typ=%1,An=%2").arg(t21, a21), QStringLiteral("Be=x"), "504",
         QStringLiteral("Typ=") + t21, 0},
        {"AnTooLong", QStringLiteral("Typ=LIST1,An=") + a21, QStringLiteral("Be=x"), "504", QStringLiteral("An=") + a21, 0},
        {"ApostropheInDescription", QStringLiteral("Typ=LIST1"), QStringLiteral("Be=it's"), "31",
         QStringLiteral("it's"), 1},
        {"ItemNumberBlockTooLong", QStringLiteral("Typ=LIST1,Yk=123456-123456-1234"), QStringLiteral("Be=x"), "120",
         QStringLiteral(":  Yk=123456-123456-1234"), 0},
    };
    const QByteArray before = fileBytes();
    for (const Case& c : cases) {
        model.rows[0] = c.head;
        model.rows[1] = c.description;
        model.row = 5;
        QString text;
        answer(c.message, Mb::OK, &text);
        EXPECT_FALSE(model.SaveQsl()) << c.name;
        EXPECT_TRUE(text.contains(c.argument)) << c.name << ": " << text.toStdString();
        EXPECT_EQ(model.row, c.row) << c.name;
        EXPECT_EQ(model.HighlRow, c.row) << c.name;
        EXPECT_EQ(fileBytes(), before) << c.name;
    }
    expectDone();
}

TEST_F(QslEditTest, FaultyPositionStopsWithThatRowInTheLineEditor)
{
    model.rows[6] = QStringLiteral("Stck=1,Typ=P6,S,Xyz=1");
    model.rows[7] = QStringLiteral("Text line without a position, Xyz=1");
    model.rows[8] = QStringLiteral("Stck=1,Typ=P8! comment,S,Xyz=1");
    model.QslChanged = true;
    QString text;
    answer("120", Mb::OK, &text);
    EXPECT_FALSE(model.SaveQsl());
    EXPECT_TRUE(text.contains(QStringLiteral("Xyz"))) << text.toStdString();
    EXPECT_EQ(model.row, 6);
    EXPECT_EQ(model.AktbtText, model.rows[6]);
    EXPECT_TRUE(model.QslChanged);
    model.rows[6] = QStringLiteral("Stck=1,Typ=P6,S,Tei=1");
    answer("110", Mb::OK);
    EXPECT_TRUE(model.SaveQsl()) << "neither the text line nor the comment is examined";
    expectDone();
}

TEST_F(QslEditTest, PositionValuesThatAreNoNumbersStopTheSave)
{
    // The quantity is read by the same check as everywhere a Q-list is read: a
    // line the prediction would count as 0 pieces is not saved.
    struct Case {
        const char* line;
        const char* said; // part of the message
    };
    const Case cases[] = {
        {"Stck=abc,Typ=IC-CPU32", "Stck: \"abc\" is not a number"},
        {"Stck=-3,Typ=IC-CPU32", "Stck: \"-3\" is negative"},
        {"Stck=2,Typ=IC-CPU32,S,Dtu=abc", "Dtu: \"abc\" is not a number"},
        {"Stck=2,Typ=IC-CPU32,S,Tei=-5", "Tei: \"-5\""},
        {"Stck=2,Typ=IC-CPU32,S,Kf=-2", "Kf: \"-2\" is negative"},
    };
    const QByteArray before = fileBytes();
    for (const Case& c : cases) {
        model.rows[6] = QString::fromLatin1(c.line);
        model.row = 2;
        model.QslChanged = true;
        QString text;
        answer("120", Mb::OK, &text);
        EXPECT_FALSE(model.SaveQsl()) << c.line;
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.said))) << c.line << ": " << text.toStdString();
        EXPECT_EQ(model.row, 6) << c.line;
        EXPECT_EQ(fileBytes(), before) << c.line;
    }
    // A locked position (-1) and numbers of their kind pass.
    model.rows[6] = QStringLiteral("Stck=-1,Typ=IC-CPU32,S,Dtu=-5,Tei=0/30,Kf=1.5");
    answer("110", Mb::OK);
    EXPECT_TRUE(model.SaveQsl());
    expectDone();
}

TEST_F(QslEditTest, IdentityOfAnotherListStopsTheSaveButNotTheListsOwn)
{
    addList(QStringLiteral("00002"), {QStringLiteral("Typ=OTHER"), QStringLiteral("Be=")});
    model.rows[0] = QStringLiteral("Typ=other");
    QString text;
    answer("107", Mb::OK, &text);
    EXPECT_FALSE(model.SaveQsl());
    EXPECT_TRUE(text.contains(QStringLiteral("OTHER"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QslPfad(QStringLiteral("A"), QStringLiteral("00002")))) << text.toStdString();
    EXPECT_EQ(model.row, 1);

    // A new identity saved twice in one window: the second save finds the list
    // itself under its new Typ.
    model.rows[0] = QStringLiteral("Typ=NEWT");
    answer("110", Mb::OK);
    EXPECT_TRUE(model.SaveQsl());
    model.rows[3] = QStringLiteral("Stck=2,Typ=P3");
    answer("110", Mb::OK);
    EXPECT_TRUE(model.SaveQsl());
    expectDone();
}

TEST_F(QslEditTest, UnchangedHeadIsNotLookedUp)
{
    // An older list holds the same Typ: a look-up would find it first.
    addRow(QStringLiteral("00000"), QStringLiteral("LIST1"));
    model.rows[2] = QStringLiteral("Stck=3,Typ=P2");
    answer("110", Mb::OK);
    EXPECT_TRUE(model.SaveQsl());
    expectDone();
}

TEST_F(QslEditTest, RemovedItemNumberIsNotLookedUp)
{
    addList(QStringLiteral("00002"), {QStringLiteral("Typ=LIST2,Yk=A12345-B1234-C123-A1"), QStringLiteral("Be=")});
    QslEditModel second;
    ASSERT_TRUE(second.Open(QStringLiteral("00002")));
    second.rows[0] = QStringLiteral("Typ=LIST2");
    answer("110", Mb::OK);
    EXPECT_TRUE(second.SaveQsl());
    expectDone();
}

TEST_F(QslEditTest, FileIsWrittenRowByRowWithMarks)
{
    model.rows[3] = QString();
    model.rows[4] = QStringLiteral("Stck=1,Typ=P4,S,") + PiChar + QStringLiteral("qem=2");
    prog().AbkListen[5] += QStringLiteral(",{pi}qem");
    model.rows << QString();
    model.QslChanged = true;
    QString text;
    answer("110", Mb::OK, &text);
    ASSERT_TRUE(model.SaveQsl());
    EXPECT_TRUE(text.contains(QslPfad(QStringLiteral("A"), QStringLiteral("00001")))) << text.toStdString();
    const QList<QByteArray> lines = fileBytes().split('\n');
    ASSERT_EQ(lines.size(), 11) << "ten rows and nothing after the last line end";
    EXPECT_EQ(lines[3], QByteArray("*\xfe\r"));
    EXPECT_EQ(lines[4], QByteArray("*Stck=1,Typ=P4,S,\xe3qem=2\xfe\r"));
    EXPECT_EQ(lines[9], QByteArray("*Stck=1,Typ=P9\xfe\r"));
    EXPECT_FALSE(model.QslChanged);
    answer("119", Mb::OK);
    model.MenuQSL(QStringLiteral("save"));
    expectDone();
}

TEST_F(QslEditTest, FailedFileWriteKeepsTheRecordAndIsReported)
{
    // A folder where the file should be: the file cannot be replaced.
    const QString native = QString(file).replace(u'\\', u'/');
    QFile::remove(native);
    QDir().mkpath(native);
    model.rows[0] = QStringLiteral("Typ=RENAMED");
    model.QslChanged = true;
    ui.expect(QuestionKind::Error, QStringLiteral("frmQslEdit.MenuQSL"),
              Answer::button(ErrPtnr::LeaveProcedure));
    model.MenuQSL(QStringLiteral("save"));
    EXPECT_TRUE(model.QslChanged);
    auto db = direct();
    EXPECT_EQ(db->snapshot(QStringLiteral("select typ from qldb where ln='00001'")).text(0).trimmed(),
              QStringLiteral("LIST1"));
    // The failed save leaves the editor usable: Ctrl+Enter still takes the
    // current row into the line editor.
    model.AktbtText.clear();
    ASSERT_FALSE(model.rows[model.row].isEmpty());
    model.AktBT_KeyPress(10);
    EXPECT_EQ(model.AktbtText, model.rows[model.row]);
    expectDone();
}

// ---- commands and their questions

TEST_F(QslEditTest, ChangedLineAtCloseIsSavedWithYesAndKeptWithCancel)
{
    edit(QStringLiteral("Be=second"));
    answer("122", Mb::Cancel);
    model.MenuQSL(QStringLiteral("cancel"));
    EXPECT_EQ(model.Tag, QStringLiteral("0"));
    EXPECT_EQ(model.AktbtText, QStringLiteral("Be=second"));

    answer("122", Mb::Yes);
    answer("110", Mb::OK);
    model.MenuQSL(QStringLiteral("cancel"));
    EXPECT_EQ(model.Tag, QStringLiteral("1"));
    EXPECT_TRUE(fileBytes().contains("*Be=second\xfe"));
    expectDone();
}

TEST_F(QslEditTest, UnsavedChangesAtClose)
{
    struct Case {
        int button;
        const char* tag;
        bool saved;
    };
    for (const Case c : {Case{Mb::Cancel, "0", false}, Case{Mb::No, "1", false}, Case{Mb::Yes, "1", true}}) {
        model.Tag = QStringLiteral("0");
        model.rows[1] = QStringLiteral("Be=changed %1").arg(c.button);
        model.QslChanged = true;
        answer("163", c.button);
        if (c.saved)
            answer("110", Mb::OK);
        model.MenuQSL(QStringLiteral("cancel"));
        EXPECT_EQ(model.Tag, QString::fromLatin1(c.tag)) << c.button;
        EXPECT_EQ(fileBytes().contains(QStringLiteral("Be=changed %1").arg(c.button).toLatin1()), c.saved) << c.button;
    }
    expectDone();
}

TEST_F(QslEditTest, SaveThatStopsKeepsTheWindowOpenOnTheFaultyLine)
{
    model.rows[7] = QStringLiteral("Stck=1,Typ=P7,S,Xyz=1");
    model.QslChanged = true;
    answer("163", Mb::Yes);
    answer("120", Mb::OK);
    model.MenuQSL(QStringLiteral("cancel"));
    EXPECT_EQ(model.Tag, QStringLiteral("0"));
    EXPECT_EQ(model.row, 7);
    EXPECT_TRUE(model.QslChanged);

    // The same for a command: the export does not run on the old file.
    answer("163", Mb::Yes);
    answer("120", Mb::OK);
    model.MenuQSL(QStringLiteral("5kopie"));
    expectDone();
}

TEST_F(QslEditTest, PrintOfAChangedListAsksAndCancelPrintsNothing)
{
    model.QslChanged = true;
    answer("153", Mb::Cancel);
    model.MenuQSL(QStringLiteral("print"));
    EXPECT_TRUE(model.QslChanged);
    expectDone();
}

TEST_F(QslEditTest, ChangedLineBeforeSaveAsks103)
{
    edit(QStringLiteral("Be=kept"));
    answer("103", Mb::Yes);
    answer("110", Mb::OK);
    model.MenuQSL(QStringLiteral("save"));
    EXPECT_EQ(model.rows[1], QStringLiteral("Be=kept"));
    EXPECT_FALSE(model.QslChanged);

    edit(QStringLiteral("Be=dropped"));
    answer("103", Mb::No);
    answer("119", Mb::OK);
    model.MenuQSL(QStringLiteral("save"));
    EXPECT_EQ(model.AktbtText, QStringLiteral("Be=kept"));
    expectDone();
}

TEST_F(QslEditTest, ImportKeepsTheChangeMarkAndTakesAddedLines)
{
    QString mode;
    int added = 0;
    testLinks.edit<ComponentEditorLink>().Show0 = [&](QString&, const QString& m) {
        mode = m;
        for (int i = 0; i < added; ++i)
            model.appendRow(QStringLiteral("Stck=1,Typ=NEW%1").arg(i));
    };
    for (const bool before : {false, true}) {
        model.QslChanged = before;
        model.MenuQSL(QStringLiteral("import"));
        EXPECT_EQ(model.QslChanged, before);
        EXPECT_EQ(model.rows.size(), 10);
    }
    EXPECT_EQ(mode, QStringLiteral("add"));
    model.QslChanged = false;
    added = 2;
    model.MenuQSL(QStringLiteral("import"));
    EXPECT_TRUE(model.QslChanged);
    EXPECT_EQ(model.row, 11);
    EXPECT_EQ(model.AktbtText, QStringLiteral("Stck=1,Typ=NEW1"));
    expectDone();
}

TEST_F(QslEditTest, ComponentDataListGoesThroughItsLink)
{
    // The program binds the link at start.
    ASSERT_TRUE(links<QslEditLinks>().ExecQslBEList);
    QString desc;
    testLinks.edit<QslEditLinks>().ExecQslBEList = [&desc](const QString& d) { desc = d; };
    model.MenuQSL(QStringLiteral("belist"));
    EXPECT_EQ(desc, QStringLiteral("Ln=00001"));
    expectDone();
}

TEST_F(QslEditTest, DeleteClosesTheWindowOnlyWhenTheListIsGone)
{
    answer("160", Mb::No);
    model.MenuQSL(QStringLiteral("del"));
    EXPECT_EQ(model.Tag, QStringLiteral("0"));
    answer("160", Mb::Yes);
    model.MenuQSL(QStringLiteral("del"));
    EXPECT_EQ(model.Tag, QStringLiteral("1"));
    expectDone();
}

// ---- the parameter popup

class QslPopupTest : public QslEditTest {
protected:
    // Opens the popup on row r holding text, choosing the item of abk; records
    // the captions offered.
    void popup(int r, const QString& text, const QString& abk)
    {
        model.rows[r] = text;
        model.row = model.RowSel = r;
        model.AktbtText = text;
        ui.expect(QuestionKind::QslPopup, QStringLiteral("up"), [this, abk](const Question& q) {
            captions = q.choices;
            const QStringList tags = paramsOf<PopupParams>(q).tags;
            for (const QString& t : tags)
                if (t.section(u',', 0, 0) == abk)
                    return Answer::word(t);
            return Answer::cancel();
        });
        model.ParamPopup();
    }
    void value(const QString& abk, const QString& v)
    {
        Answer a;
        a.values = QStringList{v};
        ui.expect(QuestionKind::Value, abk, a);
    }
    QString captionOf(const QString& abk) const
    {
        for (const QString& c : captions)
            if (c.section(u'\t', 0, 0) == abk)
                return c.section(u'\t', 1);
        return QStringLiteral("none");
    }
    QStringList captions;
};

TEST_F(QslPopupTest, PositionGetsTheValueInItsStressSection)
{
    struct Case {
        QString line, abk, value, result;
    };
    const Case cases[] = {
        {QStringLiteral("Stck=2,Typ=P3,Q,Bac=1234,S,Kf=2! spare"), QStringLiteral("Tei"), QStringLiteral("15"),
         QStringLiteral("Stck=2,Typ=P3,S,Kf=2,Tei=15! spare")},
        {QStringLiteral("Stck=1,Typ=P4"), QStringLiteral("Dtu"), QStringLiteral("5"),
         QStringLiteral("Stck=1,Typ=P4,S,Dtu=5")},
        {QStringLiteral("Stck=1,Typ=P5,S,Kf=2,Dtu=3"), QStringLiteral("Kf"), QString(),
         QStringLiteral("Stck=1,Typ=P5,S,Dtu=3")},
    };
    for (const Case& c : cases) {
        value(c.abk, c.value);
        popup(5, c.line, c.abk);
        EXPECT_EQ(model.AktbtText, c.result) << c.line.toStdString();
        EXPECT_EQ(model.rows[5], c.line) << "the row waits for the line to be stored";
    }
    popup(5, QStringLiteral("Stck=1,Typ=P5"), QStringLiteral("Rw"));
    EXPECT_EQ(model.AktbtText, QStringLiteral("Stck=1,Typ=P5,S,Rw=1"));
    expectDone();
}

TEST_F(QslPopupTest, SubListLineMarksItsOwnParameters)
{
    value(QStringLiteral("Dtu"), QStringLiteral("4"));
    popup(4, QStringLiteral("Stck=1,Typ=SUB,Qm=Qsl"), QStringLiteral("Dtu"));
    EXPECT_EQ(captionOf(QStringLiteral("Kf")), QStringLiteral("  >>     "));
    EXPECT_EQ(captionOf(QStringLiteral("Dtu")), QStringLiteral("  >>     "));
    EXPECT_EQ(captionOf(QStringLiteral("Tei")), QString(13, u' '));
    EXPECT_EQ(model.AktbtText, QStringLiteral("Stck=1,Typ=SUB,Qm=Qsl,S,Dtu=4"));
    expectDone();
}

TEST_F(QslPopupTest, ChipParameterOnlyForChipClassesInThinFilm)
{
    struct Case {
        const char* bac;
        const char* tec;
        bool marked;
    };
    for (const Case c : {Case{"1234", "0003", true}, Case{"1234", "0001", false}, Case{"2234", "0003", false}}) {
        testLinks.edit<QslEditLinks>().classParameters = [c](const QString&, QString& bac, QString& tec) {
            bac = QString::fromLatin1(c.bac);
            tec = QString::fromLatin1(c.tec);
            return QStringLiteral(",Chpf,Tei");
        };
        popup(3, QStringLiteral("Stck=1,Typ=P3"), QString());
        EXPECT_EQ(captionOf(QStringLiteral("Chpf")) == QLatin1String("  >>     "), c.marked) << c.bac << c.tec;
        EXPECT_EQ(captionOf(QStringLiteral("Tei")), QStringLiteral("  >>     ")) << c.bac << c.tec;
        EXPECT_EQ(model.AktbtText, QStringLiteral("Stck=1,Typ=P3")) << "a dismissed popup changes nothing";
    }
    expectDone();
}

TEST_F(QslPopupTest, HeadLineTakesTheHeadKeysAndOtherRowsBeep)
{
    value(QStringLiteral("Tec"), QStringLiteral("T5"));
    popup(0, QStringLiteral("Typ=LIST1,Tec=T0"), QStringLiteral("Tec"));
    EXPECT_EQ(model.AktbtText, QStringLiteral("Typ=LIST1,Tec=T5"));
    for (const int r : {1, 2}) {
        const int beeps = ui.beeps;
        model.row = r;
        model.AktbtText = r == 1 ? QStringLiteral("Be=first list") : QStringLiteral("a text line");
        model.ParamPopup();
        EXPECT_EQ(ui.beeps, beeps + 1) << r;
    }
    // An empty parameter list offers nothing.
    prog().AbkListen[5].clear();
    const int beeps = ui.beeps;
    model.row = 4;
    model.AktbtText = model.rows[4];
    model.ParamPopup();
    EXPECT_EQ(ui.beeps, beeps + 1);
    expectDone();
}

} // namespace
