#pragma once
#include <QApplication>

// The program's application object. Qt cannot carry an exception through its
// event loop: one that leaves an event handler ends the program, often later
// and elsewhere (a dialog torn down while its loop still runs). Every event
// therefore goes through notify(), which turns an exception of any handler
// into the error dialog and the error protocol; the event loop goes on.
// "End the program" in that dialog ends every running event loop, so the
// program returns from exec() and closes its files on the way out.
class TarnApplication : public QApplication {
    Q_OBJECT
public:
    TarnApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // True once the user chose to end the program in an error dialog.
    bool endRequested() const { return mEndRequested; }

private:
    void reportEventError(QObject* receiver, QEvent* event, const std::exception& error);
    bool mEndRequested = false;
};
