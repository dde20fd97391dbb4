#include "prediction/normwahl.h"
#include "frame/codepage.h"
#include "frame/interaction.h"
#include "frame/program.h"
#include "frame/restext.h"

namespace frmBEBez {

int NormWahl(const std::array<bool, 4>& Nmarke)
{
    const int lang = prog().LangNr;
    Question q;
    q.key = QStringLiteral("NormWahl");
    QStringList marks, options;
    for (int i = 1; i <= 3; ++i) {
        options << ResStr(0, 1755 + i, lang);
        if (Nmarke[i])
            marks << QString::number(i);
    }
    q.text = ResStr(0, 1752, lang);
    q.choices = options;
    const Answer a = ui().askNormChoice(q, NormChoiceParams{marks, ResStr(0, 1755, lang), ResStr(0, 1753, lang),
                                                            ResStr(0, 1754, lang),
                                                            ResText(QStringLiteral("450"), lang, true)});
    if (a.cancelled)
        return -1;
    // Only a method that was offered can be the answer.
    if (a.code >= 1 && a.code <= 3 && Nmarke[a.code])
        return a.code;
    return a.code == -1 ? -1 : 0;
}

} // namespace frmBEBez
