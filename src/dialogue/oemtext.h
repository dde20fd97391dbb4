#pragma once
#include "frame/codepage.h"

#include <QChar>
#include <QString>

// Dialogue files, text pages and listing records hold OEM code page 850 bytes as
// characters; these turn such text into what a person sees and back. The window
// shows Unicode directly, so box-drawing characters survive without the escape
// detour that an ANSI display needs.

// Single characters: oemToUnicode and unicodeToOem (frame/codepage.h).

// Text as the screen draws it: code page 850 to Unicode, the pi marker (227) and a
// literal "{p}" both as the Greek letter pi.
QString screenText(const QString& oem);

// Interface text number (captions and tool tips, stored in the ANSI code page) of
// a language, turned into the OEM form in which a screen holds every text it shows.
QString interfaceText(int number, int language);

// Entry-field text: memory form (OEM, plus the Greek pi that Ctrl+P inserts) to
// Unicode and back. Characters without an OEM counterpart become "?".
QString fieldToDisplay(const QString& memory);
QString fieldFromDisplay(const QString& shown);
