#pragma once
#include <QByteArray>
#include <QString>

// Windows-1252 ("ANSI") text files. Codes 0xA0-0xFF equal their Unicode code
// points, so the marker characters (254, 195, 227, 246, 175) keep their codes.
QString fromAnsi(const QByteArray& bytes);
QByteArray toAnsi(const QString& text); // unmappable characters become '?'

// OEM texts are held with each character carrying its byte value (not Unicode);
// these two move such texts between bytes and memory unchanged.
QString fromBytes(const QByteArray& bytes);
QByteArray toBytes(const QString& text);

// Code page 850 ("OEM", messages and character-screen texts) against the ANSI code
// page 1252. Both work byte by byte through the ANSI bytes of the text, so the
// length never changes; a character without a counterpart becomes '?'. An OEM text
// may carry its bytes as Latin-1 characters (fromBytes) or as the ANSI characters of
// the same codes: both read the same.
QString OemToAnsi(const QString& text);
QString AnsiToOem(const QString& text); // the result carries OEM bytes as Latin-1 characters

// One OEM character as Unicode, the box-drawing and block characters of code page
// 850 included (OemToAnsi keeps only what the ANSI code page has); characters
// outside 128..255 stay as they are. The character screen draws OEM text with it.
QChar oemToUnicode(QChar oem);
// The OEM character of a Unicode character; a null QChar when code page 850 has none.
QChar unicodeToOem(QChar unicode);
// A whole OEM text as the characters it means, for showing it in a window; and
// typed text back as OEM codes, '?' for a character code page 850 lacks.
QString oemTextToUnicode(const QString& oem);
QString unicodeTextToOem(const QString& text);

// OemToAnsi when text holds one of the OEM codes of the German umlauts and sharp s
// (132, 148, 129, 142, 153, 154, 225), else text itself.
QString OemToAnsiIfOem(const QString& text);

// Replaces every occurrence of find in text; compare 0 exact, 1 case-insensitive.
// The inserted replacement is never searched again, so a replacement containing
// find does not loop. An empty find changes nothing.
void ReplaceAll(QString& text, const QString& find, const QString& replacement, int compare = 1);
