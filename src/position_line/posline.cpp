#include "position_line/posline.h"
#include "frame/errors.h"
#include "frame/errptnr.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/workslots.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {
struct Marker {
    const char16_t* text;
    int slot;
};
// In the order of the canonical join.
constexpr std::array<Marker, 6> Markers{{{u",Q,", 3}, {u",Z,", 4}, {u",S,", 6}, {u",F,", 7}, {u",R,", 8}, {u",B,", 5}}};

void splitLine(const QString& Pos, QString& Stc)
{
    auto& w = prog().WorkStr;
    for (int i = Slot::Ident; i <= Slot::R; ++i)
        w[i].clear();
    Stc = QStringLiteral("Stck=") + GetParam(Pos, QStringLiteral("Stck"));

    QString copy = Pos;
    SetParam(copy, QStringLiteral("Stck"), QString());
    if (copy.isEmpty())
        return;
    // A Q section right behind the quantity lost its leading comma with the item.
    if (copy.startsWith(QLatin1String("Q,")))
        copy.prepend(u',');

    struct Found {
        qsizetype pos;
        int slot;
    };
    std::vector<Found> found;
    found.reserve(std::size(Markers));
    bool hasQ = false;
    for (const Marker& m : Markers) {
        const qsizetype p = copy.indexOf(QStringView(m.text));
        if (p >= 0) {
            found.push_back({p, m.slot});
            if (m.slot == 3)
                hasQ = true;
        }
    }
    if (found.empty()) {
        w[Slot::Ident] = copy;
        return;
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) { return a.pos < b.pos; });

    w[Slot::Ident] = copy.left(found[0].pos);
    if (!hasQ) {
        // A sub-list reference in the work file carries its head in the B section;
        // its code and technology belong to the identity of the position.
        const QString behind = copy.mid(found[0].pos + 3);
        for (const char* key : {"Code", "Tec"}) {
            const QString k = QString::fromLatin1(key);
            const QString v = GetParam(behind, k);
            if (!v.isEmpty())
                SetParam(w[Slot::Ident], k, v);
        }
    }
    for (std::size_t i = 0; i < found.size(); ++i) {
        const qsizetype start = found[i].pos + 3;
        const qsizetype end = (i + 1 < found.size()) ? found[i + 1].pos : copy.size();
        w[found[i].slot] = copy.mid(start, end - start);
    }
}

void joinLine(const QString& Stc, QString& Pos)
{
    auto& w = prog().WorkStr;
    Pos = Stc;
    if (!w[Slot::Ident].isEmpty())
        Pos += u',' + w[Slot::Ident];
    for (const Marker& m : Markers) {
        QString& slot = w[m.slot];
        if (slot.startsWith(u','))
            slot.remove(0, 1);
        if (!slot.isEmpty())
            Pos += QString::fromUtf16(m.text) + slot;
    }
}

// The error handler's answers: 0 repeat, 1/2 leave with what is there, 3 end.
template <typename F>
void withHandler(const char* module, const char* proc, F&& body)
{
    for (;;) {
        try {
            body();
            return;
        } catch (const ProgramEndRequested&) {
            throw;
        } catch (const std::exception& e) {
            const int a = ErrPtnr::OnError(QString::fromLatin1(module), QString::fromLatin1(proc), e);
            if (a == 0)
                continue;
            if (a == 3)
                throw ProgramEndRequested();
            return;
        }
    }
}
} // namespace

void PosTrenn(const QString& Pos, QString& Stc)
{
    ErrPtnr::CallStack(QStringLiteral("[EQSL] Sub PosTrenn(Pos$, Stc$)"));
    ErrPtnr::CallStackParam(QStringLiteral("Pos"), Pos);
    withHandler("EQSL", "PosTrenn", [&] { splitLine(Pos, Stc); });
}

void PosFueg(const QString& Stc, QString& Pos)
{
    ErrPtnr::CallStack(QStringLiteral("[XHAP] Sub PosFueg(Stc$, Pos$)"));
    ErrPtnr::CallStackParam(QStringLiteral("Stc"), Stc);
    withHandler("XHAP", "PosFueg", [&] { joinLine(Stc, Pos); });
}

void PosRwSetz(const QString& Rw, const QString& Chpfg)
{
    if (Rw != QLatin1String("1") && Chpfg.isEmpty())
        return;
    auto& w = prog().WorkStr;
    QString Stc;
    PosTrenn(w[Slot::Line], Stc);
    if (Rw == QLatin1String("1"))
        SetParam(w[Slot::S], QStringLiteral("Rw"), QStringLiteral("1"));
    if (!Chpfg.isEmpty())
        SetParam(w[Slot::S], QStringLiteral("Chpfg"), Chpfg);
    QString line;
    PosFueg(Stc, line);
    w[Slot::Line] = line;
}

QString positionLine(const QString& quantityAndIdentity, const QString& sl, bool subList, const QString& comment)
{
    QString line = QStringLiteral("Stck=") + quantityAndIdentity;
    if (!sl.isEmpty())
        line += QStringLiteral(",Sl=") + sl;
    if (subList)
        line += QStringLiteral(",Qm=Qsl");
    if (!comment.trimmed().isEmpty())
        line += QStringLiteral("! ") + comment;
    return line;
}
