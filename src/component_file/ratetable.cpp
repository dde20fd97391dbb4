#include "component_file/ratetable.h"
#include "frame/workslots.h"
#include "frame/codepage.h"
#include "frame/interaction.h"
#include "frame/links.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"

#include <cmath>

namespace {
const QString kTitles =
    QStringLiteral("1=Bac,2=Tec,3=x,4=Kom1,5=Art,6=Tref,7=Dcode,8=Name Bac,9=AR min,10=AR max");
const QString kGroups = QStringLiteral("1=11,2=12,3=13,4=14,5=16,6=2,7=3,8=4,9=5,10=6,11=7");
} // namespace

QString RateTableModel::cellNumber(double value)
{
    // The user's convention in the grid: a decimal comma and a zero before it.
    QString s = plainNumber(value, true);
    if (s.startsWith(u'.'))
        s.prepend(u'0');
    else if (s.startsWith(QLatin1String("-.")))
        s.insert(1, u'0');
    s.replace(u'.', u',');
    return s;
}

QString RateTableModel::k1Text(double k1)
{
    if (k1 > 1) {
        // One digit before and one after the decimal separator, then the exponent.
        int e = int(std::floor(std::log10(k1)));
        double m = k1 / std::pow(10.0, e);
        m = std::round(m * 10) / 10;
        if (m >= 10) {
            m /= 10;
            ++e;
        }
        QString s = QString::number(m, 'f', 1).replace(u'.', u',');
        return s + (e < 0 ? QStringLiteral("E-") : QStringLiteral("E+")) + QString::number(std::abs(e));
    }
    return cellNumber(k1);
}

QString RateTableModel::artText(const QString& art)
{
    if (art == QLatin1String("B"))
        return QStringLiteral("Bit");
    if (art == QLatin1String("G"))
        return QStringLiteral("Gate");
    if (art == QLatin1String("T"))
        return QStringLiteral("Trans");
    return QString();
}

double RateTableModel::cellValue(const QString& text)
{
    QString t = text;
    t.replace(u',', u'.');
    return toSingle(readLeadingNumber(t));
}

QString RateTableModel::chooseGroup(const QString& popStr)
{
    const auto& menu = links<RateTableLinks>().groupMenu;
    return menu ? menu(popStr) : QString();
}

void RateTableModel::databaseError(const QString& proc, const DbError& e)
{
    MsgBoxRes(QStringLiteral("473"), Mb::OKOnly, prog().LangNr,
              {QStringLiteral("  %1: %2 !   ").arg(formName(), proc), QString::number(e.nativeCode()),
               AnsiToOem(e.message())});
}

void RateTableModel::FormLoad()
{
    try {
        openDatabase();
    } catch (const DbError& e) {
        databaseError(QStringLiteral("Load"), e);
        Tag = QStringLiteral("1");
        return;
    }
    AktGruppe.clear();
    titles.clear();
    const QString widths = widthList();
    for (int c = 1; c <= Cols; ++c) {
        const QString key = QString::number(c);
        titles << GetParam(kTitles, key);
        widthKeys[size_t(c - 1)] = int(readLeadingNumber(GetParam(widths, key)));
    }
    groups.clear();
    for (int i = 1; i <= 11; ++i)
        groups << GetParam(kGroups, QString::number(i));
    groupText = groups.first();
    SetDoc(groupText);
}

bool RateTableModel::SetDoc(const QString& group)
{
    if (group == AktGruppe)
        return true;
    AktGruppe = group;
    groupText = group;
    Snapshot rs;
    try {
        // The group is a prefix of BacTec: the engine's "*" matches the rest.
        rs = database()->snapshot(QStringLiteral("SELECT %1 FROM [ARMILQRM] WHERE JETLIKE([BacTec], ?) "
                                                 "AND [Dcode] <> ? ORDER BY [BacTec],[K1]")
                                      .arg(selectList()),
                                  {group + QStringLiteral("*"), QStringLiteral("")});
    } catch (const DbError& e) {
        databaseError(QStringLiteral("SetDoc"), e);
        Tag = QStringLiteral("1");
        return false;
    }
    ++reloads;
    if (rs.recordCount() == 0) {
        MsgBoxRes(QStringLiteral("44"), Mb::OKOnly, prog().LangNr, {group});
        return true;
    }
    setStatus(ResText(QStringLiteral("93"), prog().LangNr, true));
    beforeFill();
    rows.clear();
    k1Loaded.clear();
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        GridRow r;
        const QString bacTec = rs.text(QStringLiteral("BacTec"));
        r[0] = bacTec.left(4);
        r[1] = bacTec.mid(4, 4);
        r[2] = rs.text(QStringLiteral("X"));
        const QVariant k1 = rs.value(QStringLiteral("K1"));
        r[3] = k1.isNull() ? QString() : k1Text(k1.toDouble());
        r[4] = artText(rs.text(QStringLiteral("Art")));
        const QVariant tref = rs.value(QStringLiteral("Tref"));
        r[5] = tref.isNull() ? QString() : cellNumber(tref.toDouble());
        r[6] = rs.text(QStringLiteral("Dcode"));
        r[7] = rs.text(QStringLiteral("Txt"));
        const QVariant armin = rs.value(QStringLiteral("Armin"));
        const QVariant armax = rs.value(QStringLiteral("Armax"));
        r[8] = armin.isNull() ? QString() : cellNumber(armin.toDouble());
        r[9] = armax.isNull() ? QString() : cellNumber(armax.toDouble());
        rows.push_back(r);
        k1Loaded.push_back(k1);
        rowFilled(rowCount());
    }
    TopRow = 1;
    groupLoaded();
    setStatus(QString());
    return true;
}

// ---------------------------------------------------------------------------

QString YkViewModel::widthList() const
{
    return QStringLiteral("1=4,2=4,3=1,4=6,5=5,6=4,7=5,8=45,9=6,10=6");
}

void YkViewModel::openDatabase()
{
    // A handle of its own, read-only: SystDb stays as it is.
    mDb = Database::open(joinDesignPath(prog().WorkStr[Slot::SystemDir], QStringLiteral("SYST_DB.sqlite")), true);
}

QString YkViewModel::selectList() const
{
    return QStringLiteral("[Gr],[BacTec],[X],[K1],[Art],[Armin],[Armax],[Tref],[Dcode],[Txt]");
}

void YkViewModel::MenuYK(const QString& cmd, bool)
{
    if (cmd == QLatin1String("gr")) {
        const QString r = chooseGroup(QStringLiteral("yk"));
        if (r != QLatin1String("ABBRUCH"))
            SetDoc(r);
    } else if (cmd == QLatin1String("load")) {
        SetDoc(groupText);
    } else if (cmd == QLatin1String("can")) {
        Tag = QStringLiteral("1");
    }
}

namespace frmYKedit {
void Show0()
{
    YkViewModel model;
    model.FormLoad();
    if (model.Tag != QLatin1String("1")) {
        Question q;
        q.key = QStringLiteral("frmYKedit");
        ui().askRateTable(q, model, false);
    }
    model.close();
}
} // namespace frmYKedit
