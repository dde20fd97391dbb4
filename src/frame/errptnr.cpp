#include "frame/errptnr.h"
#include "frame/errors.h"
#include "frame/interaction.h"
#include "frame/program.h"

namespace {
void addEntry(const QString& entry)
{
    QStringList& h = prog().ErrHistory;
    h << entry;
    while (h.size() > ErrPtnr::HistorySize)
        h.removeFirst();
}
} // namespace

namespace ErrPtnr {

void CallStack(const QString& signature)
{
    addEntry(signature);
}

void CallStackParam(const QString& value)
{
    addEntry(QStringLiteral("    Param: ") + value);
}

QStringList history()
{
    return prog().ErrHistory;
}

void SetProgInfo(const QString& info)
{
    prog().ProgInfo = info;
}

int OnError(const QString& module, const QString& procedure, const std::exception& error, int allowed, int line)
{
    int number = 0;
    QString text = QString::fromLocal8Bit(error.what());
    if (const auto* t = dynamic_cast<const TarnError*>(&error)) {
        number = t->number();
        text = t->message();
    }
    Question q;
    q.kind = QStringLiteral("error");
    q.key = module + u'.' + procedure;
    q.text = QStringLiteral("%1 %2 in %3.%4").arg(number).arg(text, module, procedure);
    q.data.insert(QStringLiteral("number"), number);
    q.data.insert(QStringLiteral("line"), line);
    q.data.insert(QStringLiteral("allowed"), allowed);
    const Answer a = ui().ask(q);
    if (a.cancelled)
        return 2;
    return (a.code >= 0 && a.code <= 3) ? a.code : 2;
}

} // namespace ErrPtnr
