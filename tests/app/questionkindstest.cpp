#include "app/windows.h"
#include "common/scriptedinteraction.h"
#include "component_file/ratetable.h"
#include "frame/interaction.h"
#include "frame/qtinteraction.h"

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

// Batch logs name a kind by its word: two kinds with one word, or one without,
// would make the log ambiguous. questionKinds() lists the enum in its order.
TEST(QuestionKinds, EveryKindHasAWordOfItsOwn)
{
    QStringList words;
    for (std::size_t i = 0; i < questionKinds().size(); ++i) {
        const QuestionKind kind = questionKinds()[i];
        EXPECT_EQ(int(kind), int(i)) << "questionKinds() out of the enum's order at " << i;
        const QString word = questionKindWord(kind);
        EXPECT_FALSE(word.isEmpty()) << i;
        EXPECT_FALSE(words.contains(word)) << "word used twice: " << word.toStdString();
        words << word;
    }
    EXPECT_EQ(questionKindWord(QuestionKind::DesignationMatch), QStringLiteral("bebez"));
    EXPECT_EQ(int(QuestionKind::DesignationMatch) + 1, int(questionKinds().size()));
}

// The typed methods ask with their kind and hand the parameters and the model
// over, so that batch runs, scripts and windows keyed by the kind see the same
// question as the caller built.
TEST(QuestionKinds, TypedMethodsAskWithTheirKindAndParameters)
{
    ScriptedInteraction s;
    QStringList unexpected;
    s.onUnexpected = [&](const QString& what) { unexpected << what; };
    YkViewModel table;
    RateTableModel* m = &table;
    const FileParams file{QStringLiteral("/results"), QStringLiteral("A.txt"), QStringLiteral("Text (*.txt)|*.txt")};
    struct Row {
        QuestionKind kind;
        std::function<Answer(Question)> call;
        bool withModel;
        std::size_t paramsIndex;
    };
    const std::vector<Row> rows = {
        {QuestionKind::OpenFile, [&](Question q) { return s.askOpenFile(q, file); }, false,
         QuestionParams(file).index()},
        {QuestionKind::SaveFile, [&](Question q) { return s.askSaveFile(q, file); }, false,
         QuestionParams(file).index()},
        {QuestionKind::Directory, [&](Question q) { return s.askDirectory(q, file); }, false,
         QuestionParams(file).index()},
        {QuestionKind::DirectoryOrFile,
         [&](Question q) { return s.askDirectoryOrFile(q, DirectoryOrFileParams{QStringLiteral("c:\\"), true, false, 2}); },
         false, QuestionParams(DirectoryOrFileParams{}).index()},
        {QuestionKind::Profile, [&](Question q) { return s.askProfile(q, ProfileParams{}); }, false,
         QuestionParams(ProfileParams{}).index()},
        {QuestionKind::NormChoice, [&](Question q) { return s.askNormChoice(q, NormChoiceParams{}); }, false,
         QuestionParams(NormChoiceParams{}).index()},
        {QuestionKind::Input, [&](Question q) { return s.askInput(q, InputParams{}); }, false,
         QuestionParams(InputParams{}).index()},
        {QuestionKind::RateTableEdit, [&](Question q) { return s.askRateTable(q, *m, true); }, true, 0},
        {QuestionKind::RateTableView, [&](Question q) { return s.askRateTable(q, *m, false); }, true, 0},
    };
    for (const Row& row : rows) {
        const QString word = questionKindWord(row.kind);
        s.expect(row.kind, QStringLiteral("k"), Answer::word(word));
        Question q;
        q.key = QStringLiteral("k");
        q.text = QStringLiteral("t");
        const Answer a = row.call(q);
        EXPECT_EQ(a.text, word);
        ASSERT_FALSE(s.asked.isEmpty());
        const Question& asked = s.asked.back();
        EXPECT_EQ(asked.kind, row.kind) << word.toStdString();
        EXPECT_EQ(asked.text, QStringLiteral("t"));
        EXPECT_EQ(asked.params.index(), row.paramsIndex) << word.toStdString();
        EXPECT_EQ(asked.hasModel(), row.withModel) << word.toStdString();
        EXPECT_EQ(modelOf<RateTableModel>(asked), row.withModel ? m : nullptr) << word.toStdString();
    }
    // The file choosers get what the caller gave, field by field.
    EXPECT_EQ(paramsOf<FileParams>(s.asked[1]).dir, QStringLiteral("/results"));
    EXPECT_EQ(paramsOf<FileParams>(s.asked[1]).file, QStringLiteral("A.txt"));
    EXPECT_EQ(paramsOf<FileParams>(s.asked[1]).filter, QStringLiteral("Text (*.txt)|*.txt"));
    EXPECT_EQ(paramsOf<DirectoryOrFileParams>(s.asked[3]).mode, 2);
    EXPECT_TRUE(paramsOf<DirectoryOrFileParams>(s.asked[3]).showFiles);
    // A question without parameters reads as the defaults.
    EXPECT_TRUE(paramsOf<FileParams>(s.asked[7]).dir.isEmpty());
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
    // Parameters of another kind are the same fault.
    Question file;
    file.kind = QuestionKind::SaveFile;
    file.key = QStringLiteral("ergdatei");
    file.params = InputParams{};
    EXPECT_DEATH(paramsOf<FileParams>(file), "save ergdatei.*parameters of another kind");
}

// A batch run has nobody to choose a folder: it cancels and logs the question.
TEST(QuestionKinds, BatchRunsCancelTypedQuestionsAndLogThem)
{
    BatchInteraction b;
    Question q;
    q.key = QStringLiteral("be.mixdat");
    q.text = QStringLiteral("Verzeichnis");
    const Answer a = b.askDirectory(q, FileParams{});
    EXPECT_TRUE(a.cancelled);
    ASSERT_EQ(b.logged.size(), 1);
    EXPECT_TRUE(b.logged.front().contains(QLatin1String("dir be.mixdat"))) << b.logged.front().toStdString();
}
