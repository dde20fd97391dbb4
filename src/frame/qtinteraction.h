#pragma once
#include "frame/interaction.h"

#include <QPointer>
#include <functional>
#include <map>

class QWidget;
class frmInfoBox;
class frmInfoList;

// The Interaction of a person at the screen: message boxes and, for every other
// kind of question, the window that its subsystem registers.
class QtInteraction : public Interaction {
public:
    using Handler = std::function<Answer(const Question&)>;

    QtInteraction();
    ~QtInteraction() override;

    Answer ask(const Question& q) override;
    void notify(const Question& q) override; // to the handler of the kind, answer dropped
    int messageBox(const QString& id, const QString& text, int buttons, const QString& title = QString()) override;
    void beep() override;

    // Windows register the kinds of question they answer.
    void registerHandler(QuestionKind kind, Handler handler);
    // True when a window answers the kind (message boxes are built in).
    bool answers(QuestionKind kind) const;

    // The window that owns dialogs (the main window once shown).
    void setOwner(QWidget* owner) { mOwner = owner; }
    QWidget* owner() const { return mOwner; }

    // The progress windows, created at their first use and owned by the owner.
    InfoList& infoList() override;
    InfoBox& infoBox() override;

private:
    const Handler* handlerOf(QuestionKind kind) const;
    std::map<QuestionKind, Handler> mHandlers;
    QWidget* mOwner = nullptr;
    QPointer<frmInfoList> mList;
    QPointer<frmInfoBox> mBox;
};

// The width a window needs for its whole title in the title bar (the text and
// room for the window manager's buttons), at most maxWidth: a window whose
// content is narrower than its title is widened to it where the screen has room.
int titleBarWidth(const QWidget* window, int maxWidth = 700);

// Loads Qt's own translations (standard buttons, file dialogs) for the
// interface language (1 German, 2 English); false when the translation files
// are not installed (the buttons then stay English).
bool installQtTranslations(int langNr);

// A modal window that works on the headless model the question carries: shown
// until closed; the model's back pointer to its view, where it has one, is
// cleared afterwards, because the window is gone. A question without a model is
// cancelled; one with a model of another type is fatal (modelOf).
template <class Window, class Model>
void registerModelWindow(QtInteraction& ui, QuestionKind kind)
{
    QtInteraction* qt = &ui;
    ui.registerHandler(kind, [qt](const Question& q) {
        Model* model = modelOf<Model>(q);
        if (!model)
            return Answer::cancel();
        Window window(*model, qt->owner());
        window.run();
        if constexpr (requires { model->view = nullptr; })
            model->view = nullptr;
        Answer a;
        a.applied = true;
        return a;
    });
}
