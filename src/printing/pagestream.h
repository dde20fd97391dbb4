#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>

// The page stream: every printout is first written as compact drawing records
// per page, kept byte for byte (one byte per character) in the scratch page
// files and rendered only when the job is finished.
//
// L4: a value 0..2147483647 as four bytes, lowest first.
// S4: L4 of the length, then the text's bytes.
// Records: opcode byte, then its fields without separators:
//   "0" job        L4 page width, page height, area width, area height, left, top
//   "1" font       L4 size in tenths of a point, "B"/".", "U"/"."
//   "2" font name  S4 name
//   "3" text       L4 x, L4 y, S4 text (top left corner at x, y)
//   "4" rule       L4 x, L4 y, L4 kind, L4 count (characters 196 or 205)
//   "5" end of page
//   "6" line       L4 draw style, draw width, x1, y1, x2, y2
// Coordinates are twips relative to the printer's printable origin.

// A negative value has no encoding and throws InvalidArgumentError.
QByteArray PrLong4(int32_t n);
QByteArray PrStr4(const QString& text);

// Read at the 1-based position and advance it. Reading past the end throws
// InvalidArgumentError; a fourth byte of 128 or more throws OverflowError.
int32_t PrGetLong(const QByteArray& stream, int& position);
QString PrGetStr(const QByteArray& stream, int& position);

// A text as page-file bytes: characters below 256 keep their code (the marker
// characters among them), others go through Windows-1252.
QByteArray pageBytes(const QString& text);
// Page-file bytes back to text for drawing (Windows-1252).
QString pageText(const QByteArray& bytes);
