#pragma once
#include <QEventLoop>
#include <QObject>

// A window that stays modeless (the rest of the program keeps painting and its
// own windows keep working) while its caller waits for it to be done: run()
// returns when end() is called, from a button, a close or the model's end.
class ModalWait {
public:
    void run()
    {
        QEventLoop loop;
        mLoop = &loop;
        loop.exec();
        mLoop = nullptr;
    }
    // Ends a running wait; nothing when none runs.
    void end()
    {
        if (mLoop)
            mLoop->quit();
    }

    bool running() const { return mLoop != nullptr; }

private:
    QEventLoop* mLoop = nullptr;
};

// Waits until sender emits signal, or until window (when given) is destroyed,
// so that a window closed from outside never leaves its caller waiting.
template <typename Sender, typename Signal>
void waitForSignal(const Sender* sender, Signal signal, const QObject* window = nullptr)
{
    QEventLoop loop;
    QObject::connect(sender, signal, &loop, &QEventLoop::quit);
    if (window)
        QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    loop.exec();
}
