#include "prediction/workpass.h"
#include "frame/workslots.h"
#include "frame/errors.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"

#include <QFile>
#include <filesystem>

QString WorkFilePass::qpoPath()
{
    return joinDesignPath(prog().WorkStr[Slot::Tp2], QStringLiteral("qpo"));
}

QString WorkFilePass::qpohPath()
{
    return joinDesignPath(prog().WorkStr[Slot::Tp2], QStringLiteral("qpoh"));
}

WorkFilePass::WorkFilePass()
{
    if (!mIn.open(qpoPath()))
        throw TarnError(QStringLiteral("File not found: %1").arg(qpoPath()), ErrNo::FileNotFound);
    if (!mOut.open(qpohPath()))
        throw TarnError(QStringLiteral("Path/File access error: %1").arg(qpohPath()), ErrNo::PathFileAccess);
}

WorkFilePass::~WorkFilePass()
{
    if (mFinished)
        return;
    mIn.close();
    try {
        mOut.close();
    } catch (...) {
    }
    QFile::remove(nativePath(qpohPath()));
}

void WorkFilePass::finish()
{
    mIn.close();
    mOut.close();
    mFinished = true;
    // The rename replaces qpo in one step, so qpo is never missing or half written.
    const QString from = nativePath(qpohPath());
    const QString to = nativePath(qpoPath());
    std::error_code ec;
    std::filesystem::rename(std::filesystem::path(from.toStdString()), std::filesystem::path(to.toStdString()), ec);
    if (ec)
        throw TarnError(QStringLiteral("Cannot rename '%1' to '%2': %3").arg(from, to, QString::fromStdString(ec.message())),
                        ErrNo::PathFileAccess);
}

double quantityOf(const QString& line)
{
    return readLeadingNumber(GetParam(line, QStringLiteral("Stck")));
}
