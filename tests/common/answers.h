#pragma once
#include "frame/interaction.h"

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <utility>

// What a person would do at a window, as scripted answers: the words, keys,
// fields, toggles and rows the tests answer questions with.
namespace answers {

// Enter on a screen: no word, nothing typed.
inline Answer enter()
{
    return Answer::word(QString());
}

// The answer word (a key of the screen or menu, a path, a chosen item).
inline Answer key(const char* k)
{
    return Answer::word(QString::fromLatin1(k));
}

// Toggles set to the values given, by their letter, then Enter.
inline Answer toggles(std::initializer_list<std::pair<char, int>> t)
{
    Answer a;
    for (const auto& [letter, value] : t)
        a.toggles.insert(QChar::fromLatin1(letter), value);
    return a;
}

// Entry fields from the first one on.
inline Answer fields(const QStringList& v)
{
    Answer a;
    a.values = v;
    return a;
}

// The row of a menu or selection box chosen by its number.
inline Answer row(int n)
{
    Answer a;
    a.row = n;
    return a;
}

// A key pressed in a menu.
inline Answer menuKey(char k)
{
    Answer a;
    a.menuKey = QChar::fromLatin1(k);
    return a;
}

// The preview left by its print button with the PDF box ticked.
inline Answer printToPdf(const QString& command)
{
    Answer a = Answer::word(command);
    a.toPdf = true;
    return a;
}

} // namespace answers
