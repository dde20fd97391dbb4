#pragma once
#include <QList>
#include <QString>

class QObject;

// Localises a form, button, label, frame, menu or menu item from the caption
// number it carries (its text, title or window title): the caption becomes the resource
// text of its number + offset in LangNr, the dynamic property "tag" receives the
// number or the command key behind "#", and "\k" sets the tool tip of a widget.
// A missing resource text throws ResourceNotFoundError.
void LoadCaption(QObject* control, int offset, const QString& a1 = QString(), const QString& a2 = QString());

// LoadCaption for every member of a control array in index order, without
// arguments; a missing member (nullptr) throws.
void LoadCaptions(const QList<QObject*>& controls, int offset);
