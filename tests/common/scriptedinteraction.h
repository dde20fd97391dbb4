#pragma once
#include "frame/interaction.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// Answers from a script keyed by kind and key; anything unexpected is reported
// through onUnexpected (tests make it a failure) and answered with cancel.
class ScriptedInteraction : public Interaction {
public:
    using Responder = std::function<Answer(const Question&)>;
    // One answer for the next matching question (first match in script order).
    void expect(QuestionKind kind, const QString& key, Answer a);
    // A computed answer (may work on Question::model), used once.
    void expect(QuestionKind kind, const QString& key, Responder r);
    // An answer for every matching question, after the one-shot expectations.
    void always(QuestionKind kind, const QString& key, Answer a);
    Answer ask(const Question& q) override;
    void beep() override { ++beeps; }

    bool allUsed() const { return mScript.empty(); }
    QStringList unused() const;

    QList<Question> asked;
    int beeps = 0;
    std::function<void(const QString&)> onUnexpected;

    HeadlessInfoList& headlessList() { return mInfoList; }
    HeadlessInfoBox& headlessBox() { return mInfoBox; }

private:
    struct Entry {
        QuestionKind kind;
        QString key;
        Responder responder;
        bool standing = false;
    };
    std::vector<Entry> mScript;
    std::vector<Entry> mStanding;
};
