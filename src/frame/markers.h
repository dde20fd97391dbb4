#pragma once
#include <QChar>
#include <QString>

// Marker characters keep their byte codes in memory and on disk; they must never
// pass through a code-page conversion.
inline constexpr char16_t EndeZeichenCode = 254;   // end of parameter strings and Q-list lines
inline constexpr char16_t FolgeZeichenCode = 195;  // continued line
inline constexpr char16_t PiMarkCode = 227;        // pi factor marker in keys, Greek pi in texts
inline constexpr char16_t TrennZeichenCode = 246;  // dialogue line flag: append a hyphen
inline constexpr char16_t DiaMarkerCode = 175;     // dialogue markers

inline const QChar EndeZeichen{EndeZeichenCode};
inline const QChar FolgeZeichen{FolgeZeichenCode};
inline const QChar PiMark{PiMarkCode};
inline const QChar TrennZeichen{TrennZeichenCode};
inline const QChar AnfangZeichen{u'*'};
inline const QChar PiChar{char16_t(0x03C0)};

// UmbruchZch(0..2), ListZch(0..3), SymZch(0..4)
inline QString UmbruchZch(int i)
{
    switch (i) {
    case 0: return QStringLiteral("\r");
    case 1: return QStringLiteral("\n");
    default: return QStringLiteral("\r\n");
    }
}
inline QChar ListZch(int i)
{
    static constexpr char16_t codes[] = {9, 127, 171, 187};
    return QChar(codes[i & 3]);
}
inline QChar SymZch(int i)
{
    static constexpr char16_t codes[] = {227, 230, 253, 149, 0x03C0};
    return QChar(codes[(i >= 0 && i <= 4) ? i : 0]);
}
