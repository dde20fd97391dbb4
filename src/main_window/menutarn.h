#pragma once
#include <QString>
#include <functional>
#include <map>
#include <vector>

// The menu tree of the main window and the dispatcher of its command keys, kept
// apart from the window so that the busy protocol runs in tests and headless.

struct MenuEntry {
    int array;             // 0 the menu bar (MMenu), 1..9 the item arrays MMenu1Item..MMenu9Item
    int index;             // index within its array
    QString designCaption; // "2 #config", "12 ql.imprt" (submenu), "-" (separator)
    QString shortcut;      // "F5", "Ctrl+F5", ... (empty for none)
    int submenu = -1;      // for a bar entry or submenu title: the item array it opens
};

// The whole tree in display order: each bar entry, then its items.
const std::vector<MenuEntry>& menuTree();

// A parsed design caption: leading number, command key behind "#", tool tip "\k".
struct DesignCaption {
    bool numbered = false;
    int number = 0;
    QString key;     // command key; for a numbered caption without "#" the number as text
    int toolTip = 0; // k of a trailing "\k", 0 when none
};
DesignCaption parseDesignCaption(const QString& caption);

// What the dispatcher needs of the main window.
class MainView {
public:
    virtual ~MainView() = default;
    virtual void setMenusEnabled(bool enabled) = 0;
    virtual void setStatusLine(const QString& text) = 0;
    virtual void hidePicture() = 0;
    virtual void focusMain() = 0;
    virtual void showConfiguration() = 0; // returns when the dialog is closed
    virtual void relocalize() = 0;        // captions again in the current language
    virtual void endProgram() = 0;
    virtual void showAbout(const QString& tag) = 0; // "TARN" or "QE", modal
};

class MenuDispatcher {
public:
    using Command = std::function<void()>;
    explicit MenuDispatcher(MainView& view);

    // Runs the command of a key under the busy protocol: a key that arrives while a
    // command runs only beeps; menus and state come back even when the command fails.
    void MenuTARN(const QString& what);

    bool menuBusy() const { return mBusy; }

    // Replaces the command of a key (tests, and subsystems as they are connected).
    void setCommand(const QString& key, Command command);
    bool hasCommand(const QString& key) const { return mCommands.count(key) != 0; }

private:
    void openAfterProtocol(const QString& what);

    MainView& mView;
    bool mBusy = false;
    std::map<QString, Command> mCommands;
};
