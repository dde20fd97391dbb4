#include "common/testutil.h"
#include "frame/qtinteraction.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// The folder question of "be.mixdat" has a window: the directory chooser opens
// in the folder the question names and answers the folder the user accepts;
// closing it cancels. (Without a window it used to show a note and cancel.)
TEST(QtDirectoryQuestion, AnswersTheChosenFolderOrCancels)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(QDir(tmp.path()).mkpath(QStringLiteral("start/other")));
    const QString start = tmp.path() + QStringLiteral("/start");
    const QString other = start + QStringLiteral("/other");
    QtInteraction ui;
    Question q;
    q.kind = QuestionKind::Directory;
    q.key = QStringLiteral("be.mixdat");
    q.text = QStringLiteral("Verzeichnis der anderen Bauelemente-Datei");
    q.params = FileParams{start, QString(), QString()};

    for (const bool accept : {true, false}) {
        QString openedIn;
        bool seen = false;
        std::function<void()> answer = [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!d) {
                QTimer::singleShot(10, answer);
                return;
            }
            seen = true;
            openedIn = QDir(d->directory()).canonicalPath();
            if (accept) {
                d->setDirectory(other);
                static_cast<QDialog*>(d)->accept(); // QFileDialog::accept is protected
            } else {
                d->reject();
            }
        };
        QTimer::singleShot(0, answer);
        const Answer a = ui.ask(q);
        ASSERT_TRUE(seen);
        EXPECT_EQ(openedIn, QDir(start).canonicalPath());
        if (accept) {
            EXPECT_FALSE(a.cancelled);
            EXPECT_EQ(QDir(a.text).canonicalPath(), QDir(other).canonicalPath());
        } else {
            EXPECT_TRUE(a.cancelled);
        }
    }
}

// A message box stands over the window the user works in, not over the main
// window, and the keyboard comes back to the control that had it: after
// "Fehlerhafter Eintrag" the grid takes Escape again at once.
TEST(QtMessageBox, OwnedByTheWindowInUseAndFocusReturns)
{
    QMainWindow main;
    main.show();
    QtInteraction ui;
    ui.setOwner(&main);

    QDialog editor(&main);
    auto* layout = new QVBoxLayout(&editor);
    auto* field = new QLineEdit(&editor);
    auto* grid = new QTableWidget(3, 3, &editor);
    layout->addWidget(field);
    layout->addWidget(grid);
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    QApplication::setActiveWindow(&editor);
    grid->setFocus();
    ASSERT_TRUE(grid->hasFocus());

    QWidget* boxParent = nullptr;
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = true;
        boxParent = box->parentWidget();
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(ui.messageBox(QStringLiteral("31"), QStringLiteral("Fehlerhafter Eintrag"), Mb::OKOnly), Mb::OK);
    ASSERT_TRUE(seen);
    EXPECT_EQ(boxParent, &editor);
    // The editor's keyboard focus is the grid again (the offscreen platform
    // does not hand window activation back, so ask the window, not the app).
    EXPECT_EQ(editor.focusWidget(), grid);
}

// With a German interface the standard buttons speak German, with an English
// one English, whatever the system locale says.
TEST(QtMessageBox, StandardButtonsFollowTheInterfaceLanguage)
{
    const struct {
        int lang;
        const char* yes;
        const char* no;
    } cases[] = {{1, "&Ja", "&Nein"}, {2, "&Yes", "&No"}};
    for (const auto& c : cases) {
        ASSERT_TRUE(installQtTranslations(c.lang))
            << "Qt's translations are missing in " << QLibraryInfo::path(QLibraryInfo::TranslationsPath).toStdString()
            << " (the set-up installs qt6-translations-l10n)";
        QtInteraction ui;
        QString yes, no;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            yes = box->button(QMessageBox::Yes)->text();
            no = box->button(QMessageBox::No)->text();
            box->button(QMessageBox::No)->click();
        });
        EXPECT_EQ(ui.messageBox(QStringLiteral("33"), QStringLiteral("?"), Mb::YesNo), Mb::No);
        EXPECT_EQ(yes, QString::fromUtf8(c.yes)) << c.lang;
        EXPECT_EQ(no, QString::fromUtf8(c.no)) << c.lang;
    }
    installQtTranslations(2); // leave the process as it was: Qt's own English
}

} // namespace
