#pragma once
#include "component_file/ratetable.h"

#include <QChar>

// The editor of the user failure-rate list (table ARMILQRM of "ARAWS.sqlite"):
// only AR min and AR max (grid columns 8 and 9) are editable, as decimal numbers
// with a comma; "save" writes the rows whose values differ from those loaded.
// The database is held in the program-wide AwsDb while the editor is open.
class AwsEditModel : public RateTableModel {
public:
    // Key codes of the grid's KeyDown, as the window passes them.
    enum Key { KeyBack = 8, KeyPageUp = 33, KeyPageDown = 34, KeyEnd = 35, KeyHome = 36, KeyLeft = 37,
               KeyUp = 38, KeyRight = 39, KeyDown = 40, KeyDelete = 46 };

    void MenuAWS(const QString& cmd, bool MNeulad);
    // Checks and normalises the current cell; res is true when it is valid.
    void AwsTrim(bool& res);

    // A typed character (digits, "." and ",", backspace 8, Enter 13, Escape 27).
    void keyPress(QChar c);
    // A key before the grid handles it; returns false when the grid must not see it.
    bool keyDown(int code);
    // After the grid handled a key or a click: the cell now current.
    void cellMoved(int row, int col);
    // A click that made (row, col) current.
    void click(int row, int col);
    // The grid was scrolled to the new top row a; TopRow is where the view stays.
    void scroll(int a);
    // A button: ends an edit first; the command is dropped when the check refuses.
    void cmdClick(const QString& key);

    void close();

    std::vector<std::array<float, 2>> AltWerte;
    bool Geaendert = false;
    bool EditAktiv = false;
    QString AltText;
    int EditZeile = 1, EditSpalte = ColArmin;
    int updatesSent = 0; // UPDATE statements of the last save

protected:
    QString formName() const override { return QStringLiteral("frmAWSedit"); }
    QString widthList() const override;
    void openDatabase() override;
    Database* database() override;
    QString selectList() const override { return QStringLiteral("*"); }
    void beforeFill() override { AltWerte.clear(); }
    void groupLoaded() override;
    void rowFilled(int row) override;

private:
    // False when nothing was written (a row whose minimum exceeds its maximum,
    // or a database error; the message is shown).
    bool save(bool reload);
    // Message 503 when the row's AR min is above its AR max; the row's AR max
    // becomes the current cell. True when the row is refused.
    bool minAboveMax(int row);
    bool askAndCheck(); // the leave question, then the check
    QString& current() { return cell(Row, Col); }
};

namespace frmAWSedit {
// Shows the user failure-rate table editor over the main window; returns when
// it has closed.
void Show0();
} // namespace frmAWSedit
