#pragma once
#include <QString>

// What a component record must be before it goes into a component file, checked
// alike by the merge and by the index rebuild. A record that fails is refused
// with a message that names the reason; nothing of it is stored or indexed.

// The largest record a block can take: a record goes into a block while the
// block's length and the record's stay below the block limit, so an empty block
// takes one character less than the limit. A longer record fits no block.
int longestRecord();

// The reason why record cannot be stored, in the user's language, or an empty
// text when it can. The checks, in this order:
//   - a control character (below 32, or 127) anywhere in the record;
//   - no designation, or an empty one (Typ=, Yk=, An= without a value);
//   - a record longer than a block can hold;
//   - a number out of range: a value that reads as a number but is not a finite
//     single-precision number (the reason names the key and the value);
//   - a class code (Bac) whose group (its first two digits) is not configured
//     (no key G<group> in the configuration string cf).
QString recordRefusal(const QString& record, const QString& cf);
