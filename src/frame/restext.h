#pragma once
#include <QString>
#include <QVariant>

// Expands the placeholders of a text: "@1".."@9" from args, "@/" line break,
// "@U" user title, "@V" version (Cf key Vers), "@P" page, "@D" date, and the forms
// "@[n]", "@(n)", "@{id}".
QString ExpandText(const QString& text, const QVariantList& args = {});
