#pragma once
#include "common/testlinks.h"
#include "common/testutil.h"
#include "component_editor/btedit.h"
#include "component_file/btdatei.h"
#include "component_file/btinh.h"
#include "component_file/btlock.h"
#include "component_file/btstore.h"
#include "component_file/dosfile.h"
#include "frame/codepage.h"
#include "frame/program.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// An internal component file (groups 11, 12, 14, 15, 41) and, on request, an
// external one, in a temporary folder; the abbreviation lists of the shipped
// tarn.ini; a loaded editor model on the internal file.
class BtEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        // The editor alone: no calculation, no Q-list editor, no search.
        testLinks.edit<BtEditLinks>() = BtEditLinks{};
        lockWait() = LockWait{};
        lockWait().pauseMs = 5;
        bin = tmp.filePath(QStringLiteral("int"));
        QDir().mkpath(bin);
        QDir().mkpath(tmp.filePath(QStringLiteral("tp1")));
        QDir().mkpath(tmp.filePath(QStringLiteral("tp2")));
        QDir::setCurrent(tmp.path());
        Program& p = sp.program();
        p.LangNr = 1;
        p.Cf = QStringLiteral("L=1,Tp1=tp1,Tp2=tp2,Bin=") + bin +
               QStringLiteral(",G11=1,G12=1,G14=1,G15=1,G41=1");
        p.AbkListen[1] = QStringLiteral("Typ=#20,Yk=S,An=#20");
        p.AbkListen[2] = QStringLiteral("Bac=B,Tec=T,Gec=#10C,Pin=#4,Kfm,Tumax,{pi}qem");
        p.AbkListen[3] = QStringLiteral("Her=#30,Lzt");
        p.InfoParam = QStringLiteral("Her,Lzt,Tumax");
        p.MilParam = QStringLiteral("Kfm,Tumax,{pi}qem");
        p.SonderParam = QStringLiteral("Asic");
        QString header;
        ASSERT_TRUE(InitInh(bin, header));
        ASSERT_TRUE(InitBtDatei());
        sp.ui().onUnexpected = [](const QString& what) { ADD_FAILURE() << "unexpected question: " << what.toStdString(); };
    }
    void TearDown() override
    {
        lockWait() = LockWait{};
    }

    // The editor's search and result list, as the program binds them.
    void useProgramSearch()
    {
        const BtEditLinks& wired = *programLinks().find<BtEditLinks>();
        BtEditLinks& used = testLinks.edit<BtEditLinks>();
        used.searchStart = wired.searchStart;
        used.displayPage = wired.displayPage;
    }

    // Stores a record as a new one of the internal file; its block address.
    QString store(const QString& record)
    {
        QString address;
        int index = 0, source = 0, count = 0;
        QStringList records;
        EXPECT_EQ(AddBt(address, index, source, record, records, count, true), QStringLiteral("ok")) << record.toStdString();
        return address;
    }
    // An external component file holding the records.
    void makeExternal(const QStringList& records)
    {
        ext = tmp.filePath(QStringLiteral("ext"));
        QDir().mkpath(ext);
        Program& p = sp.program();
        p.BinDir = ext;
        QString h;
        ASSERT_TRUE(InitInh(ext, h));
        for (const QString& r : records)
            store(r);
        p.Cf += QStringLiteral(",Bex=") + ext;
        ASSERT_TRUE(InitBtDatei());
    }
    // The records of a block file as stored (ANSI lines).
    QStringList blockOf(const QString& root, const QString& address) const
    {
        const QString file = QString(blockFilePath(root, address)).replace(u'\\', u'/');
        const QByteArray bytes = testutil::readFile(file);
        QStringList lines;
        for (const QString& l : fromAnsi(bytes).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
            lines << l;
        return lines;
    }
    bool blockExists(const QString& root, const QString& address) const
    {
        return QFileInfo::exists(QString(blockFilePath(root, address)).replace(u'\\', u'/'));
    }
    // Types the three designation fields as the user would.
    static void type(BtEditModel& m, const std::array<QString, 3>& fields)
    {
        for (int i = 0; i < 3; ++i)
            m.BT_Change(i, fields[i]);
    }
    // A loaded editor that opens the designation typed into field kind.
    QString open(BtEditModel& m, int kind, const QString& designation, int file = 0)
    {
        std::array<QString, 3> fields;
        fields[kind] = designation;
        type(m, fields);
        m.InExOpt_Click(file);
        return m.OpenBT(file, 0, false, true);
    }
    // The grid's rows edited, and the record with them.
    static void editGrid(BtEditModel& m, int g, const QStringList& rows)
    {
        m.setGridRowsForTest(g, rows);
        m.recordEdited();
    }
    void loaded(BtEditModel& m)
    {
        m.Form_Load();
        ASSERT_TRUE(m.record().BtDateiOk);
    }

    QTemporaryDir tmp;
    testutil::ScriptedProgram sp;
    ReplacedLinks testLinks;
    QString bin, ext;
};
