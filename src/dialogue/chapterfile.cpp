#include "dialogue/chapterfile.h"
#include "frame/codepage.h"
#include "frame/markers.h"
#include "frame/paths.h"

#include <QFile>

namespace {
constexpr char16_t kMarkerClose = 174;
constexpr char16_t kSegmentSep = 221;
} // namespace

std::optional<QStringList> readOemLines(const QString& designPath)
{
    QFile f(nativePath(designPath));
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray all = f.readAll();
    QStringList lines;
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype nl = all.indexOf('\n', start);
        const qsizetype stop = nl < 0 ? all.size() : nl;
        QByteArray line = all.mid(start, stop - start);
        if (line.endsWith('\r'))
            line.chop(1);
        lines << fromBytes(line);
        if (nl < 0)
            break;
        start = nl + 1;
    }
    return lines;
}

Chapter readChapter(const QString& designPath, const QString& kap)
{
    Chapter ch;
    const auto lines = readOemLines(designPath);
    if (!lines)
        return ch;
    qsizetype first = 0;
    if (!kap.isEmpty()) {
        const QString head = u'?' + kap + EndeZeichen;
        first = lines->indexOf(head);
        if (first < 0 || first == lines->size() - 1) {
            ch.status = ChapterStatus::ChapterMissing;
            return ch;
        }
        ++first;
    }
    for (qsizetype i = first; i < lines->size(); ++i) {
        if (lines->at(i).startsWith(u'?'))
            break;
        ch.lines << lines->at(i);
    }
    ch.status = ChapterStatus::Found;
    return ch;
}

std::optional<DiaLine> splitDiaLine(const QString& raw)
{
    qsizetype n = raw.size();
    while (n > 0 && raw[n - 1] == u' ')
        --n;
    if (n < 2)
        return std::nullopt;
    return DiaLine{raw[0], raw.mid(1, n - 2), raw[n - 1]};
}

QString finishDiaText(const QString& text, QChar flag, QChar hyphenFlag)
{
    QString t = text;
    if (flag == hyphenFlag)
        t += u'-';
    if (t.endsWith(u'^'))
        t.chop(1);
    t.replace(u'^', u' ');
    return t;
}

QString replaceRet(const QString& raw, const QString& ret)
{
    const qsizetype p = raw.indexOf(QLatin1String("RET$"));
    if (p < 0)
        return raw;
    return raw.left(p) + ret + raw.mid(p + 4);
}

QString keyListOf(const QString& text)
{
    QString k = QStringLiteral(",13");
    if (text.contains(QLatin1String("<TAB>")))
        k += QLatin1String(",9");
    if (text.contains(QLatin1String("<ESC>")))
        k += QLatin1String(",27");
    if (text.contains(QLatin1String("<F1>")))
        k += QLatin1String(",59");
    return k + u',';
}

DiaMarker findActionMarker(const QString& text)
{
    DiaMarker m;
    const qsizetype p = text.indexOf(QString(QChar(DiaMarkerCode)) + u'A');
    if (p < 0 || p + 3 >= text.size())
        return m;
    m.found = true;
    m.pos = int(p) + 1;
    m.key = text[p + 2];
    m.end = m.pos + 3;
    m.rest = text.mid(p + 4);
    return m;
}

DiaMarker findClosedMarker(const QString& text, QChar letter)
{
    DiaMarker m;
    const qsizetype p = text.indexOf(QString(QChar(DiaMarkerCode)) + letter);
    if (p < 0 || p + 2 >= text.size())
        return m;
    const qsizetype q = text.indexOf(QChar(kMarkerClose), p + 3);
    if (q < 0)
        return m;
    m.found = true;
    m.pos = int(p) + 1;
    m.key = text[p + 2];
    m.end = int(q) + 1;
    m.rest = text.mid(q + 1);
    return m;
}

QList<RowButton> parseButtonRow(const QString& text)
{
    QList<RowButton> out;
    for (const QString& seg : text.split(QChar(kSegmentSep))) {
        const qsizetype lt = seg.indexOf(u'<');
        const qsizetype gt = lt < 0 ? -1 : seg.indexOf(u'>', lt + 1);
        if (gt < 0)
            continue;
        const QString name = seg.mid(lt + 1, gt - lt - 1);
        if (name.isEmpty() || name == QLatin1String("F1"))
            continue;
        qsizetype cut = -1;
        for (qsizetype i = 0; i < seg.size(); ++i) {
            if (seg[i] != u' ')
                continue;
            const QStringView after = QStringView(seg).mid(i + 1);
            if (after.startsWith(QLatin1String("mit")) || after.startsWith(QLatin1String("with"))) {
                cut = i;
                break;
            }
        }
        out << RowButton{(cut >= 0 ? seg.left(cut) : seg.left(lt)).trimmed(), name};
    }
    return out;
}

QString textPageRecord(const QString& line)
{
    QString t = line;
    t.replace(u'^', u' ');
    qsizetype n = t.size();
    while (n > 0 && t[n - 1] == u' ')
        --n;
    t.truncate(n);
    return t.leftJustified(120, u' ', true);
}
