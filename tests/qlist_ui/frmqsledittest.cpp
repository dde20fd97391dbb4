#include "qsleditfixture.h"
#include "frame/markers.h"
#include "qlist_ui/frmqsledit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>

namespace {

constexpr QuestionKind Msg = QuestionKind::Message;

// The editor window on a Q-list of ten rows: row r holds "Stck=1,Typ=P<r>".
class QslEditWindow : public QslEditFixture {
protected:
    QslEditWindow() : QslEditFixture(QStringLiteral("Typ=LIST1"), QStringLiteral("Kf,Tei,Dtu"))
    {
        window = std::make_unique<frmQslEditWindow>(model, nullptr);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        line()->setFocus();
    }
    ~QslEditWindow() override
    {
        model.Tag = QStringLiteral("1");
        window.reset();
    }
    QTextEdit* line() const { return window->lineEditor(); }
    // Makes row r current as a click on it does.
    void go(int r)
    {
        model.BT_Click(r);
        window->refresh();
        line()->setFocus();
    }
    // Selects the rows from a to b with b current.
    void select(int a, int b)
    {
        go(a);
        model.row = b;
        model.RowSel = a;
        window->refresh();
    }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(line(), k, m); }
    void typeChar(QChar c)
    {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(line(), &press);
    }
    void trigger(const char* key) { window->action(QString::fromLatin1(key))->trigger(); }
    void expectDone() { EXPECT_TRUE(ui.allUsed()) << ui.unused().join(u' ').toStdString(); }

    ScriptedInteraction& ui = program.ui();
    std::unique_ptr<frmQslEditWindow> window;
};

TEST_F(QslEditWindow, LineEditorFiltersCharacters)
{
    go(2);
    key(Qt::Key_End);
    QTest::keyClicks(line(), QStringLiteral(",S,Kf=2"));
    EXPECT_EQ(line()->toPlainText(), QStringLiteral("Stck=1,Typ=P2,S,Kf=2"));
    const int beeps = ui.beeps;
    typeChar(FolgeZeichen);
    typeChar(EndeZeichen);
    EXPECT_EQ(ui.beeps, beeps + 2);
    key(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(line()->toPlainText(), QStringLiteral("Stck=1,Typ=P2,S,Kf=2") + PiChar);
    EXPECT_EQ(model.AktbtText, line()->toPlainText());
    // Pi takes the place of a selection; the caret stands behind it.
    QTextCursor c = line()->textCursor();
    c.setPosition(16);
    c.setPosition(18, QTextCursor::KeepAnchor); // "Kf"
    line()->setTextCursor(c);
    key(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(line()->toPlainText(), QStringLiteral("Stck=1,Typ=P2,S,") + PiChar + QStringLiteral("=2") + PiChar);
    EXPECT_EQ(line()->textCursor().position(), 17);
    EXPECT_EQ(model.AktbtText, line()->toPlainText());
}

TEST_F(QslEditWindow, KeysMoveTheCurrentRow)
{
    struct Case {
        const char* name;
        int from;
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        int to;
    };
    const Case cases[] = {
        {"PageDownStopsAtTheLastRow", 2, Qt::Key_PageDown, Qt::NoModifier, 9},
        {"ShiftUpGoesAPageUp", 5, Qt::Key_Up, Qt::ShiftModifier, 0},
        {"CtrlDownGoesToTheLastRow", 3, Qt::Key_Down, Qt::ControlModifier, 9},
        {"UpOnTheHeadRowStays", 0, Qt::Key_Up, Qt::NoModifier, 0},
        {"DownGoesOneRow", 4, Qt::Key_Down, Qt::NoModifier, 5},
    };
    for (const Case& c : cases) {
        go(c.from);
        key(c.key, c.mods);
        EXPECT_EQ(model.row, c.to) << c.name;
        EXPECT_EQ(line()->toPlainText(), model.rows[c.to]) << c.name;
        EXPECT_EQ(window->grid()->currentRow(), c.to) << c.name;
        EXPECT_TRUE(window->windowTitle().endsWith(QStringLiteral("10/%1").arg(c.to + 1))) << c.name;
    }
    expectDone();
}

TEST_F(QslEditWindow, EnterStoresTheLineAndMovesOneRow)
{
    go(3);
    key(Qt::Key_End);
    QTest::keyClicks(line(), QStringLiteral(",Sl=R3"));
    key(Qt::Key_Return);
    EXPECT_EQ(model.rows[3], QStringLiteral("Stck=1,Typ=P3,Sl=R3"));
    EXPECT_EQ(model.row, 4);
    EXPECT_TRUE(model.QslChanged);
    EXPECT_EQ(window->grid()->item(3, 0)->text(), QStringLiteral("Stck=1,Typ=P3,Sl=R3"));

    // Ctrl+Enter drops an edit and reloads the line.
    QTest::keyClicks(line(), QStringLiteral("xyz"));
    key(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(line()->toPlainText(), QStringLiteral("Stck=1,Typ=P4"));
    EXPECT_EQ(model.row, 4);

    // On the last row a changed line is stored and the row stays.
    go(9);
    key(Qt::Key_End);
    QTest::keyClicks(line(), QStringLiteral("!last"));
    key(Qt::Key_Return);
    EXPECT_EQ(model.rows[9], QStringLiteral("Stck=1,Typ=P9!last"));
    EXPECT_EQ(model.row, 9);
    expectDone();
}

TEST_F(QslEditWindow, LeavingAChangedLineAsks103)
{
    go(4);
    key(Qt::Key_End);
    QTest::keyClicks(line(), QStringLiteral("!a"));
    ui.expect(Msg, QStringLiteral("103"), Answer::button(Mb::No));
    key(Qt::Key_Down);
    EXPECT_EQ(model.rows[4], QStringLiteral("Stck=1,Typ=P4"));
    EXPECT_EQ(model.row, 5);

    QTest::keyClicks(line(), QStringLiteral("!b"));
    ui.expect(Msg, QStringLiteral("103"), Answer::button(Mb::Yes));
    const QRect cell = window->grid()->visualItemRect(window->grid()->item(2, 0));
    QTest::mouseClick(window->grid()->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(model.rows[5], QStringLiteral("Stck=1,Typ=P5!b"));
    EXPECT_EQ(model.row, 2);
    EXPECT_TRUE(model.QslChanged);
    expectDone();
}

TEST_F(QslEditWindow, LineBlocksGoThroughTheClipboard)
{
    select(1, 3);
    ui.expect(Msg, QStringLiteral("446"), Answer::button(Mb::OK));
    trigger("bt.cut");
    EXPECT_EQ(model.rows.size(), 10);

    select(4, 6);
    trigger("bt.cut");
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("Stck=1,Typ=P4\rStck=1,Typ=P5\rStck=1,Typ=P6"));
    EXPECT_EQ(model.rows.size(), 7);
    EXPECT_EQ(model.row, 4);
    EXPECT_EQ(model.rows[4], QStringLiteral("Stck=1,Typ=P7"));
    EXPECT_EQ(line()->toPlainText(), QStringLiteral("Stck=1,Typ=P7"));
    EXPECT_TRUE(window->action(QStringLiteral("bt.paste"))->isEnabled());
    EXPECT_TRUE(model.QslChanged);
    expectDone();
}

TEST_F(QslEditWindow, DeletingTheLastRowsLeavesTheRowBeforeThem)
{
    select(8, 9);
    trigger("bt.del");
    EXPECT_EQ(model.rows.size(), 8);
    EXPECT_EQ(model.row, 7);
    EXPECT_EQ(line()->toPlainText(), QStringLiteral("Stck=1,Typ=P7"));
}

TEST_F(QslEditWindow, PastedBlockComesInFrontOfTheCurrentRow)
{
    // Text from another program: the item is enabled when the list is opened
    // with it on the clipboard.
    QGuiApplication::clipboard()->setText(QStringLiteral("A\r\nB\r"));
    ASSERT_TRUE(model.Open(QStringLiteral("00001")));
    window->refresh();
    ASSERT_TRUE(window->action(QStringLiteral("bt.paste"))->isEnabled());
    go(5);
    trigger("bt.paste");
    EXPECT_EQ(model.rows.mid(5, 3),
              (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("Stck=1,Typ=P5")}));
    EXPECT_EQ(model.row, 5);
    EXPECT_EQ(line()->toPlainText(), QStringLiteral("A"));

    go(1);
    ui.expect(Msg, QStringLiteral("447"), Answer::button(Mb::OK));
    trigger("bt.paste");
    ui.expect(Msg, QStringLiteral("447"), Answer::button(Mb::OK));
    trigger("ln.paste");
    EXPECT_EQ(model.rows.size(), 12);
    expectDone();
}

TEST_F(QslEditWindow, SearchIgnoresCaseAndWrapsToTheHeadRow)
{
    ui.expect(QuestionKind::Input, QStringLiteral("1514"), Answer::word(QStringLiteral("typ=p6")));
    trigger("find");
    EXPECT_EQ(model.row, 6);
    // The head row holds "Typ=LIST1" but "find" starts at row 1.
    ui.expect(QuestionKind::Input, QStringLiteral("1514"), Answer::word(QStringLiteral("list1")));
    trigger("find");
    EXPECT_EQ(model.row, 6);
    go(9);
    trigger("findnext");
    EXPECT_EQ(model.row, 0);
    EXPECT_EQ(line()->toPlainText(), QStringLiteral("Typ=LIST1"));
    expectDone();
}

TEST_F(QslEditWindow, PasteIntoTheLineDropsLineBreaksBeforeTheCaretAndMarks)
{
    go(2);
    key(Qt::Key_End);
    QGuiApplication::clipboard()->setText(QStringLiteral(",Sl=R") + EndeZeichen + QStringLiteral("2\r\n"));
    key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(line()->toPlainText(), QStringLiteral("Stck=1,Typ=P2,Sl=R2"));
    EXPECT_EQ(line()->textCursor().position(), line()->toPlainText().size());
    EXPECT_EQ(model.AktbtText, line()->toPlainText());
}

TEST_F(QslEditWindow, CloseBoxAsksAboutUnsavedChanges)
{
    model.QslChanged = true;
    ui.expect(Msg, QStringLiteral("163"), Answer::button(Mb::Cancel));
    window->close();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(model.Tag, QStringLiteral("0"));
    ui.expect(Msg, QStringLiteral("163"), Answer::button(Mb::No));
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(model.Tag, QStringLiteral("1"));
    expectDone();
}

TEST_F(QslEditWindow, CommandsCarryTheirShortcutsAndToolTips)
{
    EXPECT_EQ(window->action(QStringLiteral("save"))->shortcut(), QKeySequence(Qt::Key_F8));
    EXPECT_EQ(window->action(QStringLiteral("bt.del"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F6));
    EXPECT_EQ(window->button(QStringLiteral("new"))->text(), QStringLiteral("&New Item"));
    EXPECT_TRUE(window->button(QStringLiteral("new"))->toolTip().startsWith(QStringLiteral("Entering a new item")));
    EXPECT_TRUE(window->grid()->toolTip().contains(QStringLiteral("Right mouse-button")));
    ui.expect(Msg, QStringLiteral("119"), Answer::button(Mb::OK));
    key(Qt::Key_F8);
    expectDone();
}

} // namespace
