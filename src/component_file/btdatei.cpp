#include "component_file/btdatei.h"
#include "frame/workslots.h"
#include "component_file/btinh.h"
#include "component_file/btjournal.h"
#include "component_file/btlock.h"
#include "component_file/dosfile.h"
#include "frame/codepage.h"
#include "frame/interaction.h"
#include "frame/markers.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "frame/textlib.h"

#include <QDir>
#include <QFileInfo>

QString freePage()
{
    return QString(PageLength, EndeZeichen);
}

QString freshHeader()
{
    QString h = QStringLiteral("Ss=00,Ib=0000");
    for (int gg = 11; gg <= 99; ++gg)
        if (!GetParam(prog().Cf, QStringLiteral("G%1").arg(gg)).isEmpty())
            h += QStringLiteral(",%1=000").arg(gg);
    return h;
}

QString blockFolderPath(const QString& directory, const QString& blockAddress)
{
    const QString a = blockAddress.right(5);
    return directory + QStringLiteral("\\b") + a.mid(0, 1) + u'\\' + a.mid(1, 2);
}

QString blockFilePath(const QString& directory, const QString& blockAddress)
{
    return blockFolderPath(directory, blockAddress) + u'\\' + blockAddress.right(5).mid(3, 2);
}

QString secondLevelFolder(int kind)
{
    const Program& p = prog();
    const QString& dir = kind == BtKind::External ? p.BexDir : p.BinDir;
    const QString& set = kind == BtKind::External ? p.SexDir : p.SinDir;
    return set.isEmpty() ? dir + QStringLiteral("\\i\\ss") : set;
}

bool readHeader(const QString& directory, int kind, int flags, QString& header)
{
    int lock = -1, data = -1, minimum = 0;
    header.clear();
    const QString file = directory + QStringLiteral("\\abi");
    // Within a change the header is kept in memory once it was read or written.
    if (const QString* known = unitText(file)) {
        header = *known;
        return true;
    }
    const int share = flags == BtFlags::LockedRead ? 2 : 0;
    if (!OpenBtFile(flags, header, file, directory, kind, 0, share, share, true, minimum, lock, data)) {
        header.clear();
        return false;
    }
    rememberText(file, header);
    return true;
}

bool writeHeader(const QString& directory, const QString& header)
{
    const QString file = directory + QStringLiteral("\\abi");
    QByteArray bytes;
    readWholeFile(file, bytes);
    const QByteArray head = toAnsi(header);
    if (bytes.size() < head.size())
        bytes.resize(head.size());
    bytes.replace(0, head.size(), head);
    return DirectPageWrites::active() ? writeFileDirect(file, bytes) : writeFileAtomic(file, bytes);
}

bool InitBtDatei(bool loadIndex)
{
    Program& p = prog();
    for (auto* cache : {&p.InhSeiteInt, &p.InhSeiteExt})
        for (QString& page : *cache)
            page = QString(PageLength, u' ');
    p.WorkStr[Slot::Tp1] = GetParam(p.Cf, QStringLiteral("Tp1"));
    p.WorkStr[Slot::Tp2] = GetParam(p.Cf, QStringLiteral("Tp2"));
    p.BinDir = GetParam(p.Cf, QStringLiteral("Bin"));
    p.BexDir = GetParam(p.Cf, QStringLiteral("Bex"));
    p.SinDir = GetParam(p.Cf, QStringLiteral("Sin"));
    p.SexDir = GetParam(p.Cf, QStringLiteral("Sex"));
    p.SsDateiInt.clear();
    p.IbDateiInt.clear();
    p.SsDateiExt.clear();
    p.IbDateiExt.clear();
    if (!loadIndex)
        return true;
    const std::pair<QString*, int> files[] = {{&p.BinDir, BtKind::Internal}, {&p.BexDir, BtKind::External}};
    for (const auto& [dir, kind] : files) {
        if (dir->isEmpty())
            continue;
        // A change that a crash left half done is finished (under the
        // exclusive lock) before anybody reads the file.
        if (journalPresent(*dir)) {
            // An external file on a share this user may not write stays as it is.
            const int lock = takeWriteLock(*dir, kind);
            if (lock < 0 && kind == BtKind::Internal)
                return false;
            if (lock >= 0)
                FClose(lock);
        }
        const QString top = *dir + QStringLiteral("\\i\\hi");
        if (!Exist(top)) {
            // Without its index every record of the internal file would read as
            // missing. An external file may be absent (a share not mounted).
            if (kind == BtKind::Internal) {
                reportDamagedComponentFile(top);
                return false;
            }
            continue;
        }
        if (!loadTopPage(kind))
            return false;
    }
    return true;
}

void DirList(const QString& path, const QString& kind, QStringList& list, int& count)
{
    count = 0;
    if (!Exist(path))
        return;
    QDir d(nativePath(path));
    QDir::Filters filters;
    if (kind == QLatin1String("File"))
        filters = QDir::Files;
    else if (kind == QLatin1String("Dir"))
        filters = QDir::Dirs;
    else
        filters = QDir::Dirs | QDir::Hidden | QDir::System;
    const QStringList names = d.entryList(filters | QDir::NoDotAndDotDot, QDir::Name);
    list.clear();
    list.append(QString());
    for (const QString& n : names)
        list.append(n);
    count = int(names.size());
}

bool InitInh(const QString& directory, QString& header)
{
    Program& p = prog();
    p.InhSeiteInt.fill(QString());
    p.SsDateiInt.clear();
    p.IbDateiInt.clear();
    const int language = p.LangNr;
    InfoList& list = ui().infoList();
    list.Begin(ResText(QStringLiteral("185"), language, true, oemArgs({directory})));
    list.Add(ResText(QStringLiteral("28"), language, true));

    const QString iDir = directory + QStringLiteral("\\i");
    QDir().mkpath(nativePath(iDir));
    // Only one level: the index folders hold no subfolders.
    QStringList folders;
    int count = 0;
    DirList(iDir, QStringLiteral("Dir"), folders, count);
    for (int k = 1; k <= count; ++k) {
        QDir sub(nativePath(iDir + u'\\' + folders[k]));
        for (const QString& f : sub.entryList(QDir::Files | QDir::Hidden | QDir::System))
            sub.remove(f);
        QDir(nativePath(iDir)).rmdir(folders[k]);
    }

    header = freshHeader();
    QString failure;
    const QString abi = directory + QStringLiteral("\\abi");
    QFile::remove(nativePath(abi));
    if (!writeFileAtomic(abi, toAnsi(header)))
        failure = abi;
    for (const char* sub : {"\\i", "\\i\\ss", "\\i\\00"})
        QDir().mkpath(nativePath(directory + QLatin1String(sub)));

    // The sentinel entry (19 free markers, then "00000") is the only entry of the
    // top page and of second-level page 00; the first leaf page is empty.
    QString page0 = freePage();
    const QString page2 = page0;
    page0.replace(19, 5, QStringLiteral("00000"));
    const QString page1 = page0;
    const std::pair<const char*, const QString*> pages[] = {
        {"\\i\\hi", &page0}, {"\\i\\ss\\00", &page1}, {"\\i\\00\\00", &page2}};
    for (const auto& [name, page] : pages)
        if (!writeFileAtomic(directory + QLatin1String(name), toAnsi(*page)) && failure.isEmpty())
            failure = directory + QLatin1String(name);
    p.InhSeiteInt = {page0, page1, page2};
    if (!failure.isEmpty()) {
        MsgBoxRes(QStringLiteral("29"), 0, language, oemArgs({ErrorMsg(WhichError()) + QStringLiteral(": ") + failure}));
        return false;
    }
    return true;
}

bool sameFolder(const QString& a, const QString& b)
{
    if (a == b)
        return true;
    const QString ca = QFileInfo(nativePath(a)).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(nativePath(b)).canonicalFilePath();
}
