#include "calculation/calcinterface.h"
#include "frame/workslots.h"
#include "calculation/conditions.h"
#include "calculation/norm.h"
#include "calculation/shippeddb.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"

// Every class and technology of the shipped failure-rate list, predicted by the
// norm and the user list under reference conditions (ambient 40 degC, environment
// Gb), gives a rate; at reference conditions every factor is 1, so the rates are
// the base rates of the norm list and of the user list.
namespace {

struct ListRow {
    QString bacTec;
    double k1 = 0;
    QString art;
    QString norm; // the base rate pair in rate form
};

// Classes whose norm model needs a multiple factor.
bool needsMultipleFactor(const QString& bac)
{
    const int c = bac.left(3).toInt();
    return c == 322 || c == 425 || (c >= 521 && c <= 524) || (c >= 531 && c <= 536) || (c >= 541 && c <= 545) ||
           c == 554;
}

TEST_F(ShippedDb, EveryClassPredictsItsBaseRatesUnderReferenceConditions)
{
    std::vector<ListRow> rows;
    {
        // the first complexity band of each class and technology
        Snapshot s = db().snapshot(QStringLiteral("SELECT BacTec, K1, Art, Armin, Armax FROM ARMILQRM "
                                                  "WHERE Dcode <> '' ORDER BY BacTec, K1"));
        for (s.moveFirst(); !s.eof(); s.moveNext()) {
            if (!rows.empty() && rows.back().bacTec == s.text(0))
                continue;
            rows.push_back({s.text(0), s.value(1).toDouble(), s.text(2),
                            rateForm(toSingle(s.value(3).toDouble()), toSingle(s.value(4).toDouble()))});
        }
    }
    ASSERT_GT(rows.size(), 150u);
    for (const ListRow& row : rows) {
        const QString bac = row.bacTec.left(4);
        QString q = QStringLiteral("Bac=%1,Tec=%2").arg(bac, row.bacTec.mid(4));
        if (bac.startsWith(u'1'))
            q += QStringLiteral(",K1=") + plainNumber(row.k1) + row.art.toLower();
        if (needsMultipleFactor(bac))
            q += QStringLiteral(",Vf=1");
        setComponent(QStringLiteral("Re=Ref"), QStringLiteral("Norm=13,Env=Gb,Tu=40"), q);
        PosBelastung(0);
        FitNorm(0);
        const QString& r = p().WorkStr[Slot::R];
        SCOPED_TRACE(q.toStdString() + " R: " + r.toStdString() + " F: " + p().WorkStr[Slot::F].toStdString());
        EXPECT_TRUE(errCodes(p().WorkStr[Slot::F]).isEmpty());
        EXPECT_EQ(GetParam(r, QStringLiteral("Fit")).toStdString(), row.norm.toStdString());
        const ParamPair aws = GetParamPair(r, QStringLiteral("Fita"));
        EXPECT_GT(aws.valueMin, 0);
    }
}

// The user list carries values of its own for some classes: a metal film resistor
// computes its user-list rate from them and its norm rate from the norm list.
TEST_F(ShippedDb, UserListRatesDifferWhereTheUserEnteredThem)
{
    setComponent(QStringLiteral("Re=Ref"), QStringLiteral("Norm=13,Env=Gb,Tu=40"), QStringLiteral("Bac=4210,Tec=0000"));
    PosBelastung(0);
    FitNorm(0);
    const QString& r = p().WorkStr[Slot::R];
    EXPECT_EQ(GetParam(r, QStringLiteral("Fit")).toStdString(), "0.2/0.6");
    EXPECT_EQ(GetParam(r, QStringLiteral("Fita")).toStdString(), "0.1/0.4");
}

// A contactor adds the rate of class 5550 for each auxiliary contact.
TEST_F(ShippedDb, ContactorAddsTheRateOfItsAuxiliaryContacts)
{
    setComponent(QStringLiteral("Re=Ref"), QStringLiteral("Norm=1,Env=Gb,Tu=40"),
                 QStringLiteral("Bac=5510,Tec=0000,Hisch=2"));
    PosBelastung(0);
    FitNorm(0);
    // base 10/30 plus 2 x 2 (Armin of 5550)
    EXPECT_EQ(GetParam(p().WorkStr[Slot::R], QStringLiteral("Fit")).toStdString(), "14/34");
}

// The summary position at the end of every sub-list is computed with the norm.
TEST_F(ShippedDb, SummaryPositionHasANormRate)
{
    setComponent(QStringLiteral("Re=Ref"), QStringLiteral("Norm=1,Env=Gb,Tu=40"), QStringLiteral("Bac=5112"));
    PosBelastung(0);
    FitNorm(0);
    EXPECT_EQ(GetParam(p().WorkStr[Slot::R], QStringLiteral("Fit")).toStdString(), "0.5/2");
}

} // namespace
