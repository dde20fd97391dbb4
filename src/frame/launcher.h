#pragma once
#include <QString>
#include <QStringList>

// Starting outside programs and opening documents, web pages and mail. Tests
// install a RecordingLauncher.
class Launcher {
public:
    virtual ~Launcher() = default;
    // Starts a command line detached, without waiting; false when it cannot start.
    virtual bool startCommand(const QString& commandLine);
    // Opens a document, a web address or a "mailto:" address with the desktop;
    // false when nothing could open it (no desktop opener, or no program set up
    // for the document's kind).
    virtual bool openUrl(const QString& urlOrPath);
};

class RecordingLauncher : public Launcher {
public:
    bool startCommand(const QString& commandLine) override
    {
        commands << commandLine;
        return result;
    }
    bool openUrl(const QString& urlOrPath) override
    {
        opened << urlOrPath;
        return result;
    }
    QStringList commands;
    QStringList opened;
    bool result = true;
};

Launcher& launcher();
void setLauncher(Launcher* l); // nullptr restores the desktop launcher

// Opens a document of the installation or of the user (a handbook, a list file)
// with the desktop's viewer; when there is none, message 482 names the file.
// Returns whether the viewer was started.
bool openDocument(const QString& path);
