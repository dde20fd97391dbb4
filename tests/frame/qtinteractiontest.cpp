#include "common/testutil.h"
#include "frame/qtinteraction.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
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
    EXPECT_EQ(QApplication::focusWidget(), grid);
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
