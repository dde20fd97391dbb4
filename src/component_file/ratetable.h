#pragma once
#include "frame/database.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <vector>

// The common part of the two failure-rate table windows: the ten grid columns,
// the group box and the loading of one class-code group (every row whose BacTec
// begins with the group text and whose Dcode is not empty). The windows only
// show this state and forward the user's actions.
class RateTableModel {
public:
    static constexpr int Cols = 10;
    static constexpr int ColArmin = 8;
    static constexpr int ColArmax = 9;
    using GridRow = std::array<QString, Cols>;

    virtual ~RateTableModel() = default;

    // Form_Load: opens the database, fills titles and groups and loads the first
    // group. A failure shows message 473 and sets Tag to "1".
    void FormLoad();
    // Loads a group into the grid; the group shown already is not reloaded.
    // Returns false when the query failed (message 473 shown, Tag "1").
    bool SetDoc(const QString& group);

    // Grid rows 1..n are rows[0..n-1]; row 0 is the title row (titles).
    int rowCount() const { return int(rows.size()); }
    QString& cell(int row, int col) { return rows[size_t(row - 1)][size_t(col)]; }
    const QString& cell(int row, int col) const { return rows[size_t(row - 1)][size_t(col)]; }

    QString Tag = QStringLiteral("0"); // "1": the window is to close
    QString AktGruppe;
    QString groupText;                 // the text of the group box
    QStringList groups;
    QString status;                    // the status label below the grid
    std::function<void()> statusShown; // the window repaints the label at once
    QStringList titles;
    std::array<int, Cols> widthKeys{};
    std::vector<GridRow> rows;
    std::vector<QVariant> k1Loaded;    // K1 of each grid row as read from the database (may be null)
    int SeitenZeilen = 20;             // data rows visible in the grid
    int Row = 1, Col = 0, TopRow = 1;  // current cell and top row of the grid
    int reloads = 0;                   // group loads that reached the database

    // Grid texts of the values, as the user reads and types them (decimal comma).
    static QString cellNumber(double value);
    static QString k1Text(double k1);
    static QString artText(const QString& art);
    // The value a cell text stands for: "," read as the decimal point, then the
    // leading-number rule, in single precision; an empty text is 0.
    static double cellValue(const QString& text);

    void setStatus(const QString& text)
    {
        status = text;
        if (statusShown)
            statusShown();
    }
    // Shows message 473 for a database failure in procedure proc.
    void databaseError(const QString& proc, const DbError& e);

protected:
    // The group selection menu of the component groups ("aws" or "yk" chapter),
    // through RateTableLinks; empty when nothing was chosen.
    static QString chooseGroup(const QString& popStr);

    virtual QString formName() const = 0;
    virtual QString widthList() const = 0;
    virtual void openDatabase() = 0; // throws DbError
    virtual Database* database() = 0;
    virtual QString selectList() const = 0;
    virtual void beforeFill() {}
    virtual void groupLoaded() {}
    virtual void rowFilled(int) {}
};

// The read-only viewer of the norm table of the system database, in a handle of
// its own; the program-wide SystDb is neither used nor closed.
class YkViewModel : public RateTableModel {
public:
    void MenuYK(const QString& cmd, bool MNeulad = false);
    void close() { mDb.reset(); }
    bool databaseOpen() const { return bool(mDb); }

protected:
    QString formName() const override { return QStringLiteral("frmYKedit"); }
    QString widthList() const override;
    void openDatabase() override;
    Database* database() override { return mDb.get(); }
    QString selectList() const override;

private:
    std::unique_ptr<Database> mDb;
};

namespace frmYKedit {
// Shows the norm-table viewer over the main window; returns when it has closed.
void Show0();
} // namespace frmYKedit

// What the rate-table windows need of the dialogue, above this folder: a link of
// the program (frame/links.h).
struct RateTableLinks {
    // The selection menu of the component groups; returns the group chosen,
    // empty when none was. Unbound, no group can be chosen.
    std::function<QString(const QString& popStr)> groupMenu;
};
