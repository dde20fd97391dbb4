#include "frame/qtinteraction.h"
#include "printfixture.h"
#include "printing/frmpreview.h"
#include "printing/previewstate.h"
#include "printing/printoutput.h"
#include "printing/qtprinting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QScreen>
#include <QDir>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTimer>
#include <QTest>
#include <algorithm>

namespace {

class PreviewWindow : public PrintFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(PrInit());
        writeNumberedPages(21);
    }
    void click(frmPreview& w, const char* key) { QTest::mouseClick(w.button(QString::fromLatin1(key)), Qt::LeftButton); }
};

TEST_F(PreviewWindow, PagesZoomsAndCancels)
{
    PreviewState state(21, false, false);
    frmPreview w(state);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_EQ(w.pageView()->pageCount(), 21);
    EXPECT_EQ(w.pageEdit()->text(), QStringLiteral("1"));
    EXPECT_TRUE(w.windowTitle().contains(QStringLiteral("21")));
    // Without archive the archive buttons and, without a PDF printer, the PDF box are hidden.
    EXPECT_FALSE(w.button(QStringLiteral("pr ohne"))->isVisible());
    EXPECT_FALSE(w.button(QStringLiteral("arch"))->isVisible());
    EXPECT_FALSE(w.pdfBox()->isVisible());

    click(w, "<");
    EXPECT_EQ(w.pageEdit()->text(), QStringLiteral("1"));
    click(w, ">");
    click(w, ">");
    EXPECT_EQ(w.pageEdit()->text(), QStringLiteral("3"));
    EXPECT_EQ(w.pageView()->currentPage(), 3);
    click(w, ">>");
    EXPECT_EQ(w.pageView()->currentPage(), 21);
    click(w, ">");
    EXPECT_EQ(state.AktSeite, 21);
    click(w, "<<");
    EXPECT_EQ(w.pageView()->currentPage(), 1);

    EXPECT_EQ(w.zoomBox()->currentText(), QStringLiteral("100%"));
    w.zoomBox()->setCurrentIndex(0);
    EXPECT_EQ(w.ZoomWert(), 150);
    EXPECT_DOUBLE_EQ(w.pageView()->zoomFactor(), 1.5);
    w.zoomBox()->setCurrentText(QStringLiteral(" 75%"));
    EXPECT_EQ(w.ZoomWert(), 75);
    w.zoomBox()->setCurrentText(QStringLiteral("Auto"));
    EXPECT_EQ(w.ZoomWert(), 0);
    EXPECT_EQ(w.pageView()->zoomMode(), QPrintPreviewWidget::FitInView);

    if (const QString keep = qEnvironmentVariable("TARN_KEEP_PDF"); !keep.isEmpty()) {
        QDir().mkpath(keep);
        w.grab().save(QDir(keep).filePath(QStringLiteral("preview.png")));
    }
    click(w, "can");
    EXPECT_TRUE(state.decided());
    EXPECT_FALSE(state.confirmed());
}

// Where the head of the page being shown stands in the view, in viewport pixels.
int pageHeadInView(frmPreview& w, int page)
{
    auto* view = w.pageView()->findChild<QGraphicsView*>();
    if (!view)
        return -1000;
    QList<double> tops;
    for (QGraphicsItem* item : view->scene()->items())
        if (!item->parentItem())
            tops << item->sceneBoundingRect().top();
    std::sort(tops.begin(), tops.end());
    if (page > tops.size())
        return -1000;
    return view->mapFromScene(QPointF(0, tops[page - 1])).y();
}

TEST_F(PreviewWindow, FitsTheScreenAndOpensOnTheHeadOfPageOne)
{
    PreviewState state(21, false, false);
    frmPreview w(state);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QApplication::setActiveWindow(&w);
    QCoreApplication::processEvents();
    const QRect avail = w.screen()->availableGeometry();
    EXPECT_TRUE(avail.contains(w.geometry())) << w.geometry().width() << "x" << w.geometry().height();
    EXPECT_LE(w.width(), 1366);
    EXPECT_LE(w.height(), 768 - 40);
    // At 100 % a page is taller than the window: its head is at the top of
    // the view, not scrolled away above it.
    const int head = pageHeadInView(w, 1);
    EXPECT_GE(head, 0);
    EXPECT_LE(head, 20);
    // Turning to another page shows that page's head too.
    QTest::keyClick(&w, Qt::Key_PageDown);
    EXPECT_EQ(w.pageView()->currentPage(), 2);
    const int head2 = pageHeadInView(w, 2);
    EXPECT_GE(head2, 0);
    EXPECT_LE(head2, 20);
}

TEST_F(PreviewWindow, KeysTurnPagesAndEscapeCancels)
{
    PreviewState state(21, false, false);
    frmPreview w(state);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QApplication::setActiveWindow(&w);
    QTest::keyClick(&w, Qt::Key_PageDown);
    QTest::keyClick(&w, Qt::Key_PageDown);
    EXPECT_EQ(w.pageEdit()->text(), QStringLiteral("3"));
    QTest::keyClick(&w, Qt::Key_PageUp);
    EXPECT_EQ(w.pageView()->currentPage(), 2);
    QTest::keyClick(&w, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(w.pageView()->currentPage(), 21);
    QTest::keyClick(&w, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(w.pageView()->currentPage(), 1);
    // Also from the page view itself, which would otherwise only scroll.
    auto* view = w.pageView()->findChild<QGraphicsView*>();
    ASSERT_NE(view, nullptr);
    QTest::keyClick(view->viewport(), Qt::Key_PageDown);
    EXPECT_EQ(w.pageView()->currentPage(), 2);
    EXPECT_FALSE(state.decided());
    QTest::keyClick(w.pageEdit(), Qt::Key_Escape);
    EXPECT_TRUE(state.decided());
    EXPECT_FALSE(state.confirmed());
}

// A page number typed into the page field and confirmed with Enter turns to
// that page; one that is no page of the job puts the page shown back.
TEST_F(PreviewWindow, PageFieldTurnsPages)
{
    PreviewState state(5, false, false);
    frmPreview w(state);
    w.show();
    QLineEdit* field = w.pageEdit();
    for (const char* typed : {"4", "9", "0", "x", "2"}) {
        field->selectAll();
        QTest::keyClicks(field, QString::fromLatin1(typed));
        QTest::keyClick(field, Qt::Key_Return);
    }
    EXPECT_EQ(state.AktSeite, 2);
    EXPECT_EQ(field->text(), QStringLiteral("2"));
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("4"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(state.AktSeite, 4);
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("6"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(state.AktSeite, 4) << "the job has five pages";
    EXPECT_EQ(field->text(), QStringLiteral("4"));
    EXPECT_FALSE(state.decided());
}

TEST_F(PreviewWindow, PrintCommandAsksAboutTheLongJob)
{
    PreviewState state(21, true, true);
    frmPreview w(state);
    w.show();
    EXPECT_TRUE(w.button(QStringLiteral("arch"))->isVisible());
    EXPECT_TRUE(w.pdfBox()->isVisible());
    sp.ui().expect(QuestionKind::Message, QStringLiteral("94"), Answer::button(Mb::No));
    click(w, "pr mit");
    EXPECT_FALSE(state.decided());
    EXPECT_TRUE(w.button(QStringLiteral("pr mit"))->isEnabled());
    w.pdfBox()->setChecked(true);
    sp.ui().expect(QuestionKind::Message, QStringLiteral("94"), Answer::button(Mb::Yes));
    click(w, "pr ohne");
    EXPECT_TRUE(state.confirmed());
    EXPECT_FALSE(state.ArchivJa);
    EXPECT_TRUE(state.pdfTicked);
}

TEST_F(PreviewWindow, ClosingTheWindowCancelsTheJob)
{
    // The preview as the screen shows it: PrAusgabe waits in the window's loop.
    QtInteraction qtUi;
    registerPrintWindows(qtUi);
    sp.program().ui = &qtUi;
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("frmPreview") && w->isVisible())
                w->close();
    });
    QString title;
    EXPECT_TRUE(PrAusgabe(title));
    EXPECT_EQ(title, QStringLiteral("ABBRUCH"));
    EXPECT_EQ(printer->begun, 0);
}

} // namespace
