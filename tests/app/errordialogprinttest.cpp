#include "common/testlinks.h"
#include "common/testutil.h"
#include "frame/errptnr.h"
#include "frame/frmerrptnr.h"
#include "printing/printfixture.h"
#include "printing/protocolprint.h"

#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// The program (not only a test) binds the print layer to the error dialog's
// print button: the test process starts with the program's procedures.
TEST(ErrorDialogPrint, TheProgramBindsThePrintLayer)
{
    EXPECT_NE(dynamic_cast<ProtocolPrintout*>(links<ErrPtnr::ProtocolPrinting>().printer.get()), nullptr);
}

class ErrorDialogPrintout : public PrintFixture {};

TEST_F(ErrorDialogPrintout, PrintButtonShowsTheProtocolInThePreview)
{
    sp.program().LangNr = 2;
    ErrPtnr::ErrorDialogContent content;
    content.caption = QStringLiteral("TARN  V1.0 - Fehlermeldung");
    content.values = {QStringLiteral("53 (File not found)"), QStringLiteral("XHAP"), QStringLiteral("PosFueg"),
                      QStringLiteral("0")};
    content.callStack = {QStringLiteral("10:00:00 [XHAP] Sub PosFueg(Stc$, Pos$)")};
    content.when = QDateTime(QDate(2024, 3, 7), QTime(10, 0, 1));
    frmErrPtnr dialog;
    dialog.fill(content);

    QStringList pages;
    sp.ui().expect(QuestionKind::Preview, QStringLiteral("frmPreview"), [&pages](const Question&) {
        pages = pageTexts();
        return Answer::cancel();
    });
    dialog.protocolButton(0)->click();
    EXPECT_TRUE(sp.ui().allUsed()) << sp.ui().unused().join(u' ').toStdString();
    EXPECT_TRUE(pages.contains(QStringLiteral("TARN 1.0      Error protocol"))) << pages.join(u'|').toStdString();
    EXPECT_TRUE(pages.contains(QStringLiteral("F E H L E R P R O T O K O L L vom ErrorPartner")));
    EXPECT_TRUE(pages.contains(QStringLiteral("          Modul:        XHAP")));
    EXPECT_TRUE(pages.contains(QStringLiteral("          10:00:00 [XHAP] Sub PosFueg(Stc$, Pos$)")));
}

} // namespace
