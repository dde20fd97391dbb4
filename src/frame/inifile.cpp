#include "frame/inifile.h"
#include "frame/codepage.h"
#include "frame/errors.h"
#include "frame/errptnr.h"
#include "frame/paths.h"
#include "frame/program.h"

#include <QFile>
#include <QSaveFile>

IniStore::IniStore(QString path) : mPath(std::move(path)) {}

void IniStore::load()
{
    mLines.clear();
    QFile f(nativePath(mPath));
    if (!f.open(QIODevice::ReadOnly))
        return;
    const QString all = fromAnsi(f.readAll());
    mEol = all.contains(QLatin1String("\r\n")) || !all.contains(u'\n') ? QStringLiteral("\r\n") : QStringLiteral("\n");
    mFinalEol = all.isEmpty() || all.endsWith(u'\n');
    QString normalized = all;
    normalized.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    mLines = normalized.split(u'\n');
    if (mFinalEol && !mLines.isEmpty() && mLines.back().isEmpty())
        mLines.removeLast();
}

QString IniStore::text() const
{
    QString out = mLines.join(mEol);
    if (!mLines.isEmpty() && mFinalEol)
        out += mEol;
    return out;
}

void IniStore::save() const
{
    QSaveFile f(nativePath(mPath));
    if (!f.open(QIODevice::WriteOnly))
        throw TarnError(QStringLiteral("Cannot write %1: %2").arg(mPath, f.errorString()), ErrNo::PathFileAccess);
    const QByteArray bytes = toAnsi(text());
    if (f.write(bytes) != bytes.size() || !f.commit())
        throw TarnError(QStringLiteral("Cannot write %1: %2").arg(mPath, f.errorString()), ErrNo::PathFileAccess);
    // A copy held in memory follows the file it was read from.
    std::shared_ptr<IniStore>& held = prog().IniMemory;
    if (held && held.get() != this && held->path() == mPath)
        held = std::make_shared<IniStore>(*this);
}

static bool isHeader(const QString& line, QString* name = nullptr)
{
    const QString t = line.trimmed();
    if (!t.startsWith(u'['))
        return false;
    const qsizetype close = t.indexOf(u']');
    if (close < 0)
        return false;
    if (name)
        *name = t.mid(1, close - 1).trimmed();
    return true;
}

int IniStore::findSection(const QString& section) const
{
    QString name;
    for (int i = 0; i < mLines.size(); ++i)
        if (isHeader(mLines[i], &name) && name.compare(section.trimmed(), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int IniStore::sectionEnd(int header) const
{
    int i = header + 1;
    while (i < mLines.size() && !isHeader(mLines[i]))
        ++i;
    return i;
}

bool IniStore::splitKeyLine(const QString& line, QString& key, QString& value)
{
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(u';'))
        return false;
    const qsizetype eq = t.indexOf(u'=');
    if (eq < 0) {
        key = t;
        value.clear();
        return true;
    }
    key = t.left(eq).trimmed();
    value = t.mid(eq + 1).trimmed();
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return true;
}

int IniStore::findKey(int header, const QString& key) const
{
    const int end = sectionEnd(header);
    QString k, v;
    for (int i = header + 1; i < end; ++i)
        if (splitKeyLine(mLines[i], k, v) && k.compare(key.trimmed(), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool IniStore::hasSection(const QString& section) const
{
    return findSection(section) >= 0;
}

std::optional<QString> IniStore::value(const QString& section, const QString& key) const
{
    const int h = findSection(section);
    if (h < 0)
        return std::nullopt;
    const int line = findKey(h, key);
    if (line < 0)
        return std::nullopt;
    QString k, v;
    splitKeyLine(mLines[line], k, v);
    return v;
}

QStringList IniStore::keys(const QString& section) const
{
    QStringList out;
    const int h = findSection(section);
    if (h < 0)
        return out;
    const int end = sectionEnd(h);
    QString k, v;
    for (int i = h + 1; i < end; ++i)
        if (splitKeyLine(mLines[i], k, v))
            out << k;
    return out;
}

void IniStore::setValue(const QString& section, const QString& key, const QString& value)
{
    int h = findSection(section);
    if (h < 0) {
        mLines << (u'[' + section + u']');
        mLines << (key + u'=' + value);
        return;
    }
    const int line = findKey(h, key);
    if (line >= 0) {
        // Keep the key as the file writes it.
        const QString t = mLines[line];
        const qsizetype eq = t.indexOf(u'=');
        const QString keyText = eq >= 0 ? t.left(eq).trimmed() : t.trimmed();
        mLines[line] = keyText + u'=' + value;
        return;
    }
    // Insert after the last non-blank line of the section.
    int insertAt = sectionEnd(h);
    while (insertAt - 1 > h && mLines[insertAt - 1].trimmed().isEmpty())
        --insertAt;
    mLines.insert(insertAt, key + u'=' + value);
}

void IniStore::removeKey(const QString& section, const QString& key)
{
    const int h = findSection(section);
    if (h < 0)
        return;
    const int line = findKey(h, key);
    if (line >= 0)
        mLines.removeAt(line);
}

void IniStore::removeSection(const QString& section)
{
    const int h = findSection(section);
    if (h < 0)
        return;
    const int end = sectionEnd(h);
    mLines.erase(mLines.begin() + h, mLines.begin() + end);
}

namespace {
// The copy in memory when it is the copy of file (named as the scope named it;
// any other spelling reads the file, which gives the same answer).
const IniStore* heldCopy(const QString& file)
{
    const IniStore* held = prog().IniMemory.get();
    if (!held || held->path() != file)
        return nullptr;
    return held;
}
} // namespace

QString GetProfileStr(const QString& appl, const std::optional<QString>& key, int bufferLength, const QString& file)
{
    ErrPtnr::CallStack(QStringLiteral(
        "[OBJ_TOOL] Function GetProfileStr(appl As String, Key As String, LgRet As Long, File As String) As String"));
    ErrPtnr::CallStackParam(QStringLiteral("appl"), appl);
    ErrPtnr::CallStackParam(QStringLiteral("Key"), key.value_or(QString()));
    ErrPtnr::CallStackParam(QStringLiteral("LgRet"), bufferLength);
    ErrPtnr::CallStackParam(QStringLiteral("File"), file);

    std::optional<IniStore> read;
    const IniStore* held = heldCopy(file);
    if (!held) {
        read.emplace(file);
        read->load();
    }
    const IniStore& ini = held ? *held : *read;
    QString result;
    if (!key.has_value()) {
        if (!ini.hasSection(appl)) {
            result = Leer + QChar(0);
        } else {
            for (const QString& k : ini.keys(appl))
                result += k + QChar(0);
        }
        // The list keeps its final character 0 when it fits; a cut list ends with two.
        if (bufferLength > 1 && result.size() > bufferLength - 2)
            result = result.left(bufferLength - 2) + QChar(0);
        return result;
    }
    const std::optional<QString> v = ini.value(appl, *key);
    result = v.has_value() ? *v : Leer;
    if (bufferLength >= 1 && result.size() > bufferLength - 1)
        result = result.left(bufferLength - 1);
    while (result.endsWith(u' '))
        result.chop(1);
    return result;
}

bool WriteProfileStr(const QString& appl, const std::optional<QString>& key, const std::optional<QString>& value,
                     const QString& file)
{
    IniStore ini(file);
    ini.load();
    if (!key.has_value())
        ini.removeSection(appl);
    else if (!value.has_value())
        ini.removeKey(appl, *key);
    else
        ini.setValue(appl, *key, *value);
    try {
        ini.save();
    } catch (const TarnError&) {
        return false;
    }
    return true;
}

IniMemoryScope::IniMemoryScope(const QString& file)
{
    auto ini = std::make_shared<IniStore>(file);
    ini->load();
    prog().IniMemory = std::move(ini);
}

IniMemoryScope::~IniMemoryScope()
{
    prog().IniMemory.reset();
}
