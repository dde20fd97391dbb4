#pragma once
#include "frame/entrycheck.h"

#include <QString>
#include <array>
#include <optional>

class QObject;

// The value-input dialog frmEdit without its widgets: it asks the value of one
// named parameter, explains the parameter from table AbkTxt, checks the typed
// value against the parameter's input mask and hands back "name=value".
//
// Asking is a question through ui(): kind "edit", key = the parameter name (empty
// for a free name=value entry), Question::model points to the EditModel. The
// window applies the user's action on the model (applied = true); any other answer
// is played on it: cancelled or text "ABBRUCH" -> the cancel button, text "BACK" ->
// the back button, otherwise values[0] (or, without values, text) is typed and OK
// pressed. A value that fails its mask, or that is not a number of the
// parameter's kind, shows the message and asks again with the text as typed.
namespace frmEdit {

// What the dialog shows, and what the user did.
struct EditModel {
    QString title;
    QString name;                 // the name grid: the name and ":"
    std::array<QString, 4> help;  // the four help rows
    QString unit;                 // empty: the unit label is hidden
    QString input;                // the input field
    int maxLength = 0;            // 0: no limit
    QString okCaption, cancelCaption, backCaption;
    bool backVisible = false;
    bool cancelDeletes = false;   // the cancel button is "delete" (MCopyEd)
    bool center = false;          // placed at 0.35 of the owner's free height, else 0.85
    QObject* owner = nullptr;
    int tag = 0;                  // 0 OK, 1 cancel (delete), 2 back
    ValueCheck check = nullptr;   // the parameter's kind of number; null for texts and codes
};

// Asks the value of var (or, with var "=", of the name=value pair in Wert).
// Returns 0 OK, 1 cancel (delete with MCopyEd), 2 back; result is "name=value"
// after OK with a non-empty value, else empty. Possible: name=mask list.
int EditVar(const QString& var, const QString& Wert, QString& result, const QString& Possible, QObject* owner,
            bool MCopyEd, std::optional<bool> MBackJa = std::nullopt, std::optional<bool> MCenter = std::nullopt);

// Tests value against mask and normalises it. On failure the mask's message has
// been shown and result is value unchanged.
bool CheckMask(const QString& value, const QString& mask, QString& result);

// Every character is "0".."9" (true for the empty text; umlauts are no digits).
bool IsDigit(const QString& query);

// The key filter of the input field: whether a typed character is taken.
// "," and "=" would break the name=value list; control characters other than
// copy, backspace, Enter and Escape, and the marker codes 195 and 254, are refused.
bool acceptsKey(QChar key);

// What a typed key enters into the field of model: the key, another key in its
// place (the decimal comma of a numeric parameter, see numericFieldKey), or a
// null character when the key filter refuses it.
QChar keyInto(const EditModel& model, QChar key);

} // namespace frmEdit
