#pragma once
#include "frame/errors.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>

// Resource texts. German messages have ids 2002-2552, German interface texts
// 3500-3769 and tool tips 3770-3819; the English text of id n is n + 2000. Code
// passes message numbers without the 2000 ("473"); every operation forms
// base + number + language x 2000. Messages are held as OEM (code page 850)
// texts and converted for display; interface texts and tool tips are ANSI.

// An id that the tables do not hold.
class ResourceNotFoundError : public TarnError {
public:
    explicit ResourceNotFoundError(int id)
        : TarnError(QStringLiteral("Resource with identifier %1 not found").arg(id), 326), mId(id) {}
    int id() const noexcept { return mId; }

private:
    int mId;
};

// The number of the page being printed, for the "\P" of ExpandText. The print
// layer sits above this one and installs its source when its state is made;
// until then no page is being printed and "\P" gives 0.
void setPageNumberSource(int (*source)());

// Resource text base + number + language x 2000, unexpanded and unconverted.
// Throws ResourceNotFoundError for a missing id, OverflowError outside 16 bits.
QString ResStr(int base, int number, int language);

// Whether the tables hold the id (for checks that must not throw).
bool hasResourceText(int id);

// Message number (read by the leading-number rule) in a language, placeholders
// expanded with args ("@1".."@9"), converted from OEM to ANSI when oem is true
// (the inserted arguments too). A blank number gives the empty text.
QString ResText(const QString& number, int language, bool oem, const QStringList& args = {});

// Shows message number (expanded with up to five args, converted from OEM) in a
// message box titled "TARN" through the Interaction service, keyed by the number
// text; returns the button. Callers pass arguments already in the OEM code page.
int MsgBoxRes(const QString& number, int buttons, int language, const QStringList& args = {});

// Message arguments are expected in the OEM code page, because the whole expanded
// message is converted from OEM; readable texts (paths, designations, database
// texts) go through this first so that their umlauts survive.
QStringList oemArgs(const QStringList& texts);

// The locale of a program language (1 German, 2 English): dates and names
// follow the language the text is written in, not the system locale.
QLocale languageLocale(int language);
// A date as text of that language, whatever the locale of the machine: German
// "07.03.2024", English "7 Mar 2024" (the month named, so that no reader takes
// the day for the month).
QString shortDate(const QDate& date, int language);

// Expands "@1".."@9", "@/", "@U", "@V", "@P", "@D", "@[n]", "@(n)", "@{id}".
// language 0 means the user-interface language LangNr. Inserted values are never
// scanned again; unknown placeholders stay. "@[" or "@(" without its bracket, a
// negative count or a character code outside 0..255 throw InvalidArgumentError.
QString ExpandText(const QString& text, const QStringList& args = {}, int language = 0);

// What a design caption ("3 #bt.cut", "12 be", "Anl \19", "Block&Index") becomes
// for a window: the shown text, the new tag when the caption sets one, and the tool
// tip when the text carries a reference "\k" whose text exists. Forms, buttons and
// menu items apply it in LoadCaption (qtcaptions.h).
struct LocalisedCaption {
    QString text;
    std::optional<QString> tag;
    std::optional<QString> toolTip;
};
LocalisedCaption localiseCaption(const QString& design, int offset, const QStringList& args = {});
