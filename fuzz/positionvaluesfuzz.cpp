// Fuzz target: the values of a position line as a Q-list from outside holds them.
//
// The input is one position line (any bytes, read as Windows-1252 as the Q-list
// files are); the target runs the check of its quantity and stress values and
// every check of a single value over the whole line and over each of its items.
// A sound check never reads past its text, never overflows and always either
// gives a value or says why not.
#include "frame/program.h"
#include "frame/valuecheck.h"
#include "qlist/positionvalues.h"

#include <QStringList>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void checkEveryKind(QStringView text)
{
    for (const auto check : {checkQuantity, checkTemperature, checkPercentage, checkFactor, checkRate, checkNumber,
                             checkTemperatureRise}) {
        const CheckedValue v = check(text);
        // A refused value is 0 and says why; an accepted one is a finite number.
        if (v.ok() ? !std::isfinite(v.value) : v.value != 0.0)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static ProgramScope scope; // the reasons are given in the user's language
    const QString line = QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));
    (void)positionValueProblem(line);
    checkEveryKind(line);
    for (const QString& item : line.split(u',')) {
        const qsizetype eq = item.indexOf(u'=');
        checkEveryKind(eq < 0 ? QStringView(item) : QStringView(item).mid(eq + 1));
    }
    return 0;
}
