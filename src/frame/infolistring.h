#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// The rows of the message-list window: optional fixed header rows at the top,
// the remaining rows used as a ring. The newest line is shaded and followed by an
// empty row, so the reader sees where the ring currently writes. The window and
// the headless list both keep their rows here.
class InfoListRing {
public:
    explicit InfoListRing(int fitRow = 24);

    // The state of a freshly loaded window: one empty row, no newest line, no
    // fixed rows. fitRow (the last row that fits the grid) stays.
    void reset();
    void setFitRow(int fitRow);

    void add(const QString& text);
    void clear(bool auchFixed);
    void fixLines(int lines); // lines < 0: the lines written so far
    // Overwrites the newest line; false when there is none yet.
    bool update(const QString& text);
    // Before the run waits: unshade the newest line, empty every row below it.
    void settle();

    int curRow() const { return mCurRow; }
    int fixRow() const { return mFixRow; }
    int fitRow() const { return mFitRow; }
    int lastRow() const { return int(mRows.size()) - 1; }
    const QStringList& rows() const { return mRows; }
    bool shaded(int row) const { return row >= 0 && row < mShaded.size() && mShaded[row]; }

private:
    QStringList mRows;
    QList<bool> mShaded;
    int mCurRow = -1;
    int mFixRow = -1;
    int mFitRow;
};

// What Wait does with its argument.
enum class WaitKind {
    Text,     // wait button with the text as caption, waits
    Ok,       // 0: "&Ok" button, waits
    Cancel,   // 2: cancel button, returns at once; the run polls Canceled
    Hide,     // -1: hides the button, returns an empty result
    OtherInt, // returns 0, button tag "0"
    Other     // not a text nor an integer: returns 0, nothing changes
};
WaitKind waitKindOf(const QVariant& aufwas);
