#pragma once
#include "entrytestutil.h"
#include "frame/workslots.h"
#include "frame/markers.h"
#include "frame/restext.h"
#include "report/listing.h"

namespace etest {

// The entry fixture with the listing files "c.tmp" and "t.tmp" open in the
// temporary directory, and readers of what a listing wrote.
class ListingTest : public EntryTest {
protected:
    void SetUp() override
    {
        EntryTest::SetUp();
        prog().WorkStr[Slot::Tp1] = d.dir.path();
        recreateListingFiles();
        ErgLf(-1, -1);
    }
    // The records of the screen (7) or print (6) listing, without the end mark
    // and the padding; the letter stays in front.
    static QStringList records(int file)
    {
        QStringList out;
        const int n = file == 7 ? prog().ErgZeilenC : prog().ErgZeilenT;
        for (int i = 1; i <= n; ++i) {
            const QString r = readListingRecord(file, i);
            out << r.left(r.indexOf(EndeZeichen));
        }
        return out;
    }
    static QStringList screenLines() { return records(7); }
    static QStringList printLines() { return records(6); }
    // A message text of the interface language as the listings hold it.
    static QString msg(int id, const QStringList& args = {})
    {
        return ResText(QString::number(id), prog().LangNr, false, args);
    }
};

} // namespace etest
