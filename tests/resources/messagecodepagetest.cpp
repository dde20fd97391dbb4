#include "common/testutil.h"
#include "frame/restext.h"
#include "printing/pageinterpreter.h"
#include "printing/printfixture.h"
#include "printing/printjob.h"

#include <QMap>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// What the code page 850 characters of the message tables mean. A message that
// brings a character not listed here fails the test until it is added.
const QMap<char16_t, QChar> kOemMeaning = {
    {132, u'ä'}, {148, u'ö'}, {129, u'ü'}, {142, u'Ä'}, {153, u'Ö'},
    {154, u'Ü'}, {225, u'ß'}, {248, u'°'}, {230, u'µ'}, {174, u'«'}, {175, u'»'},
};

// Where a text still holds an OEM character, or lacks the character it stands for.
QStringList faults(const QString& shown, const QString& stored)
{
    QStringList out;
    for (const QChar c : stored) {
        if (c.unicode() < 128)
            continue;
        if (!kOemMeaning.contains(c.unicode())) {
            out << QStringLiteral("code %1 has no meaning in the test's table").arg(c.unicode());
            continue;
        }
        const QChar meant = kOemMeaning.value(c.unicode());
        if (shown.contains(c))
            out << QStringLiteral("OEM code %1 left").arg(c.unicode());
        if (!shown.contains(meant))
            out << QStringLiteral("no %1").arg(meant);
    }
    return out;
}

class MessageCodePage : public PrintFixture {};

TEST_F(MessageCodePage, EveryMessageWithAnUmlautReadsRightOnScreenAndOnPaper)
{
    const QStringList args{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                           QStringLiteral("5")};
    sp.ui().always(QuestionKind::Message, QStringLiteral("*"), Answer::button(Mb::OK));
    ASSERT_TRUE(PrInit());
    for (int language : {1, 2}) {
        int checked = 0;
        for (int n = 2; n <= 552; ++n) {
            const int id = n + language * 2000;
            if (!hasResourceText(id))
                continue;
            const QString stored = ResStr(0, n, language);
            if (std::all_of(stored.begin(), stored.end(), [](QChar c) { return c.unicode() < 128; }))
                continue;
            ++checked;
            const std::string where = "message " + std::to_string(id);

            // On screen: a message box, and the text a window or list takes.
            const qsizetype before = sp.ui().asked.size();
            MsgBoxRes(QString::number(n), Mb::OKOnly, language, args);
            ASSERT_EQ(sp.ui().asked.size(), before + 1) << where;
            EXPECT_EQ(faults(sp.ui().asked.last().text, stored), QStringList()) << where << " (message box)";
            const QString windowText = ResText(QString::number(n), language, true, args);
            EXPECT_EQ(faults(windowText, stored), QStringList()) << where << " (window)";

            // On paper: the line written into the page and drawn from it again.
            state().PrPuffer.clear();
            PrText(windowText);
            DrawnTexts page;
            drawPageRecords(page, state().PrPuffer + '5', 1);
            EXPECT_EQ(faults(page.texts.join(QString()), stored), QStringList()) << where << " (printout)";
        }
        // A table read in the wrong code page would hold no such message at all.
        EXPECT_GT(checked, 0) << "language " << language;
    }
}

} // namespace
