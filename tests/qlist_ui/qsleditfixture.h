#pragma once
#include "qlist/qldbtest.h"
#include "common/testlinks.h"
#include "component_entry/posstress.h"
#include "qlist_ui/qsledit.h"

// A Q-list of ten rows opened in the editor model: the head row, "Be=first
// list", then row r holds "Stck=1,Typ=P<r>". The links the editor uses are
// the program's until a test replaces them; the run's start-up work is left out.
class QslEditFixture : public QlListsFixture {
protected:
    QslEditFixture(const QString& head, const QString& positionKeys)
    {
        Program& p = prog();
        p.LangNr = 2;
        p.LangDir = QStringLiteral("dd\\");
        QDir::setCurrent(testutil::distDir());
        p.AbkListen[5] = positionKeys;
        testLinks.edit<QslEditLinks>().progInit = [] { return true; };
        QStringList lines{head, QStringLiteral("Be=first list")};
        for (int i = 2; i < 10; ++i)
            lines << QStringLiteral("Stck=1,Typ=P%1").arg(i);
        file = addList(QStringLiteral("00001"), lines);
        EXPECT_TRUE(model.Open(QStringLiteral("00001")));
    }
    ReplacedLinks testLinks;
    QslEditModel model;
    QString file;
};
