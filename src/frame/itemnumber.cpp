#include "frame/itemnumber.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "frame/textlib.h"

namespace {
constexpr int kBlockWidth[3] = {6, 5, 4};
constexpr int kLength = 17;

QString message(const char* number, int block, int width = 0)
{
    QStringList args{QString::number(block)};
    if (width > 0)
        args << QString::number(width);
    return ResText(QString::fromLatin1(number), prog().LangNr, true, args);
}

QString toLength(QString r)
{
    if (r.endsWith(u'-'))
        r.chop(1);
    return r.leftJustified(kLength, u' ', true);
}

bool isBlockLetter(QChar c)
{
    return c == u'+' || c == u'*' || (c >= u'A' && c <= u'Z');
}
} // namespace

QString SachNrForm(const QString& number)
{
    QString t = withoutLeadingBlanks(number).toUpper();
    QString r;
    for (int k = 1; k <= 3; ++k) {
        const int w = kBlockWidth[k - 1];
        const QString c = t.left(1);
        if (!c.isEmpty() && !isBlockLetter(c[0]))
            return message("288", k);
        t = withoutLeadingBlanks(t.mid(1));
        QString d;
        const qsizetype dash = t.indexOf(u'-');
        if (dash >= 0) {
            d = t.left(dash);
            t = withoutLeadingBlanks(t.mid(dash + 1));
        } else {
            d = t;
            t.clear();
        }
        if (d.size() > w - 1)
            return message("290", k, w);
        for (const QChar ch : d)
            if (!(ch >= u'0' && ch <= u'9') && ch != u'*')
                return message("289", k);
        r += c + d.rightJustified(w - 1, u' ') + u'-';
        if (t.isEmpty())
            break;
    }
    return toLength(r);
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
        const int w = kBlockWidth[k - 1];
        const qsizetype dash = t.indexOf(u'-');
        QString b;
        if (dash >= 0) {
            b = withoutTrailingBlanks(t.left(dash));
            t = t.mid(dash + 1);
        } else {
            b = withoutTrailingBlanks(t);
            t.clear();
        }
        if (b.size() > w) {
            yk = message("290", k, w);
            return;
        }
        if (!b.isEmpty() || dash >= 0)
            r += b.left(1) + QString(w - b.size(), u' ') + b.mid(1);
        if (dash >= 0 && k < 3)
            r += u'-';
        if (dash < 0)
            break;
    }
    yk = toLength(r);
    const QString rest = t.trimmed();
    if (standCheck && rest.size() > 2) {
        yk = message("290", 4, 2);
        return;
    }
    stand = rest.left(2).rightJustified(2, u' ');
}

bool isItemNumberError(const QString& value)
{
    return value.startsWith(QLatin1String("Fehler!")) || value.startsWith(QLatin1String("Error!"));
}
