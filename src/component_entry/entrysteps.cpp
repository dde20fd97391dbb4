#include "component_entry/entrysteps.h"
#include "dialogue/beprogein.h"
#include "dialogue/dia.h"
#include "frame/program.h"

namespace entry {

QString langFile(const QString& name)
{
    return prog().LangDir + name;
}

int menu(const QString& file, const QString& chapter, QString& kz, const QString& Bez, int PopNr, int AddButt)
{
    int comTop = 0;
    kz.clear();
    return frmBEProgEin::BEBacTecWahl(langFile(file), chapter, QString(), kz, Bez, PopNr, comTop, AddButt);
}

int screen(const QString& file, const QString& chapter, const QString& clear, QString& Ret, int AddButt)
{
    QStringList& f = felder();
    for (const QChar d : clear) {
        const int i = d.digitValue();
        while (f.size() <= i)
            f.append(QString());
        f[i].clear();
    }
    QString kz, startBis;
    return frmDia::DIN(langFile(file), chapter, kz, startBis, f, Ret, AddButt);
}

QStringList& felder()
{
    return frmBEProgEin::state().EingabeFelder;
}

QString field(int d)
{
    return felder().value(d);
}

void panel(const QString& text)
{
    frmBEProgEin::AnzQbSdTxt(1, text);
}

QString rtrim(const QString& text)
{
    qsizetype n = text.size();
    while (n > 0 && text[n - 1] == u' ')
        --n;
    return text.left(n);
}

QString ltrim(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    return text.mid(i);
}

} // namespace entry
