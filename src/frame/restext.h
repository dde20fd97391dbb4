#pragma once
#include <QString>
#include <QStringList>

// Resource texts. German messages have ids 2002-2552, German interface texts
// 3500-3819; the English text of id n is n + 2000. Code passes message numbers
// without the 2000 ("473"); every operation forms base + number + language x 2000.

// Resource text base + number + language x 2000, unexpanded and unconverted.
QString ResStr(int base, int number, int language);

// Message number (read by the leading-number rule) in a language, placeholders
// expanded with args ("@1".."@9"), converted from OEM to ANSI when oem is true.
// A blank number gives the empty text.
QString ResText(const QString& number, int language, bool oem, const QStringList& args = {});

// Shows message number (expanded with up to five args, converted from OEM) in a
// message box titled "TARN" through the Interaction service; returns the button.
int MsgBoxRes(const QString& number, int buttons, int language, const QStringList& args = {});

// Expands "@1".."@9", "@/", "@U", "@V", "@P", "@D", "@[n]", "@(n)", "@{id}".
// language 0 means the user-interface language LangNr.
QString ExpandText(const QString& text, const QStringList& args = {}, int language = 0);
