#pragma once
#include "dialogue/frmdia.h"

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
