#pragma once
#include <QString>
#include <QStringList>
#include <optional>

// An ini file with the semantics of the Windows profile functions: sections and
// keys match case-insensitively and the first match wins; writing replaces a value
// in place and keeps order, comments and other keys; a key or section is removed
// only by an explicit delete. The file is Windows-1252 text; every save goes
// through a temporary file and an atomic rename.
class IniStore {
public:
    explicit IniStore(QString path);

    // Loads the file; a missing file is an empty store.
    void load();
    // Writes the whole file atomically; throws TarnError when it cannot.
    void save() const;

    bool hasSection(const QString& section) const;
    std::optional<QString> value(const QString& section, const QString& key) const;
    QStringList keys(const QString& section) const;

    void setValue(const QString& section, const QString& key, const QString& value);
    void removeKey(const QString& section, const QString& key);
    void removeSection(const QString& section);

    const QString& path() const { return mPath; }
    QString text() const;

private:
    int findSection(const QString& section) const; // index of the header line, -1
    int sectionEnd(int header) const;              // index after the section's last line
    int findKey(int header, const QString& key) const;
    static bool splitKeyLine(const QString& line, QString& key, QString& value);

    QString mPath;
    QStringList mLines;
    QString mEol = QStringLiteral("\r\n");
    bool mFinalEol = true;
};

// GetProfileStr: the value of key in section appl of the ini file, at most
// bufferLength - 1 characters, without trailing blanks; "leer" when the file,
// the section or the key is missing. A null key (std::nullopt) asks for the key
// names of the section, each followed by the character 0.
QString GetProfileStr(const QString& appl, const std::optional<QString>& key, int bufferLength, const QString& file);

// WritePrivateProfileString: a null key deletes the section, a null value the key.
// Returns false (and leaves the file as it was) when the file cannot be written.
bool WriteProfileStr(const QString& appl, const std::optional<QString>& key, const std::optional<QString>& value,
                     const QString& file);

// While a scope is alive, GetProfileStr answers the questions about one file from
// a copy read once into memory (start-up asks dozens of them); WriteProfileStr
// still reads the file, saves it whole and atomically, and then refreshes the
// copy. Scopes do not nest: a new one replaces the copy of the one before.
class IniMemoryScope {
public:
    explicit IniMemoryScope(const QString& file);
    ~IniMemoryScope();
    IniMemoryScope(const IniMemoryScope&) = delete;
    IniMemoryScope& operator=(const IniMemoryScope&) = delete;
};

inline const QString Leer = QStringLiteral("leer");
