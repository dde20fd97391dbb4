#pragma once
#include <QString>
#include <QStringList>

// Building blocks of the single-component listings: message texts as stored
// (code page 850) and listing records written to the screen and print files.
namespace listing {

// Message id in the interface language, kept in the OEM code page.
QString text(int id, const QStringList& args = {});

// Writes the record letter + line + end mark: nC records to "c.tmp", nT to
// "t.tmp" (the line once, then empty records).
void line(const QString& letter, const QString& line, int nC = 1, int nT = 1);

// A plain line, broken at width at the break characters; every further piece
// is indented by indent blanks.
void wrapped(const QString& text, int width, const QString& breakCharacters, int indent);

// The numeric value of a text by the leading-number rule (0 for none).
double num(const QString& text);

} // namespace listing
