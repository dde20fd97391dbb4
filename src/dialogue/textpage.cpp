#include "dialogue/textpage.h"
#include "dialogue/oemtext.h"
#include "frame/markers.h"
#include "frame/numbers.h"
#include "frame/program.h"

#include <algorithm>

namespace {
constexpr char16_t kSpanOpen = 16;
constexpr char16_t kSpanClose = 17;
} // namespace

void TextPage::setup(const QStringList& pageRecords, bool cancelButton)
{
    records = pageRecords;
    columns = 120;
    rows = 25;
    resultWord.clear();
    keyResult.clear();
    mode = QStringLiteral("BTX");
    KoloR(QStringLiteral("w"));
    texts.clear();
    buttons.clear();
    firstShown = 1;
    scrollBarVisible = recordCount() >= 21;
    scrollMax = scrollBarVisible ? recordCount() - 20 : 0;
    DisplayBTX(0, 20);

    ScreenButton go;
    go.place = 1;
    go.caption = prog().LangNr == 2 ? QStringLiteral("Con&tinue") : QStringLiteral("&Weiter");
    go.tag = QStringLiteral("ENTER");
    go.isDefault = true;
    addButton(go);
    if (cancelButton) {
        ScreenButton cancel;
        cancel.place = 3;
        cancel.caption = interfaceText(1501, prog().LangNr);
        cancel.tag = QStringLiteral("ESC");
        cancel.isCancel = true;
        addButton(cancel);
    }
    layoutButtons();
    keyList = QStringLiteral(",13,27");
}

void TextPage::scrollTo(int value)
{
    value = std::clamp(value, 0, scrollMax);
    firstShown = value + 1;
    DisplayBTX(0, 20);
}

void TextPage::DisplayBTX(int first, int last)
{
    // Redrawing from an empty list leaves nothing of a longer previous page.
    texts.clear();
    int row = 1;
    for (int i = first; i <= last; ++i) {
        const int rec = firstShown + i;
        if (rec > recordCount())
            break;
        QString r = records[rec - 1];
        qsizetype n = r.size();
        while (n > 0 && r[n - 1] == u' ')
            --n;
        r.truncate(n);
        if (r.isEmpty()) {
            ++row;
            continue;
        }
        const QChar type = r[0];
        const QChar flag = r.back();
        QString text = r.size() >= 2 ? r.mid(1, r.size() - 2) : QString();
        n = text.size();
        while (n > 0 && text[n - 1] == u' ')
            --n;
        text.truncate(n);
        if (flag == FolgeZeichen)
            text += u'-';

        int col = 2;
        switch (type.unicode()) {
        case u'*':
        case u'#': {
            if (text.isEmpty() && row == 1)
                continue;
            QString rest = text;
            while (!rest.isEmpty()) {
                const qsizetype p = rest.indexOf(QChar(kSpanOpen));
                if (p < 0) {
                    texts << DrawnText{col, row, rest, QChar(u't')};
                    break;
                }
                if (p > 0) {
                    texts << DrawnText{col, row, rest.left(p), QChar(u't')};
                    col += int(p);
                }
                rest = rest.mid(p + 1);
                const qsizetype q = rest.indexOf(QChar(kSpanClose));
                const QString span = u' ' + (q < 0 ? rest : rest.left(q)) + u' ';
                texts << DrawnText{col, row, span, QChar(u'i')};
                col += int(span.size());
                rest = q < 0 ? QString() : rest.mid(q + 1);
            }
            break;
        }
        case u'I':
            if (row == 1) {
                caption = text;
                continue;
            }
            PRIF(col, row, text, QChar(u'i'));
            break;
        case u'J':
            col = 1;
            PRIF(col, row, u' ' + text + u' ', QChar(u'i'));
            break;
        case u'F':
        case u'G':
            PRIF(col, row, text, QChar(u'f'));
            break;
        case u'H':
            PRIF(col, row, text, QChar(u'h'));
            break;
        case u'U':
            PRIF(col, row, text, QChar(u'u'));
            break;
        case u'L': {
            const int code = int(readLeadingNumber(text));
            PRIF(col, row, QString(78, QChar(char16_t(code & 0xFF))), QChar(u't'));
            break;
        }
        default:
            PRIF(col, row, text, QChar(u't'));
            break;
        }
        ++row;
    }
}

void TextPage::pressEnter()
{
    if (mEnded)
        return;
    resultWord.clear();
    end();
}
