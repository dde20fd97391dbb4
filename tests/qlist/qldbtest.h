#pragma once
#include "common/testutil.h"
#include "frame/workslots.h"
#include "frame/database.h"
#include "frame/program.h"
#include "frame/tarnstart.h"
#include "qlist/qldb.h"
#include "qlist/qslhead.h"
#include "qlist/qslfile.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A Q-list root in a temporary folder with an empty database of letter A.
class QlRootFixture : public ::testing::Test {
protected:
    QlRootFixture()
    {
        fillQslFieldTables();
        auto& w = prog().WorkStr;
        w[Slot::Vql] = root.path();
        w[Slot::VqlDir] = w[Slot::Vql] + u'\\';
        w[Slot::VqlDbase] = w[Slot::VqlDir] + QStringLiteral("dbase_");
        w[Slot::Qz] = QStringLiteral("A");
        w[Slot::Tp2] = root.path();
        QDir(root.path()).mkpath(QStringLiteral("dbase_A"));
        Create_Db(folder());
    }
    ~QlRootFixture() override
    {
        for (int i = 1; i <= 30; ++i)
            if (qlDbState().DbTab[i].inUse)
                Close_Db(i);
    }
    QString folder(const QString& letter = QStringLiteral("A")) const { return prog().WorkStr[Slot::VqlDbase] + letter; }
    std::unique_ptr<Database> direct() const { return Database::open(folder() + QStringLiteral("\\qldb.sqlite"), false); }
    // Row of number ln with (typ, yk, stand, an, deleted); empty texts are NULL.
    void addRow(const QString& ln, const QString& typ = {}, const QString& yk = {}, const QString& stand = {},
                const QString& an = {}, const QString& deleted = QStringLiteral("0"))
    {
        auto n = [](const QString& s) { return s.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(s); };
        direct()->execute(QStringLiteral("insert into qldb (ln,typ,yk,stand,an,deleted) values (?,?,?,?,?,?)"),
                          {ln, n(typ), n(yk), n(stand), n(an), deleted});
    }
    // A Q-list file of number ln (5 digits) in database A.
    void addFile(const QString& ln, const QStringList& lines)
    {
        QString path = QslPfad(QStringLiteral("A"), ln);
        QDir().mkpath(QFileInfo(path.replace(u'\\', u'/')).path());
        writeQslFile(QslPfad(QStringLiteral("A"), ln), lines);
    }
    testutil::ScriptedProgram program;
    QTemporaryDir root;
};

// A root with Q-lists stored the way the program stores them: the file is written
// and its head becomes the database row.
class QlListsFixture : public QlRootFixture {
protected:
    QString addList(const QString& ln, const QStringList& lines)
    {
        addFile(ln, lines);
        const QString path = QslPfad(QStringLiteral("A"), ln);
        EXPECT_TRUE(KopfToRec(path));
        EXPECT_EQ(SaveRec_Db(QStringLiteral("A"), folder()), 1);
        return path;
    }
    QString qpoPath() const { return root.filePath(QStringLiteral("qpo")); }
    QStringList qpoLines() const
    {
        QString all = QString::fromLatin1(testutil::readFile(qpoPath()));
        QStringList lines = all.split(QStringLiteral("\r\n"));
        if (!lines.isEmpty() && lines.back().isEmpty())
            lines.removeLast();
        return lines;
    }
};
