#pragma once
#include "main_window/menutarn.h"

#include <QMainWindow>
#include <QMap>

class QAction;
class QLabel;
class QMenu;

// The main window: menu bar from the menu tree, start picture, status line. Its
// menu items pass their keys to the dispatcher.
class frmTARN : public QMainWindow, public MainView {
    Q_OBJECT
public:
    explicit frmTARN(QWidget* parent = nullptr);

    MenuDispatcher& dispatcher() { return mDispatcher; }
    // The action of a command key (tests).
    QAction* actionForKey(const QString& key) const { return mActions.value(key); }
    QList<QAction*> barActions() const { return mBarActions; }
    bool pictureVisible() const;

    // MainView
    void setMenusEnabled(bool enabled) override;
    void setStatusLine(const QString& text) override;
    void hidePicture() override;
    void focusMain() override;
    void showConfiguration() override;
    void relocalize() override;
    void endProgram() override;
    void showAbout(const QString& tag) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildMenus();
    void MMenuIni();

    MenuDispatcher mDispatcher;
    QMap<QString, QAction*> mActions; // key -> action
    QList<QAction*> mBarActions;      // the six menu-bar entries
    QMap<QAction*, QString> mDesignCaptions;
    QLabel* mPicture = nullptr;
    QLabel* mStatus = nullptr;
    QString mStatusText;
    bool mWasMinimized = false;
};
