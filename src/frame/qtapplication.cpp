#include "frame/qtapplication.h"
#include "frame/errors.h"
#include "frame/errptnr.h"

#include <QEvent>
#include <QMetaEnum>
#include <QWidget>
#include <cstdio>
#include <stdexcept>

namespace {

// The window a failing handler belongs to names the module, as the error
// protocols of the procedures do ("frmKonfiguration").
QString moduleOf(QObject* receiver)
{
    if (auto* w = qobject_cast<QWidget*>(receiver))
        if (QWidget* top = w->window(); top && !top->objectName().isEmpty())
            return top->objectName();
    if (receiver && !receiver->objectName().isEmpty())
        return receiver->objectName();
    return receiver ? QString::fromLatin1(receiver->metaObject()->className()) : QStringLiteral("TARN");
}

// The control and the event that failed: "cmdOk MouseButtonRelease".
QString procedureOf(QObject* receiver, QEvent* event)
{
    QString control;
    if (receiver)
        control = receiver->objectName().isEmpty() ? QString::fromLatin1(receiver->metaObject()->className())
                                                   : receiver->objectName();
    const char* type = QMetaEnum::fromType<QEvent::Type>().valueToKey(event ? event->type() : QEvent::None);
    const QString what = type ? QString::fromLatin1(type) : QString::number(event ? int(event->type()) : 0);
    return control.isEmpty() ? what : control + u' ' + what;
}

} // namespace

TarnApplication::TarnApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TarnApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const ProgramEndRequested&) {
        mEndRequested = true;
        exit(1);
    } catch (const std::exception& e) {
        reportEventError(receiver, event, e);
    } catch (...) {
        reportEventError(receiver, event, std::runtime_error("unknown exception"));
    }
    return false;
}

void TarnApplication::reportEventError(QObject* receiver, QEvent* event, const std::exception& error)
{
    const QString module = moduleOf(receiver);
    const QString procedure = procedureOf(receiver, event);
    try {
        ErrPtnr::CallStack(QStringLiteral("[%1] %2").arg(module, procedure));
        if (ErrPtnr::actionFor(ErrPtnr::OnError(module, procedure, error)) == ErrPtnr::ErrorAction::End) {
            mEndRequested = true;
            exit(1);
        }
    } catch (const std::exception& e) {
        // The error dialog itself failed: nothing is left to show it with.
        std::fprintf(stderr, "tarn: %s in %s.%s; the error dialog failed: %s\n", error.what(),
                     qPrintable(module), qPrintable(procedure), e.what());
    }
}
