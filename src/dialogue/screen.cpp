#include "dialogue/screen.h"
#include "dialogue/chapterfile.h"
#include "dialogue/oemtext.h"
#include "frame/codepage.h"
#include "frame/errors.h"
#include "frame/markers.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/restext.h"

#include <cmath>

namespace {
constexpr char16_t kSpanOpen = 16;
constexpr char16_t kSpanClose = 17;
constexpr char16_t kEmptyEntryA = 179;
constexpr char16_t kEmptyEntryB = 178;

// Readable colours for attribute letters that the configuration does not give.
CellColours defaultColours(QChar attr)
{
    switch (attr.unicode()) {
    case u'd': return {15, 3};  // screen text: white on cyan
    case u'i': return {15, 1};  // inverted and titles: white on blue
    case u'f': return {14, 1};  // emphasised and rules: yellow on blue
    case u'u': return {0, 11};  // marked: black on light cyan
    case u's': return {0, 7};   // hint bar: black on light grey
    case u'h': return {15, 4};  // highlighted span: white on red
    case u't': return {0, 7};   // text page: black on light grey
    default: return {0, 7};
    }
}
} // namespace

CellColours attributeColours(QChar attr)
{
    const QString key = QStringLiteral("At") + attr;
    if (findParamKey(prog().Cf, key) < 0)
        return defaultColours(attr);
    const int a = int(readLeadingNumber(GetParam(prog().Cf, key)));
    return {((a % 16) + 16) % 16, (a / 16) % 16};
}

CellColours schemeColours(QChar scheme)
{
    switch (scheme.toUpper().unicode()) {
    case u'W': return {0, 7};
    case u'E': return {7, 0};
    case u'R': return {15, 4};
    default: return {15, 3};
    }
}

int addButtBits(std::optional<int> addButt)
{
    if (!addButt || *addButt < 1 || *addButt > 7)
        return 0;
    return *addButt;
}

// ---- shared behaviour

void DiaModel::pressEscape()
{
    for (int i = 0; i < buttons.size(); ++i)
        if (buttons[i].isCancel) {
            clickButton(i);
            return;
        }
}

void DiaModel::clickButton(int index)
{
    if (mEnded || index < 0 || index >= buttons.size())
        return;
    const QString& tag = buttons[index].tag;
    if (!mayEnd(tag))
        return;
    if (tag == QLatin1String("ESC") || tag == QLatin1String("DIKESC"))
        resultWord = QStringLiteral("ABBRUCH");
    else if (tag == QLatin1String("BACK") || tag == QLatin1String("DIKBACK"))
        resultWord = QStringLiteral("BACK");
    else if (tag != QLatin1String("ENTER") && tag != QLatin1String("EINGABE"))
        resultWord = tag;
    end();
}

bool DiaModel::closeBox()
{
    if (mEnded)
        return true;
    if (!keyResult.isEmpty()) {
        end();
        return true;
    }
    // A screen that offers nothing else must not hold the program.
    if (!hasWayOut()) {
        forceCancel();
        return true;
    }
    return false;
}

void DiaModel::forceCancel()
{
    if (mEnded)
        return;
    resultWord = QStringLiteral("ABBRUCH");
    end();
}

void DiaModel::end()
{
    if (mEnded)
        return;
    finish();
    mEnded = true;
}

int DiaModel::buttonIndex(const QString& tag) const
{
    for (int i = 0; i < buttons.size(); ++i)
        if (buttons[i].tag == tag)
            return i;
    return -1;
}

void DiaModel::KoloR(const QString& code)
{
    const QChar c = code.isEmpty() ? QChar() : code[0].toUpper();
    if (c == u'W' || c == u'E' || c == u'B' || c == u'R')
        scheme = c;
}

void DiaModel::PRIF(int& col, int row, const QString& s, QChar att)
{
    const qsizetype p0 = s.indexOf(QChar(kSpanOpen));
    if (p0 < 0) {
        texts << DrawnText{col, row, s, att};
        return;
    }
    int left = col;
    PRIF(left, row, s.left(p0), att);
    QString rest = s.mid(p0 + 1);
    col = col + int(p0); // the column of the span
    const qsizetype q0 = rest.indexOf(QChar(kSpanClose));
    const int q = q0 < 0 ? int(rest.size()) + 1 : int(q0) + 1;
    texts << DrawnText{col, row, u' ' + rest.left(q - 1) + u' ', QChar(u'h')};
    rest = rest.mid(q);
    if (!rest.isEmpty()) {
        int next = col + q + 2;
        PRIF(next, row, rest, att);
    }
}

void DiaModel::addButton(ScreenButton b)
{
    if (buttons.size() >= 4) // the raster has four button places
        return;
    buttons << b;
}

void DiaModel::layoutButtons()
{
    int w = 0;
    for (const ScreenButton& b : buttons)
        w = std::max(w, int(b.caption.size()) + 2);
    const int gap = int(std::floor((columns - 4.0 * w) / 5.0));
    for (ScreenButton& b : buttons) {
        b.width = w;
        b.height = 1.5;
        b.top = 22.5;
        b.left = gap + (w + gap) * (b.place - 1);
    }
}

// ---- controls

QString ToggleControl::labelText() const
{
    const QString opt = options.value(value == 0 ? 0 : 1);
    return u' ' + QString(key) + u' ' + opt;
}

// ---- input and key-choice screens

void DiaScreen::drawLine(QChar type, const QString& text, int& row, int col)
{
    int c = col == 0 ? 3 : col;
    switch (type.unicode()) {
    case u'*':
    case u'#':
        if (text.isEmpty() && row == 2)
            return;
        PRIF(c, row, text, QChar(u'd'));
        ++row;
        return;
    case u'I':
        if (row == 2) {
            caption = text;
            return;
        }
        c = 2;
        PRIF(c, row, (text + u' ').leftJustified(78, u' ', true), QChar(u'i'));
        ++row;
        return;
    case u'J':
        c = 2;
        PRIF(c, row, u' ' + text + u' ', QChar(u'i'));
        return;
    case u'F':
        PRIF(c, row, text, QChar(u'f'));
        ++row;
        return;
    case u'L': {
        if (row == 2)
            return;
        const int code = int(readLeadingNumber(text.left(3)));
        c = 2;
        PRIF(c, row, QString(77, QChar(char16_t(code & 0xFF))), QChar(u'f'));
        ++row;
        return;
    }
    case u'U':
        PRIF(c, row, text, QChar(u'u'));
        return;
    default:
        return;
    }
}

void DiaScreen::makeExtraButtons(bool cancel, bool back, bool help, bool keyChoice)
{
    const int lang = prog().LangNr;
    if (help)
        addButton({4, interfaceText(1505, lang).trimmed(), QStringLiteral("HELP"), interfaceText(1802, lang)});
    if (back)
        addButton({2, interfaceText(1504, lang).trimmed(), keyChoice ? QStringLiteral("DIKBACK") : QStringLiteral("BACK"),
                   interfaceText(1801, lang)});
    if (cancel) {
        ScreenButton b{3, interfaceText(1501, lang).trimmed(), keyChoice ? QStringLiteral("DIKESC") : QStringLiteral("ESC"),
                       interfaceText(1800, lang)};
        b.isCancel = true;
        addButton(b);
    }
}

void DiaScreen::makeRowButtons(const QString& rowText, bool cancelWanted, bool backWanted, bool helpWanted)
{
    const int lang = prog().LangNr;
    int place = 0;
    for (const RowButton& rb : parseButtonRow(rowText)) {
        ScreenButton b;
        b.tag = rb.keyName;
        if (rb.caption == QLatin1String("Weiter") || rb.caption == QLatin1String("Continue")) {
            b.caption = rb.caption == QLatin1String("Weiter") ? QStringLiteral("&Weiter") : QStringLiteral("Con&tinue");
            b.place = 1;
        } else if (rb.caption == QLatin1String("Abbruch") || rb.caption == QLatin1String("Abort") ||
                   rb.caption == QLatin1String("Break") || rb.caption == QLatin1String("Cancel")) {
            b.caption = interfaceText(1501, lang);
            b.toolTip = interfaceText(1800, lang);
            b.place = 3;
        } else {
            b.caption = rb.caption;
            b.place = place + 1;
        }
        place = b.place;
        addButton(b);
    }
    const bool rowCancels = rowText.contains(QLatin1String("Abbruch")) || rowText.contains(QLatin1String("Abort")) ||
                            rowText.contains(QLatin1String("Break"));
    makeExtraButtons(cancelWanted && !rowCancels, backWanted, helpWanted, false);
}

void DiaScreen::buildKeyChoice(const QStringList& lines, std::optional<int> addButt)
{
    kind = Kind::KeyChoice;
    const int bits = addButtBits(addButt);
    columns = 80;
    rows = 25;
    keyResult.clear();
    resultWord.clear();
    mode = QStringLiteral("Q");
    int row = 2;
    keyString.clear();
    KoloR(QStringLiteral("b"));
    for (const QString& raw : lines) {
        const auto l = splitDiaLine(raw);
        if (!l)
            continue;
        if (l->text.isEmpty()) {
            ++row;
            continue;
        }
        QString text = finishDiaText(l->text, l->flag, TrennZeichen);
        int col = 3;
        const DiaMarker m = findActionMarker(text);
        if (m.found) {
            if (m.key.toUpper() == u'H') { // help lines are only reached through the help button
                ++row;
                continue;
            }
            keyString += m.key.toUpper();
            actions << ActionLabel{m.pos + 2, row, m.key};
            col = m.pos + 6;
            text = m.rest;
        }
        if (l->type == u'S') {
            if (!addButt) {
                QString t = text;
                if (t.contains(QLatin1String("Taste mit Kennzeichen")))
                    t = QStringLiteral("Gew") + QChar(char16_t(129)) + QStringLiteral("nschte Variante w") +
                        QChar(char16_t(132)) + QStringLiteral("hlen");
                else if (t.contains(QLatin1String("Press the corresponding key")))
                    t = QStringLiteral(" Please select");
                int c = 2;
                PRIF(c, row, (t + u' ').leftJustified(78, u' ', true), QChar(u's'));
                ++row;
            } else {
                makeExtraButtons(bits & 1, bits & 2, bits & 4, true);
                if (!buttons.isEmpty())
                    row += 2;
            }
            continue;
        }
        drawLine(l->type, text, row, col);
    }
    layoutButtons();
}

namespace {
// The rest of a line still to be drawn, and the column it starts at.
struct LineCursor {
    QString text;
    int col = 3;
};

void startInput(DiaScreen& s, const QString& startBis, const QStringList& anEin)
{
    s.keyResult.clear();
    s.resultWord.clear();
    s.edited = startBis;
    s.separatorsAllowed = !GetParam(startBis, QStringLiteral("VarS")).isEmpty();
    s.columns = 80;
    s.rows = 25;
    s.keyTypes.clear();
    s.optionLists.clear();
    s.toggleIndex.clear();
    s.keyList.clear();
    s.KoloR(QStringLiteral("b"));
    s.mode.clear();
    s.entryCopy = anEin;
}

// An action marker at the start of the line becomes a clickable label. False
// for a help line, which is only reached through the help button.
bool takeAction(DiaScreen& s, LineCursor& c, int row)
{
    const DiaMarker a = findActionMarker(c.text);
    if (!a.found)
        return true;
    if (a.key.toUpper() == u'H')
        return false;
    s.keyTypes += u',' + QString(a.key.toUpper()) + QStringLiteral("=A");
    s.actions << ActionLabel{a.pos + 2, row, a.key};
    c.col = a.pos + 6;
    c.text = a.rest;
    return true;
}

// The toggle's control by its number of options: none or one a check box, two
// a label that shows the option of the value.
void layToggle(ToggleControl& tg, const DiaMarker& t, LineCursor& c)
{
    const int n = int(tg.options.size());
    const int q = t.end;
    if (n == 0) {
        tg.kind = ToggleControl::CheckBox;
        tg.caption = QStringLiteral(" &") + QString(tg.key);
        tg.width = 5;
        c.col = t.pos + 5;
        c.text = t.rest;
    } else if (n == 1) {
        tg.kind = ToggleControl::CheckBox;
        tg.caption = QStringLiteral(" &") + tg.options[0];
        tg.width = std::max(q - t.pos + 2, 5);
        c.col = t.pos + q + 5;
        c.text = t.rest;
    } else if (n == 2) {
        tg.kind = ToggleControl::Label;
        tg.width = q + 3;
        c.col = t.pos + q + 2;
        c.text = t.rest;
    } else {
        tg.kind = ToggleControl::Raw; // not supported: the marker is drawn as it stands
        c.col = t.pos + 2;
        c.text = c.text.mid(t.pos - 1);
    }
}

// A toggle marker: its value in the edited list as a number ("@" before it
// makes the toggle exclusive), its options from the last "B" line.
ToggleControl toggleOf(DiaScreen& s, const DiaMarker& t, int number, int row, LineCursor& c)
{
    ToggleControl tg;
    tg.key = t.key;
    const QString k(t.key);
    QString itemType = u',' + QString(t.key.toUpper()) + QStringLiteral("=B");
    QString v = GetParam(s.edited, k);
    if (v.isEmpty())
        v = QStringLiteral("0");
    tg.number = number;
    if (v.size() > 1 && v[0] == u'@') {
        tg.exclusive = true;
        v = v.mid(1);
        SetParam(s.edited, k, v);
    }
    SetParam(s.toggleIndex, k, QString::number(tg.number));
    const QString opts = GetParam(s.optionLists, k);
    if (!opts.isEmpty())
        tg.options = opts.split(u'/');
    const double num = readLeadingNumber(v);
    SetParam(s.edited, k, plainNumber(num, true));
    tg.value = int(num);
    const int n = int(tg.options.size());
    if (n != 0)
        itemType += QString::number(n);
    s.keyTypes += itemType;
    tg.row = row;
    tg.col = t.pos + 2;
    layToggle(tg, t, c);
    return tg;
}

// The start text of an entry field: an empty-entry mark stands for nothing.
QString entryStart(QString start)
{
    if (start == QChar(kEmptyEntryA) || start == QChar(kEmptyEntryB))
        start.clear();
    else if (start.size() > 1 && start.indexOf(QChar(kEmptyEntryA)) == start.size() - 1)
        start.chop(1);
    return start;
}

// An entry marker: the field of the caller's entry array it names, as wide as
// its fillers; a field whose last filler is not 1 is not shown.
void takeEntry(DiaScreen& s, const DiaMarker& e, int row, LineCursor& c)
{
    const int d = e.key.digitValue();
    if (d < 0 || d >= s.entryCopy.size())
        throw TarnError(QStringLiteral("Entry field %1 outside the entry array (%2 fields)")
                            .arg(QString(e.key))
                            .arg(s.entryCopy.size()),
                        ErrNo::SubscriptOutOfRange);
    const QString fillers = c.text.mid(e.pos + 2, e.end - e.pos - 3);
    const int w = int(fillers.size());
    const int h = fillers.isEmpty() ? 0 : fillers.back().digitValue();
    s.mode = QStringLiteral("E");
    const QString start = entryStart(s.entryCopy[d]);
    if (h == 1)
        s.fields << EntryField{d, e.pos + 2, row, w + 2, start};
    c.col = e.end + 1;
    c.text = e.rest;
}
} // namespace

void DiaScreen::buildInput(const QStringList& lines, const QString& startBis, const QStringList& anEin,
                           const QString& ret, std::optional<int> addButt)
{
    kind = Kind::Input;
    const int bits = addButtBits(addButt);
    startInput(*this, startBis, anEin);
    int row = 2;
    int toggleCount = 0;
    for (const QString& raw : lines) {
        const auto l = splitDiaLine(replaceRet(raw, ret));
        if (!l)
            continue;
        if (l->type == u'B') {
            optionLists = l->text;
            continue;
        }
        if (l->text.isEmpty()) {
            ++row;
            continue;
        }
        LineCursor c{finishDiaText(l->text, l->flag, TrennZeichen)};
        keyList = keyListOf(c.text);
        if (!takeAction(*this, c, row)) {
            ++row;
            continue;
        }
        if (const DiaMarker t = findClosedMarker(c.text, QChar(u'B')); t.found)
            toggles << toggleOf(*this, t, toggleCount++, row, c);
        if (const DiaMarker e = findClosedMarker(c.text, QChar(u'E')); e.found)
            takeEntry(*this, e, row, c);
        if (l->type == u'S') {
            makeRowButtons(c.text, bits & 1, bits & 2, bits & 4);
            continue;
        }
        drawLine(l->type, c.text, row, c.col);
    }
    layoutButtons();
    for (ScreenButton& b : buttons) {
        b.isDefault = b.place == 1;
        b.isCancel = b.tag == QLatin1String("ESC");
    }
}

ToggleControl* DiaScreen::toggleOfKey(QChar key)
{
    for (ToggleControl& t : toggles)
        if (t.key == key)
            return &t;
    for (ToggleControl& t : toggles)
        if (t.key.toUpper() == key)
            return &t;
    return nullptr;
}

int DiaScreen::fieldOfIndex(int index) const
{
    for (int i = 0; i < fields.size(); ++i)
        if (fields[i].index == index)
            return i;
    return -1;
}

void DiaScreen::pressKey(QChar c)
{
    if (mEnded)
        return;
    if (kind == Kind::KeyChoice) {
        if (keyString.contains(c)) {
            resultWord = QString(c);
            keyResult = QString(c);
            end();
        }
        return;
    }
    if (mode == QLatin1String("E"))
        return; // typing belongs to the focused entry field
    const QString type = GetParam(keyTypes, QString(c));
    if (type == QLatin1String("A")) {
        resultWord.clear();
        keyResult = QString(c);
        end();
    } else if (!type.isEmpty()) {
        keyResult = QString(c);
        flip(c);
    }
}

void DiaScreen::flip(QChar c)
{
    ToggleControl* t = toggleOfKey(c);
    if (!t)
        return;
    if (t->kind == ToggleControl::Label) {
        t->value = 1 - t->value;
        SetParam(edited, QString(t->key), QString::number(t->value));
    } else if (t->kind == ToggleControl::CheckBox) {
        clickCheckBox(t->number);
    }
}

bool DiaScreen::setToggle(QChar key, int value)
{
    ToggleControl* t = toggleOfKey(key);
    if (!t || t->kind == ToggleControl::Raw)
        return false;
    if (t->value != value)
        flip(t->key);
    return t->value == value;
}

void DiaScreen::clickCheckBox(int toggleNumber)
{
    if (mEnded)
        return;
    for (ToggleControl& t : toggles) {
        if (t.number != toggleNumber || t.kind != ToggleControl::CheckBox)
            continue;
        t.value = t.value == 0 ? 1 : 0;
        SetParam(edited, QString(t.key), QString::number(t.value));
        if (t.exclusive && t.value == 1) {
            for (ToggleControl& o : toggles)
                if (&o != &t && o.exclusive && o.kind == ToggleControl::CheckBox) {
                    o.value = 0;
                    SetParam(edited, QString(o.key), QStringLiteral("0"));
                }
        }
        return;
    }
}

void DiaScreen::pressEnter()
{
    if (mEnded || kind == Kind::KeyChoice)
        return;
    if (!fieldsAccepted())
        return;
    resultWord.clear();
    if (mode == QLatin1String("E") || !toggles.isEmpty()) {
        end();
        return;
    }
    for (int i = 0; i < buttons.size(); ++i)
        if (buttons[i].isDefault) {
            clickButton(i);
            return;
        }
}

void DiaScreen::pressEscape()
{
    if (mEnded)
        return;
    if (kind == Kind::Input && keyList.contains(QLatin1String(",27,"))) {
        resultWord = QStringLiteral("ABBRUCH");
        end();
        return;
    }
    DiaModel::pressEscape();
}

bool DiaScreen::typeAllowed(QChar unicode, QChar* memory) const
{
    if (!separatorsAllowed && (unicode == u'=' || unicode == u','))
        return false;
    const QByteArray ansi = toAnsi(QString(unicode));
    const int code = ansi.isEmpty() ? 0 : static_cast<unsigned char>(ansi[0]);
    const bool inRange = (code >= 32 && code <= 194) || (code >= 196 && code <= 253) || code == 255;
    if (!inRange)
        return false;
    const QChar m = unicodeToOem(unicode);
    if (m.isNull())
        return false;
    if (memory)
        *memory = m;
    return true;
}

QChar DiaScreen::typedInto(int fieldPosition, QChar unicode) const
{
    // In a number the comma is a decimal separator typed by habit, not a list
    // separator: it is let in (or made the point) so that it is never dropped
    // silently; the check on Enter refuses what is still no number.
    const bool numeric = fieldPosition >= 0 && fieldPosition < fields.size() && fields[fieldPosition].check;
    if (numeric && unicode == u',')
        return numericFieldKey(unicode);
    return typeAllowed(unicode, nullptr) ? unicode : QChar();
}

bool DiaScreen::fieldsAccepted()
{
    refusal.clear();
    refusedField = -1;
    for (int i = 0; i < fields.size(); ++i) {
        const EntryField& f = fields[i];
        // An empty field is no entry: the caller takes its default or asks nothing.
        if (!f.check || f.text.trimmed().isEmpty())
            continue;
        const CheckedValue v = f.check(OemToAnsi(f.text));
        if (!v.ok()) {
            refusal = v.refusal;
            refusedField = i;
            return false;
        }
    }
    return true;
}

bool DiaScreen::mayEnd(const QString& tag)
{
    // Leaving without the entries (cancel, back, help) needs no check.
    if (tag == QLatin1String("ESC") || tag == QLatin1String("DIKESC") || tag == QLatin1String("BACK") ||
        tag == QLatin1String("DIKBACK") || tag == QLatin1String("HELP"))
        return true;
    return fieldsAccepted();
}

QString DiaScreen::takeRefusal()
{
    QString r = refusal;
    refusal.clear();
    refusedField = -1;
    return r;
}

void DiaScreen::setFieldText(int fieldPosition, const QString& memoryText)
{
    if (fieldPosition >= 0 && fieldPosition < fields.size())
        fields[fieldPosition].text = memoryText;
}

void DiaScreen::finish()
{
    for (const EntryField& f : fields)
        if (f.index >= 0 && f.index < entryCopy.size())
            entryCopy[f.index] = f.text;
}

bool DiaScreen::hasWayOut() const
{
    if (!buttons.isEmpty())
        return true;
    if (kind == Kind::KeyChoice)
        return !keyString.isEmpty();
    return !actions.isEmpty() || !toggles.isEmpty() || mode == QLatin1String("E") ||
           keyList.contains(QLatin1String(",27,"));
}
