#include "frame/infolistring.h"

#include <algorithm>

InfoListRing::InfoListRing(int fitRow) : mFitRow(std::max(0, fitRow))
{
    reset();
}

void InfoListRing::reset()
{
    mRows = QStringList{QString()};
    mShaded = QList<bool>{false};
    mCurRow = -1;
    mFixRow = -1;
}

void InfoListRing::setFitRow(int fitRow)
{
    mFitRow = std::max(0, fitRow);
}

void InfoListRing::add(const QString& text)
{
    // The grid takes its full height at the first line after loading.
    if (lastRow() != mFitRow) {
        mRows.resize(mFitRow + 1);
        mShaded.resize(mFitRow + 1, false);
        mCurRow = std::min(mCurRow, lastRow());
    }
    // At least one ring row must stay, else the next line would have nowhere to go.
    if (mFixRow >= lastRow()) {
        mFixRow = lastRow() - 1;
        mCurRow = std::min(mCurRow, lastRow());
    }
    if (mCurRow >= 0)
        mShaded[mCurRow] = false;
    ++mCurRow;
    if (mCurRow > lastRow())
        mCurRow = mFixRow + 1;
    mRows[mCurRow] = text;
    mShaded[mCurRow] = true;
    int next = mCurRow + 1;
    if (next > lastRow())
        next = mFixRow + 1;
    // A ring of a single row would otherwise empty the line just written.
    if (next != mCurRow)
        mRows[next].clear();
}

void InfoListRing::clear(bool auchFixed)
{
    if (auchFixed)
        mFixRow = -1;
    for (int r = std::max(0, mFixRow + 1); r <= lastRow(); ++r) {
        mRows[r].clear();
        mShaded[r] = false;
    }
    mCurRow = mFixRow;
}

void InfoListRing::fixLines(int lines)
{
    mFixRow = lines < 0 ? mCurRow : lines - 1;
    mCurRow = mFixRow;
}

bool InfoListRing::update(const QString& text)
{
    if (mCurRow < 0 || mCurRow > lastRow())
        return false;
    mRows[mCurRow] = text;
    return true;
}

void InfoListRing::settle()
{
    if (mCurRow >= 0 && mCurRow <= lastRow())
        mShaded[mCurRow] = false;
    for (int r = std::max(0, mCurRow + 1); r <= lastRow(); ++r)
        mRows[r].clear();
}

WaitKind waitKindOf(const QVariant& aufwas)
{
    switch (aufwas.typeId()) {
    case QMetaType::QString: return WaitKind::Text;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        switch (aufwas.toInt()) {
        case 0: return WaitKind::Ok;
        case 2: return WaitKind::Cancel;
        case -1: return WaitKind::Hide;
        default: return WaitKind::OtherInt;
        }
    default: return WaitKind::Other;
    }
}
