#include "common/scriptedinteraction.h"

#include <QLatin1String>
#include <utility>

void ScriptedInteraction::expect(QuestionKind kind, const QString& key, Answer a)
{
    mScript.push_back({kind, key, [a](const Question&) { return a; }, false});
}

void ScriptedInteraction::expect(QuestionKind kind, const QString& key, Responder r)
{
    mScript.push_back({kind, key, std::move(r), false});
}

void ScriptedInteraction::always(QuestionKind kind, const QString& key, Answer a)
{
    mStanding.push_back({kind, key, [a](const Question&) { return a; }, true});
}

QStringList ScriptedInteraction::unused() const
{
    QStringList out;
    for (const Entry& e : mScript)
        out << questionKindWord(e.kind) + u' ' + e.key;
    return out;
}

Answer ScriptedInteraction::ask(const Question& q)
{
    asked << q;
    auto matches = [&](const Entry& e) {
        return e.kind == q.kind && (e.key == q.key || e.key == QLatin1String("*"));
    };
    for (auto it = mScript.begin(); it != mScript.end(); ++it) {
        if (matches(*it)) {
            Responder r = it->responder;
            mScript.erase(it);
            return r(q);
        }
    }
    for (const Entry& e : mStanding)
        if (matches(e))
            return e.responder(q);
    if (onUnexpected)
        onUnexpected(QStringLiteral("unexpected question %1 %2: %3").arg(questionKindWord(q.kind), q.key, q.text));
    return Answer::cancel();
}
