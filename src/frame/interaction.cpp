#include "frame/interaction.h"
#include "frame/codepage.h"
#include "frame/paths.h"

#include <QDateTime>
#include <QFile>

int Interaction::messageBox(const QString& id, const QString& text, int buttons, const QString& title)
{
    Question q;
    q.kind = QStringLiteral("msg");
    q.key = id;
    q.text = text;
    q.buttons = buttons;
    if (!title.isEmpty())
        q.data.insert(QStringLiteral("title"), title);
    const Answer a = ask(q);
    if (a.code != 0)
        return a.code;
    const int set = buttons & 7;
    if (set == Mb::OKOnly)
        return Mb::OK;
    return a.cancelled ? ((set == Mb::YesNo) ? Mb::No : Mb::Cancel) : Mb::OK;
}

// ---- headless list and box

void HeadlessInfoList::Add(const QString& text)
{
    lines << text;
    if (echo)
        echo(text);
    ++mAdds;
    if (cancelAfterAdds >= 0 && mAdds >= cancelAfterAdds)
        mCanceled = true;
}

void HeadlessInfoList::Begin(const QString& titel)
{
    title = titel;
    visible = true;
    mCanceled = false;
    mAdds = 0;
}

void HeadlessInfoList::Clear(bool) {}
void HeadlessInfoList::Finish()
{
    visible = false;
}
void HeadlessInfoList::FixLines(int) {}

void HeadlessInfoList::Update(const QString& text, bool zeilevor)
{
    if (!lines.isEmpty())
        lines.back() = text;
    else
        lines << text;
    if (echo)
        echo(text);
    if (zeilevor)
        Add(QString());
}

void HeadlessInfoList::Def(int, const QString&) {}

QVariant HeadlessInfoList::Wait(const QVariant& aufwas, bool)
{
    // No person to press the button: a wait returns at once as if pressed.
    if (aufwas.typeId() == QMetaType::QString)
        return 1;
    const int v = aufwas.toInt();
    if (v == 0)
        return 1;
    if (v == -1)
        return QVariant();
    return 0;
}

void HeadlessInfoBox::Begin(const QString& text, const QString& titel, bool cbreak)
{
    message = text;
    title = titel;
    counter.clear();
    breakVisible = cbreak;
    mBreak = false;
    visible = true;
}

// ---- batch

BatchInteraction::BatchInteraction(QString logFile) : mLogFile(std::move(logFile)) {}

void BatchInteraction::log(const QString& line)
{
    logged << line;
    if (mLogFile.isEmpty())
        return;
    QFile f(nativePath(mLogFile));
    if (f.open(QIODevice::Append)) {
        f.write(toAnsi(line));
        f.write("\r\n");
    }
}

Answer BatchInteraction::ask(const Question& q)
{
    QString text = q.text;
    text.replace(QLatin1String("\r\n"), QLatin1String(" ")).replace(u'\n', u' ').replace(u'\r', u' ');
    if (q.kind == QLatin1String("msg")) {
        log(QStringLiteral("Meldung %1: %2").arg(q.key, text));
        switch (q.buttons & 7) {
        case Mb::OKOnly: return Answer::button(Mb::OK);
        case Mb::YesNo:
        case Mb::YesNoCancel: return Answer::button(Mb::No);
        case Mb::AbortRetryIgnore: return Answer::button(Mb::Abort);
        default: return Answer{true, Mb::Cancel, QStringLiteral("ABBRUCH"), {}, {}, false};
        }
    }
    log(QStringLiteral("Abbruch (%1 %2): %3").arg(q.kind, q.key, text));
    return Answer::cancel();
}

// ---- scripted

void ScriptedInteraction::expect(const QString& kind, const QString& key, Answer a)
{
    mScript.push_back({kind, key, [a](const Question&) { return a; }, false});
}

void ScriptedInteraction::expect(const QString& kind, const QString& key, Responder r)
{
    mScript.push_back({kind, key, std::move(r), false});
}

void ScriptedInteraction::always(const QString& kind, const QString& key, Answer a)
{
    mStanding.push_back({kind, key, [a](const Question&) { return a; }, true});
}

QStringList ScriptedInteraction::unused() const
{
    QStringList out;
    for (const Entry& e : mScript)
        out << e.kind + u' ' + e.key;
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
        onUnexpected(QStringLiteral("unexpected question %1 %2: %3").arg(q.kind, q.key, q.text));
    return Answer::cancel();
}
