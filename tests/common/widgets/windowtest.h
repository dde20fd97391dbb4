#pragma once
#include "dialogue/frmdia.h"
#include "frame/qtinteraction.h"

#include <QApplication>
#include <QWidget>

// The dialogue screen a window test is looking at: the modal one, or else any
// visible screen window.
inline frmDiaWindow* shownScreen()
{
    if (auto* w = qobject_cast<frmDiaWindow*>(QApplication::activeModalWidget()))
        return w;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<frmDiaWindow*>(top); f && f->isVisible())
            return f;
    return nullptr;
}

// The real windows: records which question waits, so that a test can act on the
// window that shows it.
class RecordingQt : public QtInteraction {
public:
    Answer ask(const Question& q) override
    {
        current = q.key;
        ++asks;
        return QtInteraction::ask(q);
    }
    QString current;
    int asks = 0;
};
