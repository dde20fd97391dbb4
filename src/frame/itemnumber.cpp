#include "frame/itemnumber.h"
#include "frame/program.h"
#include "frame/restext.h"

namespace {
constexpr int BlockWidth[3] = {6, 5, 4};

// The normalisers' three messages. Until the message tables are loaded the texts
// come from here, so the error beginnings that every caller tests hold either way.
QString numberMessage(int id, const QStringList& args)
{
    QString text = ResText(QString::number(id), prog().LangNr, true, args);
    if (isItemNumberError(text))
        return text;
    const bool de = prog().LangNr != 2;
    QString pattern;
    switch (id) {
    case 288:
        pattern = de ? QStringLiteral("Fehler!  Block @1 mu\u00DF mit einem Buchstaben beginnen")
                     : QStringLiteral("Error!  Block @1 must start with a character");
        break;
    case 289:
        pattern = de ? QStringLiteral("Fehler!  Block @1 darf au\u00DFer am Blockanfang nur Ziffern enthalten")
                     : QStringLiteral("Error!  Block @1 must not have numerals except in first position");
        break;
    default:
        pattern = de ? QStringLiteral("Fehler!  Block @1 darf nicht l\u00E4nger als @2 Zeichen sein")
                     : QStringLiteral("Error!  Block @1 must not be longer than @2 characters");
        break;
    }
    return ExpandText(pattern, args);
}

QString fit17(QString r)
{
    if (r.endsWith(u'-'))
        r.chop(1);
    if (r.size() > 17)
        return r.left(17);
    return r.leftJustified(17, u' ');
}

QString trimLeft(const QString& s)
{
    qsizetype i = 0;
    while (i < s.size() && s[i] == u' ')
        ++i;
    return s.mid(i);
}

QString trimRight(const QString& s)
{
    qsizetype n = s.size();
    while (n > 0 && s[n - 1] == u' ')
        --n;
    return s.left(n);
}
} // namespace

bool isItemNumberError(const QString& text)
{
    return text.startsWith(QLatin1String("Fehler!")) || text.startsWith(QLatin1String("Error!"));
}

QString SachNrForm(const QString& number)
{
    QString t = trimLeft(number).toUpper();
    QString r;
    for (int k = 1; k <= 3; ++k) {
        const int w = BlockWidth[k - 1];
        QChar c;
        if (!t.isEmpty()) {
            c = t[0];
            if (!(c == u'+' || c == u'*' || (c >= u'A' && c <= u'Z')))
                return numberMessage(288, {QString::number(k)});
            t = trimLeft(t.mid(1));
        }
        const qsizetype p = t.indexOf(u'-') + 1; // 1-based, 0 none
        QString d;
        if (p > w)
            return numberMessage(290, {QString::number(k), QString::number(w)});
        if (p > 0) {
            d = t.left(p - 1);
            t = trimLeft(t.mid(p));
        } else {
            d = t;
            t.clear();
        }
        for (QChar ch : d)
            if (!ch.isDigit() && ch != u'*')
                return numberMessage(289, {QString::number(k)});
        // A digit part longer than the block would be cut into another number.
        if (d.size() > w - 1)
            return numberMessage(290, {QString::number(k), QString::number(w)});
        r += (c.isNull() ? QString() : QString(c)) + d.rightJustified(w - 1, u' ') + u'-';
        if (k == 3 || t.isEmpty())
            break;
    }
    return fit17(r);
}

void YkNorm(const QString& number, QString& yk, QString& stand, bool standCheck)
{
    yk.clear();
    stand.clear();
    QString t = number.trimmed().toUpper();
    if (t.isEmpty())
        return;
    QString r;
    for (int k = 1; k <= 3; ++k) {
        const int w = BlockWidth[k - 1];
        const qsizetype p = t.indexOf(u'-');
        QString b;
        if (p >= 0) {
            b = trimRight(t.left(p));
            t = t.mid(p + 1);
        } else {
            b = trimRight(t);
            t.clear();
        }
        if (b.size() > w) {
            yk = numberMessage(290, {QString::number(k), QString::number(w)});
            return;
        }
        if (!b.isEmpty() || p >= 0)
            b = (b.isEmpty() ? QString() : b.left(1)) + QString(w - b.size(), u' ') + b.mid(1);
        r += b;
        if (p < 0)
            break;
        if (k < 3)
            r += u'-';
    }
    const QString rest = t.trimmed();
    if (standCheck && rest.size() > 2) {
        yk = numberMessage(290, {QStringLiteral("4"), QStringLiteral("2")});
        return;
    }
    yk = fit17(r);
    stand = rest.left(2).rightJustified(2, u' ');
}
