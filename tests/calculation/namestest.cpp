#include "calculation/calcfixture.h"
#include "calculation/names.h"
#include "frame/workslots.h"

#include <gtest/gtest.h>

namespace {

struct NameRow {
    const char* name;
    QString data;
    QString column;
    QString expected;
    QString codes;
};
void PrintTo(const NameRow& r, std::ostream* os) { *os << r.name; }

class BtNameTable : public CalcTest, public ::testing::WithParamInterface<NameRow> {};

TEST_P(BtNameTable, Names)
{
    const NameRow& row = GetParam();
    EXPECT_EQ(BtName(row.data, row.column), row.expected);
    EXPECT_EQ(work(7), row.codes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BtNameTable,
    ::testing::Values(
        NameRow{"plain", "Bac=4111", "N2", "Film resistor", ""},
        NameRow{"german", "Bac=4111,Tec=0000", "N1", "Schichtwiderstand", ""},
        // Key 5312123: characters 4 and 7 become 0 -> 5310120.
        NameRow{"contactsGerman", "Bac=5312,Tec=1234,Vf=25", "N1", "Schalter 25 KS", ""},
        NameRow{"contactsEnglish", "Bac=5312,Tec=1234,Vf=25", "N2", "Switch 25 contacts", ""},
        NameRow{"pinsGerman", "Bac=5200,Vf=9", "N1", "Steckverbinder 9 polig", ""},
        // Tec 4567: of its part 456 characters 5 and 6 of the key become 0.
        NameRow{"lampTechnology", "Bac=3711,Tec=4567", "N2", "Lamp", ""},
        NameRow{"integratedVlsi", "Bac=1311,K1=5Kg", "N2", "Digital IC VLSI", ""},
        NameRow{"integratedSmallK", "Bac=1311,K1=5kg", "N2", "Digital IC SSI", ""},
        NameRow{"optoMsi", "Bac=1661,K1=13g", "N2", "Optocoupler MSI", ""},
        NameRow{"noName", "Bac=4999", "N2", "", ",Warn=BtName"}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(CalcTest, BtNameFillsRunSlots)
{
    BtName("Bac=4211", "N1");
    EXPECT_EQ(p().RunStr[RunSlot::Bac], "4211");
    EXPECT_EQ(p().RunStr[RunSlot::Bac2], "42");
    EXPECT_EQ(p().RunStr[RunSlot::Bac3], "421");
    EXPECT_EQ(p().RunStr[RunSlot::Bac1], "4");
    EXPECT_EQ(p().RunStr[RunSlot::Tec], "0000");
}

TEST_F(CalcTest, PosBtNameOfSublistsNeedsNoTable)
{
    p().SystDb.reset(); // reading the table now would fail
    work(3) = "Bac=0000";
    EXPECT_EQ(PosBtName(1), "Qsl");
    work(3) = "Bac=0100";
    EXPECT_EQ(PosBtName(2), "Modul mit eigener Qsl");
}

TEST_F(CalcTest, PosBtNameLeavesOutSubComponentsWithoutName)
{
    work(3) = "Bac=4111";
    work(4) = "Bac=5312,Tec=1234,Vf=2,Bac=4999,Bac=4211,Tec=1230";
    EXPECT_EQ(PosBtName(2), "Film resistor + Switch 2 contacts + Wirewound resistor");
    EXPECT_EQ(work(7), ",Warn=BtName");
}

struct KomplexRow {
    const char* name;
    QString data;
    QString kompl;
    QString text;
};
void PrintTo(const KomplexRow& r, std::ostream* os) { *os << r.name; }

class KomplexTable : public ::testing::TestWithParam<KomplexRow> {};

TEST_P(KomplexTable, Classifies)
{
    QString kompl = "?", text = "?";
    KomplexText(GetParam().data, kompl, text);
    EXPECT_EQ(kompl, GetParam().kompl);
    EXPECT_EQ(text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KomplexTable,
    ::testing::Values(KomplexRow{"memoryCount", "Bac=1112,K1=64Kb", "64K", "64K b"},
                      KomplexRow{"class121WithK2", "Bac=1211,K1=8Kb,K2=2Kg", "2K g", "8K b + 2K g"},
                      KomplexRow{"class121WithoutK2", "Bac=1211,K1=8Kb", "?", "8K b"},
                      KomplexRow{"class126Scale", "Bac=1261,K1=50g", "MSI", "MSI 50 g"},
                      KomplexRow{"class124Nothing", "Bac=1241,K1=50g", "?", "?"},
                      KomplexRow{"opto11HasNoClass", "Bac=1661,K1=11g", "", " 11 g"},
                      KomplexRow{"opto16Lsi", "Bac=1661,K1=16g", "LSI", "LSI 16 g"},
                      KomplexRow{"group16Scale", "Bac=1611,K1=1Kt", "LSI", "LSI 1K t"},
                      // The upper bound of a pair counts: 5000 gates.
                      KomplexRow{"pairUpperBound", "Bac=1311,K1=50/5Kg", "VLSI", "VLSI 50/5K g"},
                      KomplexRow{"betweenRanges", "Bac=1311,K1=10.5g", "", " 10.5 g"},
                      KomplexRow{"slsi", "Bac=1311,K1=1Mt", "SLSI", "SLSI 1M t"}),
    [](const auto& i) { return std::string(i.param.name); });

} // namespace
