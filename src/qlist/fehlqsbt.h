#pragma once
#include <QString>

// The line grid of the Q-list editor as the check reads it: row 0 holds the head
// line, each further row one logical line of the Q-list. The editor window makes
// itself known in Program::QslEdit while it is open.
class QslEditGrid {
public:
    virtual ~QslEditGrid() = default;
    virtual int rowCount() const = 0;
    virtual int currentRow() const = 0;
    virtual void setCurrentRow(int row) = 0;
    virtual QString currentText() const = 0;
    // Appends text as a new last row (new position lines).
    virtual void appendRow(const QString& text) = 0;
    // "1" marks the editor as finished (a batch check closes it behind itself).
    virtual void setTag(const QString& tag) = 0;
};

// Checks every position of a Q-list of the current database (WorkStr 16) against
// the component file and the Q-list database and lists the faulty ones: a missing
// component or sub-Q-list, a sub-Q-list found only in another stand, a malformed
// item number. The scan is shown in the message-list window; the list is then
// printed (MDruck; ADruck at once, otherwise through the preview) or written to a
// text file the user names. QslLesen reads the Q-list file of LnFehl (LnFehl then
// becomes five digits), otherwise the lines open in the Q-list editor. False
// when the check could not be made (the component file cannot be read, the
// printout cannot start, a run-time error).
bool FehlQsBt(QString& LnFehl, bool MDruck, bool QslLesen, bool ADruck);
