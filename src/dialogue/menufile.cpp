#include "dialogue/menufile.h"
#include "frame/codepage.h"
#include "frame/errors.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/paths.h"

#include <QFile>

namespace {

const QString kRule = QStringLiteral("--------");
const QString kBlankRow = QStringLiteral("   ");
const QString kSubmenuMark = QStringLiteral("\u00A7>");

QStringList readAnsiLines(const QString& popFile)
{
    QFile f(nativePath(popFile));
    if (!f.open(QIODevice::ReadOnly))
        throw TarnError(QStringLiteral("File not found: %1").arg(popFile), ErrNo::FileNotFound);
    QStringList lines;
    const QList<QByteArray> raw = f.readAll().split('\n');
    for (qsizetype i = 0; i < raw.size(); ++i) {
        QByteArray line = raw[i];
        if (line.endsWith('\r'))
            line.chop(1);
        // The split leaves an empty piece behind a final line end.
        if (i == raw.size() - 1 && line.isEmpty())
            break;
        lines << fromAnsi(line);
    }
    return lines;
}

void addRow(MenuRows& m, int& n, MenuRow row)
{
    ++n;
    if (int(m.rows.size()) <= n)
        m.rows.resize(n + 1);
    m.rows[n] = std::move(row);
}

} // namespace

MenuChapter readMenuChapter(const QString& popFile, const QString& Kap)
{
    const QStringList all = readAnsiLines(popFile);
    MenuChapter c;
    qsizetype i = 0;
    if (!Kap.isEmpty()) {
        const QString head = u'@' + Kap;
        while (i < all.size() && all[i].trimmed() != head)
            ++i;
        ++i; // behind the head
        if (i >= all.size())
            return c; // missing, or the head is the last line
    }
    c.found = true;
    for (; i < all.size(); ++i) {
        if (all[i].trimmed().startsWith(u'@'))
            break;
        c.lines << all[i];
    }
    return c;
}

MenuLine splitMenuLine(const QString& raw)
{
    const QString line = raw.trimmed();
    MenuLine l;
    if (line.isEmpty())
        return l;
    l.kind = line.at(0);
    if (line.size() > 2) {
        QString code = line.mid(1, 4);
        while (code.endsWith(u' '))
            code.chop(1);
        l.code = code;
    }
    l.text = line.mid(5).trimmed();
    return l;
}

MenuRows buildMenuRows(const QStringList& lines, const StandardItems& items)
{
    MenuRows m;
    m.rows.resize(1);
    m.rows[0].state = QStringLiteral("0");
    int n = 0;
    bool rulePending = false;
    bool blankPending = false;
    const MenuRow fixedRule{kRule, {}, QStringLiteral("0"), {}};

    for (const QString& raw : lines) {
        const MenuLine l = splitMenuLine(raw);
        if (l.kind.isNull())
            continue;
        const char16_t kind = l.kind.unicode();
        if (kind == u'X') {
            addRow(m, n, {kBlankRow, {}, QStringLiteral("0"), {}});
            continue;
        }
        if (kind == u'L') {
            addRow(m, n, fixedRule);
            continue;
        }
        if (l.text.isEmpty())
            continue;
        switch (kind) {
        case u'Z': {
            addRow(m, n, fixedRule);
            // The code is the indent; a code that is no number indents by none.
            const int indent = std::max(0, int(readLeadingNumber(l.code)));
            addRow(m, n, {QString(indent, u' ') + l.text, {}, QStringLiteral("0"), {}});
            break;
        }
        case u'F':
            addRow(m, n, {QString(16, u' ') + l.text, {}, QStringLiteral("-"), {}});
            blankPending = true;
            break;
        case u'C':
            addRow(m, n, {l.text, {}, QStringLiteral("0"), {}});
            rulePending = true;
            break;
        case u'I':
            // The title always takes rows 1 and 2; whatever came before is dropped.
            m.rows.resize(3);
            m.rows[1] = {l.text, {}, QStringLiteral("0"), {}};
            m.rows[2] = fixedRule;
            n = 2;
            break;
        case u'A': {
            if (rulePending) {
                addRow(m, n, fixedRule);
                rulePending = false;
            } else if (blankPending) {
                addRow(m, n, {kBlankRow, {}, QStringLiteral("0"), {}});
            }
            blankPending = false;
            QString text = l.text;
            QString submenu;
            const qsizetype g = text.indexOf(kSubmenuMark);
            if (g >= 0) {
                const QString target = GetParam(text.mid(g + 1), QStringLiteral(">")).trimmed();
                if (!target.isEmpty()) {
                    submenu = target;
                    text = text.left(g) + QStringLiteral("   >");
                } else if (text.endsWith(kSubmenuMark)) {
                    text = text.chopped(2) + QStringLiteral("   >");
                    submenu = QStringLiteral(">");
                }
            }
            const QString hotKey = l.code.left(1);
            addRow(m, n, {(l.code + QString(5, u' ')).left(6) + text, submenu, QString(), hotKey});
            m.hotKeys += u',' + hotKey;
            break;
        }
        default: break; // unknown kinds are skipped without a word
        }
    }

    if (items.addButt != 0) {
        auto standard = [&](const QString& text) {
            const QString key = text.mid(1, 1);
            addRow(m, n, {text, {}, QString(), key});
            m.hotKeys += u',' + key;
        };
        addRow(m, n, fixedRule);
        if (items.addButt & 4) {
            standard(items.help);
            addRow(m, n, fixedRule);
        }
        if (items.addButt & 2)
            standard(items.back);
        if (items.addButt & 1)
            standard(items.cancel);
    }
    m.rows.resize(n + 1);
    return m;
}

QString menuRowCode(const QString& caption)
{
    const QString s = caption.trimmed();
    const qsizetype gap = s.indexOf(QLatin1String("  "));
    return gap >= 0 ? s.left(gap) : s;
}
