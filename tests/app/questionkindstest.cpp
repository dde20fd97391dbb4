#include "app/windows.h"
#include "component_file/ratetable.h"
#include "frame/interaction.h"
#include "frame/qtinteraction.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <gtest/gtest.h>

// Every kind of question the core can ask must have a window at the screen:
// a kind without one falls back to a bare message box and a cancel, which a
// scripted test never notices.
TEST(QuestionKinds, EveryKindHasAWindowInTheProgram)
{
    QtInteraction qtUi;
    registerWindows(qtUi);
    for (const QString& kind : questionKinds())
        EXPECT_TRUE(qtUi.answers(kind)) << "no window answers the question kind " << kind.toStdString();
    EXPECT_FALSE(qtUi.answers(QStringLiteral("no-such-kind")));
}

// A kind that the core sets by its word, outside the typed methods, must be a
// listed kind, or the test above cannot see it.
TEST(QuestionKinds, EveryKindTheCoreNamesIsListed)
{
    const QRegularExpression kindWord(QStringLiteral(R"re(\bq\.kind\s*=\s*QStringLiteral\("([^"]+)"\))re"));
    QStringList unlisted;
    int files = 0;
    QDirIterator it(QStringLiteral(TARN_SOURCE_DIR "/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = QFileInfo(path).fileName();
        if (name.startsWith(QLatin1String("frm")) || name.startsWith(QLatin1String("qt")))
            continue; // windows answer questions, they do not ask them
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
        ++files;
        const QString text = QString::fromUtf8(f.readAll());
        // Only Question kinds (the questions are named q): other records of the
        // code have kind fields too.
        if (!text.contains(QLatin1String("Question q")))
            continue;
        for (auto m = kindWord.globalMatch(text); m.hasNext();) {
            const QString kind = m.next().captured(1);
            if (!questionKinds().contains(kind))
                unlisted << name + u':' + kind;
        }
    }
    EXPECT_GT(files, 0);
    EXPECT_TRUE(unlisted.isEmpty()) << unlisted.join(u' ').toStdString();
}

// The typed methods ask with their kind and hand the model over, so that batch
// runs, scripts and windows keyed by the kind see the same question as before.
TEST(QuestionKinds, TypedMethodsAskWithTheirKind)
{
    ScriptedInteraction s;
    QStringList unexpected;
    s.onUnexpected = [&](const QString& what) { unexpected << what; };
    YkViewModel table;
    RateTableModel* m = &table;
    struct Row {
        QString kind;
        std::function<Answer(Question)> call;
        bool withModel;
    };
    const std::vector<Row> rows = {
        {QuestionKind::OpenFile, [&](Question q) { return s.askOpenFile(q); }, false},
        {QuestionKind::SaveFile, [&](Question q) { return s.askSaveFile(q); }, false},
        {QuestionKind::Directory, [&](Question q) { return s.askDirectory(q); }, false},
        {QuestionKind::DirectoryOrFile, [&](Question q) { return s.askDirectoryOrFile(q); }, false},
        {QuestionKind::Profile, [&](Question q) { return s.askProfile(q); }, false},
        {QuestionKind::NormChoice, [&](Question q) { return s.askNormChoice(q); }, false},
        {QuestionKind::Input, [&](Question q) { return s.askInput(q); }, false},
        {QuestionKind::RateTableEdit, [&](Question q) { return s.askRateTable(q, *m, true); }, true},
        {QuestionKind::RateTableView, [&](Question q) { return s.askRateTable(q, *m, false); }, true},
    };
    for (const Row& row : rows) {
        s.expect(row.kind, QStringLiteral("k"), Answer::word(row.kind));
        Question q;
        q.key = QStringLiteral("k");
        q.text = QStringLiteral("t");
        const Answer a = row.call(q);
        EXPECT_EQ(a.text, row.kind);
        ASSERT_FALSE(s.asked.isEmpty());
        EXPECT_EQ(s.asked.back().kind, row.kind);
        EXPECT_EQ(s.asked.back().text, QStringLiteral("t"));
        EXPECT_EQ(s.asked.back().model, row.withModel ? static_cast<void*>(m) : nullptr) << row.kind.toStdString();
    }
    EXPECT_TRUE(unexpected.isEmpty()) << unexpected.join(u' ').toStdString();
    EXPECT_TRUE(s.allUsed());
}

// A batch run has nobody to choose a folder: it cancels and logs the question.
TEST(QuestionKinds, BatchRunsCancelTypedQuestionsAndLogThem)
{
    BatchInteraction b;
    Question q;
    q.key = QStringLiteral("be.mixdat");
    q.text = QStringLiteral("Verzeichnis");
    const Answer a = b.askDirectory(q);
    EXPECT_TRUE(a.cancelled);
    ASSERT_EQ(b.logged.size(), 1);
    EXPECT_TRUE(b.logged.front().contains(QLatin1String("dir be.mixdat"))) << b.logged.front().toStdString();
}
