#pragma once
#include "common/scriptedinteraction.h"
#include "common/testutil.h"
#include "frame/workslots.h"
#include "dialogue/beprogein.h"
#include "dialogue/menutestutil.h"
#include "frame/database.h"
#include "frame/program.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace etest {

// The language directory "dd\" of the installation data in a temporary program
// directory, a class menu "hg" of our own (flat four-digit classes, the short
// code "21" and a five-digit path "1" + "2345"), and a small system database:
// the failure-rate rows, housings, MIL technology lists and error texts that
// the entry reads.
class EntryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(testutil::copyTree(testutil::sourceDir() + QStringLiteral("/data/install/dd"),
                                       d.dir.filePath(QStringLiteral("dd"))));
        d.write(QStringLiteral("dd/btx/bac.pop"),
                mtest::ansiFile({QStringLiteral("@hg"), QStringLiteral("I     Klassen"),
                                 QStringLiteral("A21   Transistoren (kurzer Code)"),
                                 QStringLiteral("A1    Integrierte Schaltungen \u00a7>"),
                                 QStringLiteral("A1310 Gate-Array"), QStringLiteral("A1610 Operationsverstärker"),
                                 QStringLiteral("A2110 Kleinsignaltransistor"), QStringLiteral("A2140 Leistungstransistor"),
                                 QStringLiteral("A2210 Schaltdiode"), QStringLiteral("A3222 Optokoppler"),
                                 QStringLiteral("A3430 Anzeige"), QStringLiteral("A3710 Lampe"),
                                 QStringLiteral("A3720 Glimmlampe"), QStringLiteral("A4310 Widerstandsnetzwerk"),
                                 QStringLiteral("A6910 Sonstige"), QStringLiteral("A7110 Leiterplatte"),
                                 QStringLiteral("@1"), QStringLiteral("I     IC"), QStringLiteral("A2345 Fünfstellig")}));
        prog().LangDir = QStringLiteral("dd\\");
        prog().LangNr = 1;
        {
            auto db = Database::create(QStringLiteral("SYST_DB.sqlite"));
            db->executeScript(QString::fromUtf8(
                testutil::readFile(testutil::sourceDir() + QStringLiteral("/data/system/00-schema.sql"))));
            // Failure-rate rows of the classes the tests choose (values of our own:
            // only whether a row exists, its rates are 0 or not and its Dcode
            // counts for the entry).
            db->executeScript(QStringLiteral(
                "INSERT INTO ARMILQRM (BacTec, K1, Art, Armin, Armax, Tref, Dcode) VALUES\n"
                " ('21101000', NULL, NULL, 2, 5, 40, 'D21'),\n"
                " ('21401000', NULL, NULL, 10, 20, 40, 'D21'),\n"
                " ('22100000', NULL, NULL, 1, 2, 40, 'D22'),\n"
                " ('13104000', 10000, 'G', 50, 80, 55, 'D13'),\n"
                " ('16101000', 300, 'T', 5, 9, 55, 'D16'),\n"
                " ('32220000', NULL, NULL, 3, 6, 40, 'D32'),\n"
                " ('34300000', NULL, NULL, 3, 6, 40, 'D34'),\n"
                " ('34301200', NULL, NULL, 3, 6, 40, 'D34'),\n"
                " ('37100000', NULL, NULL, 3, 6, 40, 'D37'),\n"
                " ('37200000', NULL, NULL, 3, 6, 40, 'D37'),\n"
                " ('43101000', NULL, NULL, 1, 1, 40, 'D43'),\n"
                " ('43102000', NULL, NULL, 1, 1, 40, 'D43'),\n"
                " ('69100000', NULL, NULL, 0, 0, 40, '0'),\n"
                " ('71101000', NULL, NULL, 0, 0, 40, '0'),\n"
                " ('71102000', NULL, NULL, 0, 0, 40, '5');\n"
                "INSERT INTO GECRTH (Gec, Art, Arttext, Sort, Pin, Rthjamin, Rthjamax, Param, Her, Comment1, Comment2)"
                " VALUES\n"
                " ('TO', 'TO', 'Transistor Outline', 1, 0, 0, 0, '', '', '', ''),\n"
                " ('TO92', 'TO', 'Transistor Outline', 1, 3, 160, 200, '', '2', 'Kunststoff', 'plastic'),\n"
                " ('TO18', 'TO', 'Transistor Outline', 1, 3, 300, 350, '', '1', 'Metall', 'metal'),\n"
                " ('CHIP', 'CHIP', 'Chip', 2, 0, 0, 0, '', '3', '', '');\n"
                "INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('Tec411', '1=4CC,2=4CK,3=4CDR', 'test');\n"
                "INSERT INTO ERWA (Fecode, M1, M2) VALUES ('BacFit', 'Klasse und Technologie fehlen', 'Class and"
                " technology missing');\n"));
        }
        sp.program().SystDb = Database::open(QStringLiteral("SYST_DB.sqlite"), true);
    }

    ScriptedInteraction& ui() { return sp.ui(); }
    void menu(const QString& key, const QString& code) { ui().expect(QuestionKind::Menu, key, Answer::word(code)); }
    void menu(const QString& key, ScriptedInteraction::Responder r) { ui().expect(QuestionKind::Menu, key, r); }
    void cancelMenu(const QString& key) { ui().expect(QuestionKind::Menu, key, Answer::cancel()); }
    void backMenu(const QString& key) { menu(key, QStringLiteral("BACK")); }
    // An input screen answered with the texts of its entry fields 1, 2, ...
    void screen(const QString& key, const QStringList& fields)
    {
        Answer a;
        a.values = QStringList{QString()} + fields;
        ui().expect(QuestionKind::Screen, key, a);
    }
    void screenWord(const QString& key, const QString& word)
    {
        ui().expect(QuestionKind::Screen, key, Answer::word(word));
    }
    void message(const QString& id) { ui().expect(QuestionKind::Message, id, Answer::button(Mb::OK)); }
    void edit(const QString& name, const QString& value)
    {
        ui().expect(QuestionKind::Value, name, Answer::word(value));
    }
    // The housing TO92 (Her "2") with 3 pins.
    void housingTO92()
    {
        menu(QStringLiteral("GECRTH#Art"), QStringLiteral("TO"));
        menu(QStringLiteral("GECRTH#Gec"), QStringLiteral("TO92"));
        menu(QStringLiteral("GECRTH#Pin"), QStringLiteral("3"));
    }
    void housingChip()
    {
        menu(QStringLiteral("GECRTH#Art"), QStringLiteral("CHIP"));
    }
    QString& list() { return prog().WorkStr[Slot::Q]; }
    QStringList asked()
    {
        QStringList out;
        for (const Question& q : sp.ui().asked)
            out << questionKindWord(q.kind) + u' ' + q.key;
        return out;
    }

    testutil::ScriptedProgram sp;
    mtest::MenuDir d;
};

} // namespace etest
