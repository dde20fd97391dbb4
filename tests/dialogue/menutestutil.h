#pragma once
#include "common/testutil.h"
#include "frame/codepage.h"

#include <QDir>
#include <QTemporaryDir>
#include <initializer_list>

namespace mtest {

// ANSI file bytes of lines ended by CR LF.
inline QByteArray ansiFile(std::initializer_list<QString> lines)
{
    QByteArray out;
    for (const QString& l : lines)
        out += toAnsi(l) + "\r\n";
    return out;
}

// A temporary program directory with a language directory "dd\", made current.
class MenuDir {
public:
    MenuDir() { QDir::setCurrent(dir.path()); }
    void write(const QString& relative, const QByteArray& bytes) { testutil::writeFile(dir.filePath(relative), bytes); }
    QTemporaryDir dir;
};

} // namespace mtest
