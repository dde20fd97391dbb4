#include "frame/qtrichtext.h"
#include "frame/markers.h"

#include <QLineEdit>
#include <QTextCursor>
#include <QTextEdit>

void SetRtbText(QTextEdit* box, const QString& text)
{
    box->setPlainText(text);
}

QString GetRtbText(QTextEdit* box, int& length)
{
    const QString all = box->toPlainText();
    const QString delivered = all.left(qMax(length, 0));
    length = int(delivered.size());
    return delivered;
}

void InsertPi(QTextEdit* box)
{
    const QTextCursor cursor = box->textCursor();
    const int s = cursor.selectionStart();
    const int l = cursor.selectionEnd() - s;
    int limit = 1000;
    const QString t = GetRtbText(box, limit);
    SetRtbText(box, t.left(s) + PiChar + t.mid(s + l));
    QTextCursor after(box->document());
    after.setPosition(qMin(s + 1, box->document()->characterCount() - 1));
    box->setTextCursor(after);
}

void InsertPi(QLineEdit* field)
{
    field->insert(QString(PiChar));
}
