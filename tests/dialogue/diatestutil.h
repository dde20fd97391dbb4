#pragma once
#include "common/testutil.h"
#include "frame/codepage.h"

#include <QDir>
#include <QString>
#include <QStringList>
#include <initializer_list>

#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

// Marker characters of dialogue files, as single-character texts.
namespace dtest {
inline const QString End = QString(QChar(char16_t(254)));    // chapter head end, empty listing record
inline const QString Mk = QString(QChar(char16_t(175)));     // marker start
inline const QString Cl = QString(QChar(char16_t(174)));     // marker end
inline const QString Hy = QString(QChar(char16_t(246)));     // hyphen flag of screens
inline const QString Folge = QString(QChar(char16_t(195))); // hyphen flag of text pages
inline const QString Seg = QString(QChar(char16_t(221)));    // button row segment separator

inline QString head(const QString& kap) { return u'?' + kap + End; }

// OEM file bytes of lines ended by CR LF.
inline QByteArray oemFile(std::initializer_list<QString> lines)
{
    QByteArray out;
    for (const QString& l : lines)
        out += toBytes(l) + "\r\n";
    return out;
}

// A temporary program directory holding dialogue files, made current.
class DiaDir {
public:
    DiaDir() { QDir::setCurrent(dir.path()); }
    void write(const QString& relative, const QByteArray& bytes) { testutil::writeFile(dir.filePath(relative), bytes); }
    QString path(const QString& relative) const { return dir.filePath(relative); }
    QTemporaryDir dir;
};
} // namespace dtest
