#pragma once
#include "frame/interaction.h"

#include <QHash>
#include <functional>

class QWidget;

// The Interaction of a person at the screen: message boxes and, for every other
// kind of question, the window that its subsystem registers.
class QtInteraction : public Interaction {
public:
    using Handler = std::function<Answer(const Question&)>;

    Answer ask(const Question& q) override;
    int messageBox(const QString& id, const QString& text, int buttons, const QString& title = QString()) override;
    void beep() override;

    // Windows register the kinds of question they answer ("screen", "menu", ...).
    void registerHandler(const QString& kind, Handler handler);

    // The window that owns dialogs (the main window once shown).
    void setOwner(QWidget* owner) { mOwner = owner; }
    QWidget* owner() const { return mOwner; }

private:
    QHash<QString, Handler> mHandlers;
    QWidget* mOwner = nullptr;
};
