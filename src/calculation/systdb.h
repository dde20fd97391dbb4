#pragma once
#include <QString>
#include <QVariantList>
#include <cstdint>
#include <optional>

// Look-ups in the read-only system database (SystDb) and the user failure-rate
// list (AwsDb). A database error shows message 473 and throws CalculationAborted
// (calcinterface.h), except in LesRth, whose errors (DbError) reach the caller.

// One field of the first row of Table whose KeyColumn equals KeyValue, read from
// the system database; the empty text when no row matches or the field is Null.
QString DalesXls(const QString& Table, const QString& KeyColumn, const QString& KeyValue, const QString& Field);

// A variable of the caller that LesSin fills: a text or a number. Numbers are
// held in single precision, as the table's rates and temperatures are.
class LesSinValue {
public:
    LesSinValue() = default;
    LesSinValue(QString& text) : mText(&text) {}
    LesSinValue(double& number) : mNumber(&number) {}

    bool isSet() const { return mText || mNumber; }
    // A Null field empties a text and leaves a number as it was.
    void assignNull();
    void assign(const QVariant& value);
    void clear(); // empty text, or 0

private:
    QString* mText = nullptr;
    double* mNumber = nullptr;
};

// The row of the failure-rate list ARMILQRM that applies to the component
// (keys Bac, Tec, K1 of ComponentData) and up to four of its columns.
//   UseUserList != 0: the user list AwsDb, else the system database.
//   Columns: "Bacm", "QRM", "Parameter" (Mode 3), "" (Mode 2), or a comma list of
//            up to four of Armin, Armax, Tref, Dcode, handed back in that order.
//   Mode: absent strict; 2 existence check; 3 parameter of the class (from the
//         snapshot BacTecListe); any other value lenient (a complexity above every
//         row falls back to the largest row).
// Result: "" when found; "K1max=" and the K1 of the row used after a lenient
// fall-back; "ABBRUCH" when no row applies (one code appended to slot 7).
QString LesSin(const QString& ComponentData, int UseUserList, const QString& Columns,
               LesSinValue Value1 = {}, LesSinValue Value2 = {}, LesSinValue Value3 = {},
               LesSinValue Value4 = {}, std::optional<int> Mode = std::nullopt);

// The condition of a statement on ARMILQRM that selects the rows whose BacTec is
// like Pattern (Jet wildcards, case-insensitive); its parameters are appended to
// Params. Uses the index on BacTec where the pattern begins with fixed digits.
QString bacTecCondition(const QString& Pattern, QVariantList& Params);

// Junction temperature from power dissipation and the housing's thermal
// resistance (stress data Rtk, component data Rte, or table GECRTH with the
// air-flow correction of the method list's Vl). Result: the range with one
// decimal, or "" when no temperature can be worked out. Appends Rtv/Rtr to slot
// 8 and the warnings RtrDat/RtrRef to slot 7; sets RunStr 24 to the raw Pin.
void LesRth(QString& Result);
