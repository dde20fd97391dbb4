#include "frame/qtcaptions.h"
#include "frame/errors.h"
#include "frame/restext.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QWidget>

namespace {
QString captionOf(const QObject* o)
{
    if (auto* b = qobject_cast<const QAbstractButton*>(o))
        return b->text();
    if (auto* l = qobject_cast<const QLabel*>(o))
        return l->text();
    if (auto* g = qobject_cast<const QGroupBox*>(o))
        return g->title();
    if (auto* m = qobject_cast<const QMenu*>(o))
        return m->title();
    if (auto* a = qobject_cast<const QAction*>(o))
        return a->text();
    if (auto* w = qobject_cast<const QWidget*>(o))
        return w->windowTitle();
    return QString();
}

void setCaptionOf(QObject* o, const QString& text)
{
    if (auto* b = qobject_cast<QAbstractButton*>(o))
        b->setText(text);
    else if (auto* l = qobject_cast<QLabel*>(o))
        l->setText(text);
    else if (auto* g = qobject_cast<QGroupBox*>(o))
        g->setTitle(text);
    else if (auto* m = qobject_cast<QMenu*>(o))
        m->setTitle(text);
    else if (auto* a = qobject_cast<QAction*>(o))
        a->setText(text);
    else if (auto* w = qobject_cast<QWidget*>(o))
        w->setWindowTitle(text);
}
} // namespace

void LoadCaption(QObject* control, int offset, const QString& a1, const QString& a2)
{
    const LocalisedCaption c = localiseCaption(captionOf(control), offset, {a1, a2});
    if (c.tag)
        control->setProperty("tag", *c.tag);
    // Menu items have no tool tip of their own: only widgets take one.
    if (c.toolTip && control->isWidgetType() && !qobject_cast<QMenu*>(control))
        static_cast<QWidget*>(control)->setToolTip(*c.toolTip);
    setCaptionOf(control, c.text);
}

void LoadCaptions(const QList<QObject*>& controls, int offset)
{
    for (QObject* control : controls) {
        if (!control)
            throw TarnError(QStringLiteral("Control array element does not exist"), 340);
        LoadCaption(control, offset);
    }
}
