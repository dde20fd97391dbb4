#include "common/testutil.h"
#include "printing/printdevice.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPainter>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// Run by the test below in a process of its own, which is killed while it is in
// the middle of its document.
TEST(PdfKillChild, DISABLED_WriteHalfADocumentAndWait)
{
    const QString dir = qEnvironmentVariable("TARN_PDF_DIR");
    ASSERT_FALSE(dir.isEmpty());
    PdfPrintDevice device(dir + QStringLiteral("/result.pdf"));
    QPainter* painter = device.beginDocument();
    ASSERT_NE(painter, nullptr);
    for (int page = 1; page <= 3; ++page) {
        painter->drawText(1440, 1440, QStringLiteral("page %1").arg(page));
        ASSERT_TRUE(device.newPage());
    }
    testutil::writeFile(dir + QStringLiteral("/ready"), "");
    for (;;)
        QThread::msleep(50);
}

TEST(PdfOutput, AKillWhilePrintingLeavesNoFileUnderTheFinalName)
{
    QTemporaryDir tmp;
    QProcess child;
    QProcessEnvironment env = testutil::childTestEnvironment();
    env.insert(QStringLiteral("TARN_PDF_DIR"), tmp.path());
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_also_run_disabled_tests"),
                 QStringLiteral("--gtest_filter=PdfKillChild.DISABLED_WriteHalfADocumentAndWait")});
    QDeadlineTimer deadline(60000);
    while (!QFileInfo::exists(tmp.filePath("ready")) && !deadline.hasExpired() && child.state() != QProcess::NotRunning)
        QThread::msleep(5);
    ASSERT_TRUE(QFileInfo::exists(tmp.filePath("ready"))) << child.readAll().toStdString();
    child.kill();
    ASSERT_TRUE(child.waitForFinished(30000));
    EXPECT_FALSE(QFileInfo::exists(tmp.filePath("result.pdf")));
}

TEST(PdfOutput, ACompleteDocumentGetsItsNameAndADroppedOneKeepsTheOldFile)
{
    QTemporaryDir tmp;
    const QString file = tmp.filePath("result.pdf");
    {
        PdfPrintDevice device(file);
        QPainter* painter = device.beginDocument();
        ASSERT_NE(painter, nullptr);
        EXPECT_FALSE(QFileInfo::exists(file)) << "no file under the final name while it is written";
        painter->drawText(1440, 1440, QStringLiteral("complete"));
        ASSERT_TRUE(device.endDocument());
        EXPECT_EQ(device.outputFile(), file);
    }
    EXPECT_TRUE(isPdfFile(file));
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"result.pdf"});
    const QByteArray complete = testutil::readFile(file);

    // The same name again, dropped half way: the complete file stays as it was.
    {
        PdfPrintDevice device(file);
        QPainter* painter = device.beginDocument();
        ASSERT_NE(painter, nullptr);
        painter->drawText(1440, 1440, QStringLiteral("dropped"));
        device.killDocument();
    }
    EXPECT_EQ(testutil::readFile(file), complete);
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"result.pdf"});
}

} // namespace
