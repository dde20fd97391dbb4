#pragma once
#include <QChar>
#include <QString>
#include <QStringList>
#include <vector>

// Menu files ("*.pop", Windows-1252 text with CR LF line ends) hold the keyboard
// selection menus, one menu per chapter. A chapter starts after a line that,
// trimmed, is "@" and its name, and runs to the next line beginning with "@".
// Each item line is: kind letter, code in columns 2 to 5, text from column 6.

struct MenuChapter {
    bool found = false;
    QStringList lines; // the chapter's lines as they stand in the file
};

// The chapter Kap of the menu file popFile (with extension; a "\" path below the
// program directory). An empty Kap reads from the first line of the file. A head
// on the file's last line counts as not found. A file that cannot be read throws
// TarnError: that is a fault of the installation, not a cancelled menu.
MenuChapter readMenuChapter(const QString& popFile, const QString& Kap);

// One line taken apart; the line is trimmed first.
struct MenuLine {
    QChar kind;   // null for an empty line
    QString code; // columns 2..5 without trailing blanks
    QString text; // column 6 on, trimmed
};
MenuLine splitMenuLine(const QString& raw);

// A row of a menu column.
struct MenuRow {
    QString text;    // what the row shows behind the five leading blanks
    QString submenu; // empty, a chapter name, or ">" for the chapter named by the code
    QString state;   // "" selectable, "0" not selectable, "-" continuation of the row above
    QString hotKey;
};

// The texts of the standard items and which of them the caller wants
// (AddButt bits: 1 Cancel, 2 Back, 4 Help).
struct StandardItems {
    int addButt = 0;
    QString help, back, cancel;
};

// The rows that a chapter's lines make (row 0 is the unused band above the
// title, state "0"), with the standard items behind them, and the hot-key list
// ("," before each key, in row order).
struct MenuRows {
    std::vector<MenuRow> rows;
    QString hotKeys;
    int last() const { return int(rows.size()) - 1; }
};
MenuRows buildMenuRows(const QStringList& lines, const StandardItems& items);

// The value a chosen row stands for: its text up to the first two adjacent blanks
// (the item's code), taken from the row's caption without its surrounding blanks.
QString menuRowCode(const QString& caption);
