#pragma once
#include "dialogue/screen.h"

// A scrolling page of 120-character records (help text files, the listing file
// and other record files), 21 records at a time. Enter and the continue button end
// it with an empty result word, the cancel button (where there is one) with "ABBRUCH".
class TextPage : public DiaModel {
public:
    QString source;      // page source: "" text file, "#7" listing file, else a record file
    QStringList records; // the records shown (memory form, 120 characters each)
    int firstShown = 1;  // from 1
    bool scrollBarVisible = false;
    int scrollMax = 0;
    int scrollLargeStep = 21;
    QString keyList;

    int recordCount() const { return int(records.size()); }
    // Lays the page out for its records and draws the first 21.
    void setup(const QStringList& pageRecords, bool cancelButton);
    // The scroll bar moved to value (0 .. scrollMax).
    void scrollTo(int value);
    // Draws records firstShown + first .. firstShown + last at rows 1 and down.
    void DisplayBTX(int first = 0, int last = 20);

    void pressKey(QChar) override {}
    void pressEnter() override;

protected:
    bool hasWayOut() const override { return true; }
};
