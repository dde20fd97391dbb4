#include "frame/editvar.h"
#include "frame/codepage.h"
#include "frame/database.h"
#include "frame/errors.h"
#include "frame/interaction.h"
#include "frame/itemnumber.h"
#include "frame/markers.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/restext.h"

namespace frmEdit {

namespace {

void message(const char* number, const QString& arg = QString())
{
    MsgBoxRes(QString::fromLatin1(number), Mb::OKOnly, prog().LangNr,
              arg.isNull() ? QStringList() : QStringList{AnsiToOem(arg)});
}

bool allOf(const QString& text, bool (*ok)(char16_t))
{
    for (const QChar c : text)
        if (!ok(c.unicode()))
            return false;
    return true;
}

bool isDigitChar(char16_t c) { return c >= u'0' && c <= u'9'; }

// The percentage of a "P" mask: digits with at most one "." among them.
bool isPlainDecimal(const QString& text)
{
    const qsizetype dot = text.indexOf(u'.');
    const QString digits = dot >= 0 ? QString(text).remove(dot, 1) : text;
    return IsDigit(digits);
}

// The unit as the label shows it: "mm2" with a superscript two and "{m}" as the
// micro sign, both written in their OEM codes and converted with the rest.
QString displayUnit(const QString& stored)
{
    if (stored.isEmpty() || stored == QStringLiteral("\u00B0C"))
        return stored;
    QString u = stored == QLatin1String("mm2") ? QStringLiteral("mm") + QChar(253) : stored;
    u.replace(QLatin1String("{m}"), QString(QChar(230)));
    return OemToAnsi(u);
}

// Plays an answer that no window applied.
void applyAnswer(EditModel& m, const Answer& a)
{
    if (a.cancelled || a.text == QLatin1String("ABBRUCH")) {
        m.tag = 1;
    } else if (a.text == QLatin1String("BACK")) {
        if (!m.backVisible)
            throw TarnError(QStringLiteral("The value dialog of %1 offers no back button").arg(m.name));
        m.tag = 2;
    } else {
        QString typed = a.values.isEmpty() ? a.text : a.values.front();
        // What the key filter and the field's length would not have let through.
        QString kept;
        for (const QChar c : typed)
            if (const QChar k = keyInto(m, c); !k.isNull())
                kept += k;
        m.input = m.maxLength > 0 ? kept.left(m.maxLength) : kept;
        m.tag = 0;
    }
}

} // namespace

bool IsDigit(const QString& query)
{
    return allOf(query, isDigitChar);
}

bool acceptsKey(QChar key)
{
    if (key == u',' || key == u'=')
        return false;
    const QByteArray ansi = toAnsi(QString(key));
    const int code = ansi.isEmpty() ? 63 : static_cast<unsigned char>(ansi.at(0));
    if (code == 3 || code == 8 || code == 13 || code == 27 || code == 255)
        return true;
    return (code >= 32 && code <= 194) || (code >= 196 && code <= 253);
}

QChar keyInto(const EditModel& model, QChar key)
{
    // In a number the comma can only be meant as a decimal separator; it is
    // never a separator of the name=value list there, because the check below
    // refuses any value that still holds one.
    if (model.check && key == u',')
        return numericFieldKey(key);
    return acceptsKey(key) ? key : QChar();
}

bool CheckMask(const QString& value, const QString& mask, QString& result)
{
    result = value;
    QString v = value;
    for (qsizetype i = 0; i < mask.size(); ++i) {
        const QChar letter = mask.at(i);
        switch (letter.unicode()) {
        case u'#':
            while (i + 1 < mask.size() && mask.at(i + 1).isDigit())
                ++i;
            break;
        case u'S': {
            const QString plain = v.toUpper().remove(u' ');
            if (isItemNumberError(SachNrForm(plain))) {
                message("67", plain);
                return false;
            }
            result = plain;
            return true;
        }
        case u'B':
        case u'T': {
            if (v.size() != 4 || !IsDigit(v)) {
                message("78", letter == u'B' ? QStringLiteral("Bac") : QStringLiteral("Tec"));
                return false;
            }
            if (letter == u'B' && GetParam(prog().Cf, v.left(2) + u'G').isEmpty()) {
                message("79", v.left(2));
                return false;
            }
            result = v;
            return true;
        }
        case u'P': {
            QString t = QString(v).remove(u' ');
            if (t.endsWith(u'%'))
                t.chop(1);
            int percent = 0;
            if (isPlainDecimal(t)) {
                try {
                    percent = toInt32(readLeadingNumber(t));
                } catch (const OverflowError&) {
                    percent = 0; // far beyond any percentage: refused as no number
                }
            }
            if (percent < 1) {
                message("425");
                return false;
            }
            result = QString::number(percent) + u'%';
            return true;
        }
        case u'c': v = v.toLower(); break;
        case u'C': v = v.toUpper(); break;
        default: break;
        }
    }
    result = v;
    return true;
}

int EditVar(const QString& var, const QString& Wert, QString& result, const QString& Possible, QObject* owner,
            bool MCopyEd, std::optional<bool> MBackJa, std::optional<bool> MCenter)
{
    const Program& p = prog();
    const int lang = p.LangNr;
    EditModel m;
    m.owner = owner;
    m.center = MCenter.value_or(false);
    m.okCaption = ResStr(1500, 0, lang);
    m.cancelCaption = ResStr(MCopyEd ? 1503 : 1501, 0, lang);
    m.cancelDeletes = MCopyEd;
    m.backVisible = MBackJa.value_or(false);
    if (m.backVisible)
        m.backCaption = ResStr(1504, 0, lang);
    result.clear();

    QString name = var;
    QString value = Wert;
    if (var == QLatin1String("=")) {
        const qsizetype eq = Wert.indexOf(u'=');
        name = eq >= 0 ? Wert.left(eq) : Wert;
        value = eq >= 0 ? Wert.mid(eq + 1) : QString();
    }
    if (name.contains(u'<') || name.contains(u'>'))
        name.clear();

    const QString caseHint = ResText(QStringLiteral("175"), lang, false);
    QString mask;
    Snapshot* abk = p.AbkRs.get();
    if (name.isEmpty()) {
        m.title = ResText(QStringLiteral("476"), lang, true);
        m.help[3] = ResText(QStringLiteral("174"), lang, true, {caseHint});
    } else {
        const bool found = abk && abk->findFirst(QStringLiteral("Abk"), name);
        m.name = QString(name).replace(QLatin1String("{pi}"), QString(PiChar)) + u':';
        if (!found) {
            m.title = ResText(QStringLiteral("476"), lang, true);
            m.help[3] = ResText(QStringLiteral("177"), lang, true, {caseHint});
        } else {
            const int l = lang == 2 ? 1 : 0;
            m.title = abk->text(1 + l);
            m.help[0] = abk->text(3 + l).trimmed();
            m.help[1] = abk->text(5 + l).trimmed();
            m.help[3] = MCopyEd ? ResText(QStringLiteral("173"), lang, true)
                                : ResText(QStringLiteral("177"), lang, true, {QString()});
        }
        mask = GetParam(Possible, name);
        // The record and line editors pass their parameter list: there the value
        // is stored as typed, so it is checked here. Callers without a list (the
        // pin count of the class dialogues) check the answer themselves.
        if (!Possible.isEmpty())
            m.check = parameterCheck(name);
        const qsizetype hash = mask.indexOf(u'#');
        if (hash >= 0)
            m.maxLength = std::max(0, int(readLeadingNumber(QStringView(mask).mid(hash + 1))));
    }
    // The unit of the record the table stands on (for a name without a record,
    // whatever record that is).
    if (abk && !abk->eof() && !abk->bof() && abk->fields().size() > 7)
        m.unit = displayUnit(abk->text(7).trimmed());

    m.input = value.trimmed();
    if (m.input.endsWith(u'%'))
        m.input.chop(1);

    QString checked;
    for (;;) {
        Question q;
        q.key = name;
        q.text = m.title;
        const Answer a = ui().askValue(q, m, ValueParams{m.input});
        if (!a.applied)
            applyAnswer(m, a);
        if (m.tag > 0)
            break;
        // An empty value removes the parameter; anything else must be a number
        // of its kind before the mask normalises it.
        if (m.check && !m.input.trimmed().isEmpty()) {
            const CheckedValue v = m.check(m.input);
            if (!v.ok()) {
                showRefusal(v.refusal);
                continue;
            }
        }
        if (CheckMask(m.input, mask, checked))
            break;
    }
    if (m.tag == 0 && !checked.trimmed().isEmpty())
        result = name + u'=' + checked;
    return m.tag;
}

} // namespace frmEdit
