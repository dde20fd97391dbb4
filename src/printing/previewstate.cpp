#include "printing/previewstate.h"
#include "frame/interaction.h"
#include "frame/program.h"
#include "frame/restext.h"

PreviewState::PreviewState(int pages, bool archive, bool pdf)
    : ArchivJa(archive), pdfOffered(pdf), archiveButtons(archive), mPages(pages)
{
    // The page count is a 16-bit number in the window.
    if (mPages > 32767)
        mPages = 32767;
}

bool PreviewState::command(const QString& key)
{
    if (mDecided)
        return false;
    const int32_t before = AktSeite;
    if (key.startsWith(QLatin1String("pr")) || key == QLatin1String("arch")) {
        if (mPages > 20 && MsgBoxRes(QStringLiteral("94"), Mb::YesNo, prog().LangNr, {QString::number(mPages)}) == Mb::No)
            return false;
        if (key == QLatin1String("pr ohne"))
            ArchivJa = false;
        else if (key == QLatin1String("arch"))
            NurArchiv = true;
        mDecided = true;
        return false;
    }
    if (key == QLatin1String("<<"))
        AktSeite = 1;
    else if (key == QLatin1String("<")) {
        if (AktSeite > 1)
            --AktSeite;
    } else if (key == QLatin1String(">")) {
        if (AktSeite < mPages)
            ++AktSeite;
    } else if (key == QLatin1String(">>"))
        AktSeite = mPages;
    else if (key == QLatin1String("can")) {
        AktSeite = 0;
        mDecided = true;
    }
    return AktSeite != before && AktSeite > 0;
}

void PreviewState::close()
{
    if (!mDecided) {
        AktSeite = 0;
        mDecided = true;
    }
}

bool PreviewState::goToPage(int page)
{
    if (mDecided || page < 1 || page > mPages)
        return false;
    AktSeite = page;
    return true;
}
