#include "app/windows.h"
#include "component_file/ratetable.h"
#include "frame/interaction.h"
#include "frame/qtinteraction.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

// Every kind of question the core can ask must have a window at the screen:
// a kind without one falls back to a bare message box and a cancel, which a
// scripted test never notices.
TEST(QuestionKinds, EveryKindHasAWindowInTheProgram)
{
    QtInteraction qtUi;
    registerWindows(qtUi);
    for (const QuestionKind kind : questionKinds())
        EXPECT_TRUE(qtUi.answers(kind)) << "no window answers the question kind " << questionKindWord(kind).toStdString();
    // The windows come from the registrations, not from answers() itself.
    EXPECT_FALSE(QtInteraction().answers(QuestionKind::Screen));
}

// The test above sees the kinds of questionKinds() only: a kind of the enum that
// the list misses would go unchecked. The enum is read from the header, and each
// kind keeps a word of its own, by which batch logs and test scripts name it.
TEST(QuestionKinds, EveryKindTheCoreNamesIsListed)
{
    QFile header(QStringLiteral(TARN_SOURCE_DIR "/src/frame/interaction.h"));
    ASSERT_TRUE(header.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(header.readAll());
    const QRegularExpression enumBody(QStringLiteral(R"re(enum class QuestionKind\s*\{([^}]*)\})re"));
    const QRegularExpressionMatch body = enumBody.match(text);
    ASSERT_TRUE(body.hasMatch());
    QStringList names;
    const QRegularExpression enumerator(QStringLiteral(R"re(^\s*(\w+)\s*,)re"), QRegularExpression::MultilineOption);
    for (auto m = enumerator.globalMatch(body.captured(1)); m.hasNext();)
        names << m.next().captured(1);
    ASSERT_EQ(names.size(), int(questionKinds().size())) << names.join(u' ').toStdString();
    QStringList words;
    for (std::size_t i = 0; i < questionKinds().size(); ++i) {
        const QuestionKind kind = questionKinds()[i];
        EXPECT_EQ(int(kind), int(i)) << "questionKinds() out of the enum's order at " << names.value(int(i)).toStdString();
        const QString word = questionKindWord(kind);
        EXPECT_FALSE(word.isEmpty()) << names.value(int(i)).toStdString();
        EXPECT_FALSE(words.contains(word)) << "word used twice: " << word.toStdString();
        EXPECT_EQ(questionKindOfWord(word), std::optional<QuestionKind>(kind)) << word.toStdString();
        words << word;
    }
    EXPECT_EQ(questionKindOfWord(QStringLiteral("no-such-kind")), std::nullopt);

    // The core and the windows name kinds by the enum: the word-to-kind lookup
    // serves test scripts only.
    QStringList byWord;
    QDirIterator it(QStringLiteral(TARN_SOURCE_DIR "/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (QFileInfo(path).baseName() == QLatin1String("interaction"))
            continue;
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
        if (QString::fromUtf8(f.readAll()).contains(QLatin1String("questionKindOfWord(")))
            byWord << QFileInfo(path).fileName();
    }
    EXPECT_TRUE(byWord.isEmpty()) << byWord.join(u' ').toStdString();
}

// The typed methods ask with their kind and hand the model over, so that batch
// runs, scripts and windows keyed by the kind see the same question as before.
// A script may name the kind by the enum or by its word.
TEST(QuestionKinds, TypedMethodsAskWithTheirKind)
{
    ScriptedInteraction s;
    QStringList unexpected;
    s.onUnexpected = [&](const QString& what) { unexpected << what; };
    YkViewModel table;
    RateTableModel* m = &table;
    struct Row {
        QuestionKind kind;
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
    bool byWord = false;
    for (const Row& row : rows) {
        const QString word = questionKindWord(row.kind);
        if (byWord) {
            s.expect(word, QStringLiteral("k"), Answer::word(word));
        } else {
            s.expect(row.kind, QStringLiteral("k"), Answer::word(word));
        }
        byWord = !byWord;
        Question q;
        q.key = QStringLiteral("k");
        q.text = QStringLiteral("t");
        const Answer a = row.call(q);
        EXPECT_EQ(a.text, word);
        ASSERT_FALSE(s.asked.isEmpty());
        EXPECT_EQ(s.asked.back().kind, row.kind) << word.toStdString();
        EXPECT_EQ(s.asked.back().text, QStringLiteral("t"));
        EXPECT_EQ(s.asked.back().hasModel(), row.withModel) << word.toStdString();
        EXPECT_EQ(modelOf<RateTableModel>(s.asked.back()), row.withModel ? m : nullptr) << word.toStdString();
    }
    EXPECT_TRUE(unexpected.isEmpty()) << unexpected.join(u' ').toStdString();
    EXPECT_TRUE(s.allUsed());
}

// A question whose model is not the one its window works on was built wrong:
// the window must not work on it as if it were (a cast would), nor pass over it.
TEST(QuestionKindsDeathTest, AWindowGivenAModelOfTheWrongTypeStopsTheProgram)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    YkViewModel table;
    Question q;
    q.kind = QuestionKind::QlDbList;
    q.key = QStringLiteral("frmQldbList");
    q.model = static_cast<RateTableModel*>(&table);
    EXPECT_DEATH(
        {
            QtInteraction qtUi;
            registerWindows(qtUi);
            qtUi.ask(q);
        },
        "qldblist frmQldbList.*RateTableModel.*QldbList");
    // A window that cannot work without its model says so, too.
    Question none;
    none.kind = QuestionKind::Selection;
    none.key = QStringLiteral("Selbox");
    EXPECT_DEATH(requireModel<frmBEProgEin::State>(none), "select Selbox.*no model.*frmBEProgEin::State");
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
