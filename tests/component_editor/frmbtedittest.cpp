#include "bteditfixture.h"
#include "frame/markers.h"
#include "component_editor/frmbtedit.h"
#include "frame/qtinteraction.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

namespace {

// The real editor window; the value dialog, the popup and the message boxes
// answer from the test.
class StoryUi : public QtInteraction {
public:
    int messageBox(const QString& id, const QString&, int, const QString&) override
    {
        messages << id;
        return Mb::OK;
    }
    QStringList messages;
};

class BtEditWindowTest : public BtEditTest {
protected:
    void SetUp() override
    {
        BtEditTest::SetUp();
        registerBtEditWindow(storyUi);
        storyUi.registerHandler(QuestionKind::ComponentPopup, [](const Question&) { return Answer::word(QStringLiteral("edit")); });
        storyUi.registerHandler(QuestionKind::Value, [this](const Question& q) {
            edits << q.key;
            return Answer::word(values.value(q.key));
        });
        sp.program().ui = &storyUi;
    }
    void TearDown() override
    {
        sp.program().ui = &sp.ui();
        BtEditTest::TearDown();
    }
    static frmBtEditWindow* window()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* e = qobject_cast<frmBtEditWindow*>(w); e && e->isVisible())
                return e;
        return nullptr;
    }
    // Runs the editor from the main menu's entry; act works on its window.
    void runEditor(const std::function<void(frmBtEditWindow*)>& act)
    {
        bool acted = false;
        QTimer::singleShot(0, [&] {
            frmBtEditWindow* w = window();
            ASSERT_NE(w, nullptr);
            acted = true;
            act(w);
            if (window())
                window()->close();
        });
        EXPECT_FALSE(frmBtEdit::Show0());
        EXPECT_TRUE(acted);
        EXPECT_EQ(window(), nullptr) << "the editor is gone when Show0 returns";
    }
    static void openType(frmBtEditWindow* w, const QString& type)
    {
        w->designation(0)->setFocus();
        QTest::keyClicks(w->designation(0), type);
        ASSERT_TRUE(w->command(2)->isEnabled());
        QTest::mouseClick(w->command(2), Qt::LeftButton);
    }
    static QStringList rows(QListWidget* g)
    {
        QStringList r;
        for (int i = 0; i < g->count(); ++i)
            r << g->item(i)->text();
        return r;
    }
    static void shot(QWidget* w, const QString& name)
    {
        const QImage image = w->grab().toImage();
        EXPECT_FALSE(image.isNull());
        const QString dir = qEnvironmentVariable("TARN_SCREENSHOT_DIR");
        if (!dir.isEmpty())
            image.save(dir + u'/' + name);
    }

    StoryUi storyUi;
    QStringList edits;
    QHash<QString, QString> values;
};

TEST_F(BtEditWindowTest, EngineerChangesAPinCountAndCopiesTheComponent)
{
    store(QStringLiteral("Typ=BC847,Q,Bac=2111,Tec=1000,Pin=3,B,NPN-Transistor"));
    values[QStringLiteral("Pin")] = QStringLiteral("4");
    runEditor([&](frmBtEditWindow* w) {
        openType(w, QStringLiteral("bc847"));
        QListWidget* g = w->grid(2);
        EXPECT_EQ(rows(w->grid(1)), QStringList{QStringLiteral("Typ=BC847")});
        EXPECT_EQ(w->description()->toPlainText(), QStringLiteral("NPN-Transistor"));
        const QList<QListWidgetItem*> pin = g->findItems(QStringLiteral("Pin=3"), Qt::MatchExactly);
        ASSERT_EQ(pin.size(), 1);
        QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, g->visualItemRect(pin[0]).center());
        EXPECT_EQ(rows(g), (QStringList{QStringLiteral("Bac=2111"), QStringLiteral("Tec=1000"), QStringLiteral("Pin=4")}));
        EXPECT_TRUE(w->command(0)->isEnabled());
        shot(w, QStringLiteral("btedit-de.png"));
        QTest::mouseClick(w->command(0), Qt::LeftButton);
        EXPECT_FALSE(w->command(0)->isEnabled());
    });
    EXPECT_EQ(edits, QStringList{QStringLiteral("Pin")});
    EXPECT_EQ(blockOf(bin, QStringLiteral("21000")),
              QStringList{QStringLiteral("Typ=BC847,Q,Bac=2111,Tec=1000,Pin=4,B,NPN-Transistor")});

    values[QStringLiteral("Typ")] = QStringLiteral("BC848");
    runEditor([&](frmBtEditWindow* w) {
        openType(w, QStringLiteral("BC847"));
        EXPECT_TRUE(rows(w->grid(2)).contains(QStringLiteral("Pin=4")));
        QTest::mouseClick(w->command(7), Qt::LeftButton); // copy
        EXPECT_EQ(rows(w->grid(1)), QStringList{QStringLiteral("Typ=BC848")});
        QTest::mouseClick(w->command(0), Qt::LeftButton); // save
    });
    EXPECT_TRUE(storyUi.messages.contains(QStringLiteral("164")));
    EXPECT_EQ(blockOf(bin, QStringLiteral("21000")),
              (QStringList{QStringLiteral("Typ=BC847,Q,Bac=2111,Tec=1000,Pin=4,B,NPN-Transistor"),
                           QStringLiteral("Typ=BC848,Q,Bac=2111,Tec=1000,Pin=4,B,NPN-Transistor")}));

    sp.program().LangNr = 2;
    runEditor([&](frmBtEditWindow* w) {
        openType(w, QStringLiteral("BC848"));
        EXPECT_EQ(w->command(0)->text(), QStringLiteral("Sa&ve"));
        EXPECT_TRUE(w->windowTitle().startsWith(QStringLiteral("Edit component ")));
        shot(w, QStringLiteral("btedit-en.png"));
    });
    EXPECT_EQ(storyUi.messages, QStringList{QStringLiteral("164")});
}

TEST_F(BtEditWindowTest, CtrlPPutsPiInPlaceOfTheSelectedDescriptionText)
{
    store(QStringLiteral("Typ=R10,Q,Bac=4111,Tec=1000,B,R in ohm"));
    runEditor([&](frmBtEditWindow* w) {
        openType(w, QStringLiteral("R10"));
        QTextEdit* box = w->description();
        box->setFocus();
        QTextCursor c = box->textCursor();
        c.setPosition(2);
        c.setPosition(4, QTextCursor::KeepAnchor); // "in"
        box->setTextCursor(c);
        QTest::keyClick(box, Qt::Key_P, Qt::ControlModifier);
        EXPECT_EQ(box->toPlainText(), QStringLiteral("R ") + PiChar + QStringLiteral(" ohm"));
        EXPECT_EQ(box->textCursor().position(), 3);
        QTest::keyClicks(box, QStringLiteral("x"));
        EXPECT_EQ(box->toPlainText(), QStringLiteral("R ") + PiChar + QStringLiteral("x ohm"));
        ASSERT_TRUE(w->command(0)->isEnabled());
        QTest::mouseClick(w->command(0), Qt::LeftButton); // save
    });
    const QStringList block = blockOf(bin, QStringLiteral("41000"));
    ASSERT_EQ(block.size(), 1);
    EXPECT_TRUE(block[0].endsWith(QStringLiteral("x ohm"))) << block[0].toStdString();
}

TEST_F(BtEditWindowTest, TypedAndPastedCommasNeverReachTheFields)
{
    runEditor([&](frmBtEditWindow* w) {
        QLineEdit* type = w->designation(0);
        type->setFocus();
        QTest::keyClicks(type, QStringLiteral("A,B=C"));
        EXPECT_EQ(type->text(), QStringLiteral("ABC"));
        type->selectAll();
        QApplication::clipboard()->setText(QStringLiteral("X,Y"));
        type->paste();
        EXPECT_EQ(type->text(), QStringLiteral("XY"));
        w->block()->setFocus();
        QTest::keyClicks(w->block(), QStringLiteral("1x1000"));
        EXPECT_EQ(w->block()->text(), QStringLiteral("11000"));
        EXPECT_TRUE(w->command(2)->isEnabled());
        EXPECT_TRUE(type->text().isEmpty()) << "a block number empties the designations";
    });
}

} // namespace

namespace {

// The parameter popup opened for a new item (Insert, a right click): its
// parameter items are chosen at once with the arrow keys and Enter, or with
// the mouse; the popup with all its items offers them under "Neu (Einf)".
class ParameterPopup : public ::testing::Test {
protected:
    void SetUp() override { registerBtEditWindow(qt); }
    Question popup(const QStringList& tags) const
    {
        Question q;
        q.kind = QuestionKind::ComponentPopup;
        QStringList captions;
        for (const QString& t : tags)
            captions << (t == QLatin1String("new") ? QStringLiteral("Neu (Einf)") : t);
        q.choices = captions;
        q.params = PopupParams{
            tags,
            QStringList{QStringLiteral("Pin\t\tAnzahl der Anschl\u00fcsse"), QStringLiteral("Gec\t\tGeh\u00e4use"),
                        QStringLiteral("Vf\t\tVerlustfaktor")},
            QStringList{QStringLiteral("Pin,"), QStringLiteral("Gec,"), QStringLiteral("Vf,")}};
        return q;
    }
    static void later(std::function<void(QMenu*)> act)
    {
        QTimer::singleShot(0, [act] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            act(menu);
        });
    }
    testutil::ScriptedProgram sp;
    QtInteraction qt;
};

TEST_F(ParameterPopup, NewItemByKeyboard)
{
    later([](QMenu* menu) {
        for (int i = 0; i < 6 && !(menu->activeAction() && menu->activeAction()->text().startsWith("Gec")); ++i)
            QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    const Answer a = qt.ask(popup({QStringLiteral("new")}));
    EXPECT_FALSE(a.cancelled);
    EXPECT_EQ(a.text, QStringLiteral("Gec,"));
}

TEST_F(ParameterPopup, NewItemByMouse)
{
    later([](QMenu* menu) {
        QAction* vf = nullptr;
        for (QAction* action : menu->actions())
            if (action->text().startsWith(QStringLiteral("Vf")))
                vf = action;
        ASSERT_NE(vf, nullptr);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(vf).center());
    });
    EXPECT_EQ(qt.ask(popup({QStringLiteral("new")})).text, QStringLiteral("Vf,"));
}

TEST_F(ParameterPopup, SubmenuOfTheFullPopupByKeyboard)
{
    later([](QMenu* menu) {
        for (int i = 0; i < 6 && !(menu->activeAction() && menu->activeAction()->menu()); ++i)
            QTest::keyClick(menu, Qt::Key_Down); // to "Neu (Einf)"
        QTest::keyClick(menu, Qt::Key_Right);
        QTimer::singleShot(0, [] {
            auto* sub = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(sub, nullptr);
            QTest::keyClick(sub, Qt::Key_Return); // its first item
        });
    });
    EXPECT_EQ(qt.ask(popup({QStringLiteral("edit"), QStringLiteral("new"), QStringLiteral("del")})).text,
              QStringLiteral("Pin,"));
}

} // namespace
