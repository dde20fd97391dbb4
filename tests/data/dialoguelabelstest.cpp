#include "common/testutil.h"
#include "frame/markers.h"

#include <QDirIterator>
#include <gtest/gtest.h>

namespace {

// A screen draws only the text behind a control marker; text in front of it
// merely places the control. A label in front of a field must therefore stand
// on a line of its own (type "U", drawn without advancing the row), or the user
// sees a field without its label.
TEST(DialogueData, NoLabelHidesInFrontOfAControlMarker)
{
    int files = 0;
    for (const char* lang : {"dd", "de"}) {
        QDirIterator it(testutil::sourceDir() + "/data/install/" + lang, {"*.dia"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            ++files;
            const QByteArray bytes = testutil::readFile(path);
            QByteArray previous;
            for (const QByteArray& raw : bytes.split('\n')) {
                const QByteArray line = raw.endsWith('\r') ? raw.chopped(1) : raw;
                const QByteArray prev = previous;
                previous = line;
                if (line.isEmpty() || (line[0] != '*' && line[0] != '#'))
                    continue;
                const qsizetype m = line.indexOf(char(DiaMarkerCode));
                if (m < 0 || m + 1 >= line.size() || !QByteArray("EBA").contains(line[m + 1]))
                    continue;
                const QByteArray before = line.mid(1, m - 1).replace('^', ' ').trimmed();
                if (before.isEmpty())
                    continue;
                const bool labelled = prev.startsWith('U') && prev.mid(1).replace('^', ' ').contains(before);
                EXPECT_TRUE(labelled) << path.toStdString() << ": " << line.toStdString();
            }
        }
    }
    EXPECT_GT(files, 0);
}
} // namespace
