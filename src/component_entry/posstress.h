#pragma once
#include <QString>
#include <functional>

// What the stress entry of a Q-list position needs of the component editor and
// of the Q-list editor window, both above this folder: a link of the program
// (frame/links.h). With no Show0 the edit command says that the editor is not
// available and leaves the line alone.
struct ComponentEditorLink {
    // Opens the component editor on address Adr and returns when it is closed;
    // with MSuch "replace" the user may pick another component, whose address
    // comes back in Adr.
    std::function<void(QString& Adr, const QString& MSuch)> Show0;
    // The editor's line control that shows the Q-list line being replaced.
    std::function<void(const QString& text)> setQslLine;
    // Hides / shows again (modeless) the Q-list editor window.
    std::function<void()> hideQslEditor;
    std::function<void()> showQslEditor;
};

// The two commands on one Q-list position line Pos. M_Edit false: the stress
// command (check listing, stress entry, second check listing, line rebuilt with
// the new S section). M_Edit true: the component editor on the line's component,
// the designation rewritten when another component is picked. Every refusal is a
// message and leaves Pos unchanged.
void PosStressEingabe(QString& Pos, bool M_Edit);
