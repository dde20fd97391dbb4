#include "frame/restext.h"
#include "frame/clock.h"
#include "frame/codepage.h"
#include "frame/errors.h"
#include "frame/interaction.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/program.h"

#include <QFile>
#include <QHash>
#include <QLocale>

namespace {

// The tables are compiled in (src/resources). Message files are code page 850
// bytes and are held byte for byte; interface texts are Windows-1252.
struct TableFile {
    const char* path;
    bool oem;
};
constexpr TableFile kTableFiles[] = {
    {":/texts/messages-de.txt", true},
    {":/texts/messages-en.txt", true},
    {":/texts/interface-de.txt", false},
    {":/texts/interface-en.txt", false},
};

QHash<int, QString> loadTables()
{
    QHash<int, QString> texts;
    for (const TableFile& f : kTableFiles) {
        QFile file(QString::fromLatin1(f.path));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> lines = file.readAll().split('\n');
        for (QByteArray line : lines) {
            if (line.endsWith('\r'))
                line.chop(1);
            const qsizetype tab = line.indexOf('\t');
            if (line.isEmpty() || line.startsWith('#') || tab <= 0)
                continue;
            bool ok = false;
            const int id = line.left(tab).toInt(&ok);
            if (!ok || texts.contains(id))
                continue;
            const QByteArray text = line.mid(tab + 1);
            texts.insert(id, f.oem ? fromBytes(text) : fromAnsi(text));
        }
    }
    return texts;
}

const QHash<int, QString>& tables()
{
    static const QHash<int, QString> texts = loadTables();
    return texts;
}

int resourceId(int base, int number, int language)
{
    const long id = long(base) + long(number) + long(language) * 2000L;
    if (id < -32768 || id > 32767)
        throw OverflowError();
    return int(id);
}

int messageNumber(const QString& number)
{
    return toInt16(readLeadingNumber(number));
}

} // namespace

QString ResStr(int base, int number, int language)
{
    const int id = resourceId(base, number, language);
    const auto it = tables().constFind(id);
    if (it == tables().constEnd())
        throw ResourceNotFoundError(id);
    return it.value();
}

bool hasResourceText(int id)
{
    return tables().contains(id);
}

QString ResText(const QString& number, int language, bool oem, const QStringList& args)
{
    if (number.trimmed().isEmpty())
        return QString();
    QString text = ResStr(0, messageNumber(number), language);
    if (text.contains(u'@'))
        text = ExpandText(text, args, language);
    return oem ? OemToAnsi(text) : text;
}

int MsgBoxRes(const QString& number, int buttons, int language, const QStringList& args)
{
    const QString text = OemToAnsi(ExpandText(ResStr(0, messageNumber(number), language), args.mid(0, 5), language));
    return ui().messageBox(number.trimmed(), text, buttons, QStringLiteral("TARN"));
}

namespace {
// The print layer's page number (set by it, see setPageNumberSource).
int (*gPageNumber)() = nullptr;
} // namespace

void setPageNumberSource(int (*source)())
{
    gPageNumber = source;
}

namespace {
// "@[n]" and "@(n)": the number between the bracket at a + 1 and the closing one.
int bracketNumber(const QString& text, qsizetype a, QChar close, qsizetype& end)
{
    end = text.indexOf(close, a + 2);
    if (end < 0)
        throw InvalidArgumentError(QStringLiteral("Missing \"%1\" in \"%2\"").arg(close).arg(text));
    return toInt32(readLeadingNumber(QStringView(text).mid(a + 2, end - a - 2)));
}
} // namespace

QLocale languageLocale(int language)
{
    return language == 2 ? QLocale(QLocale::English, QLocale::UnitedKingdom) : QLocale(QLocale::German, QLocale::Germany);
}

QString shortDate(const QDate& date, int language)
{
    return language == 2 ? languageLocale(2).toString(date, QStringLiteral("d MMM yyyy"))
                         : languageLocale(1).toString(date, QStringLiteral("dd.MM.yyyy"));
}

QString ExpandText(const QString& text, const QStringList& args, int language)
{
    if (language == 0)
        language = prog().LangNr;
    QString out = text;
    qsizetype a = out.indexOf(u'@');
    while (a >= 0) {
        const QChar c = a + 1 < out.size() ? out[a + 1] : QChar();
        const char16_t u = c.unicode();
        qsizetype end = a + 1; // last character replaced
        std::optional<QString> value;
        if (u >= u'1' && u <= u'9') {
            const qsizetype i = u - u'1';
            value = i < args.size() ? args[i] : QString();
        } else if (u == u'/') {
            value = QString(QChar(10));
        } else if (u == u'U' || u == u'u') {
            value = prog().TitelAnw;
        } else if (u == u'V' || u == u'v') {
            value = GetParam(prog().Cf, QStringLiteral("Vers"));
        } else if (u == u'P' || u == u'p') {
            value = QString::number(gPageNumber ? gPageNumber() : 0);
        } else if (u == u'D' || u == u'd') {
            value = shortDate(currentDate(), language);
        } else if (u == u'[') {
            const int n = bracketNumber(out, a, u']', end);
            if (n < 0)
                throw InvalidArgumentError(QStringLiteral("Negative count in \"%1\"").arg(out));
            value = QString(n, u' ');
        } else if (u == u'(') {
            const int n = bracketNumber(out, a, u')', end);
            if (n < 0 || n > 255)
                throw InvalidArgumentError(QStringLiteral("Character code out of range in \"%1\"").arg(out));
            value = fromAnsi(QByteArray(1, char(n)));
        } else if (u == u'{') {
            const qsizetype close = out.indexOf(u'}', a);
            if (close >= 0) {
                end = close;
                const int m = messageNumber(out.mid(a + 2, close - a - 2));
                value = ExpandText(ResStr(0, m, language), args, language);
            }
        }
        if (value) {
            out.replace(a, end - a + 1, *value);
            a = out.indexOf(u'@', a + value->size());
        } else {
            // "@@1" stays "@@1": the character behind an unknown "@" is skipped too.
            a = out.indexOf(u'@', a + 2);
        }
    }
    return out;
}

LocalisedCaption localiseCaption(const QString& design, int offset, const QStringList& args)
{
    LocalisedCaption result;
    const int language = prog().LangNr;
    const int n = toInt16(readLeadingNumber(design));
    const QString lead = design.trimmed();
    QString t;
    if (!lead.startsWith(u'0') && n == 0 && !design.isEmpty()) {
        t = design;
    } else {
        t = ResStr(offset, n, language);
        if (!t.isEmpty())
            result.tag = QString::number(n);
        else
            t = design;
        t = ExpandText(t, args, language);
        const qsizetype hash = design.indexOf(u'#');
        if (hash >= 0)
            result.tag = design.mid(hash + 1).trimmed();
    }
    const qsizetype slash = t.indexOf(u'\\', 1);
    if (slash >= 0) {
        try {
            const int k = toInt16(readLeadingNumber(QStringView(t).mid(slash + 1)));
            result.toolTip = ResStr(1770, k, language);
        } catch (const TarnError&) {
            // A missing tool tip leaves the control's tool tip as it was.
        }
        t.truncate(slash);
    }
    result.text = t;
    return result;
}

QStringList oemArgs(const QStringList& texts)
{
    QStringList out;
    out.reserve(texts.size());
    for (const QString& t : texts)
        out << AnsiToOem(t);
    return out;
}
