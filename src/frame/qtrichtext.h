#pragma once
#include <QString>

class QLineEdit;
class QTextEdit;

// Whole text of a rich-text box as Unicode: the way the Greek pi (and anything
// outside the ANSI code page) reaches the screen and comes back.
void SetRtbText(QTextEdit* box, const QString& text);

// Up to length characters of the box's text; length becomes the number delivered.
QString GetRtbText(QTextEdit* box, int& length);

// Replaces the box's selection by the Greek pi and puts the caret behind it. The
// box is read with a limit of 1,000 characters and written back whole.
void InsertPi(QTextEdit* box);
// The same for a one-line entry field, which holds the Greek pi as it is.
void InsertPi(QLineEdit* field);
