#pragma once
#include "component_file/btdatei.h"
#include "frame/workslots.h"
#include "component_file/btlock.h"
#include "component_file/btstore.h"
#include "printing/pageinterpreter.h"
#include "printing/printfixture.h"
#include "qldbtest.h"

#include <QDate>

// Readable failures for texts and lists of texts.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

// A Q-list root with database A, an internal component file and the
// fixed-metric printer: what the check and the printout of a Q-list read.
class QlPrintFixture : public QlListsFixture {
protected:
    QlPrintFixture()
    {
        lockWait() = LockWait{};
        lockWait().pauseMs = 5;
        Program& p = prog();
        bin = root.filePath(QStringLiteral("int"));
        QDir().mkpath(bin);
        QDir().mkpath(root.filePath(QStringLiteral("tp1")));
        p.LangNr = 2;
        p.LangDruck = 2;
        p.Cf = QStringLiteral("Tp1=%1,Tp2=%2,Bin=%3,G41=1,G23=1,Vers=4.2,ResDir=%2")
                   .arg(root.filePath(QStringLiteral("tp1")), root.path(), bin);
        p.WorkStr[Slot::Tp1] = root.filePath(QStringLiteral("tp1"));
        p.WorkStr[Slot::ProgramDir] = root.path();
        p.Raender = {1134, 850, 10206, 14740};
        p.ProgTitel = QStringLiteral("TARN 4.2");
        QString header;
        EXPECT_TRUE(InitInh(bin, header));
        EXPECT_TRUE(InitBtDatei());
        auto fake = std::make_unique<FakePrinter>();
        printer = fake.get();
        printState().device = std::move(fake);
        printState().today = [] { return QDate(2024, 3, 7); };
    }
    ~QlPrintFixture() override
    {
        closePageFiles();
        lockWait() = LockWait{};
    }

    void addComponent(const QString& record)
    {
        QString address;
        int index = 0, source = 0, count = 0;
        QStringList records;
        ASSERT_EQ(AddBt(address, index, source, record, records, count, true), QStringLiteral("ok")) << record.toStdString();
    }

    // Answers the preview by recording the pages and cancelling.
    void expectPreview()
    {
        program.ui().expect(QuestionKind::Preview, QStringLiteral("frmPreview"), [this](const Question&) {
            printed = pageTexts();
            return Answer::cancel();
        });
    }

    QString bin;
    FakePrinter* printer = nullptr;
    QStringList printed;
};
