#pragma once
#include <QString>
#include <QStringList>

// Texts of our own that the message tables do not hold (refusals that the
// component file adds to keep its data sound), in the user's language, with
// "@1".."@9" filled from args.
QString btText(const QString& german, const QString& english, const QStringList& args = {});
// Shows such a text in a message box (OK button) under key.
void btMessage(const QString& key, const QString& german, const QString& english, const QStringList& args = {});
