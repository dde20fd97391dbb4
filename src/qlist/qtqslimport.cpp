#include "qlist/qtqslimport.h"
#include "frame/interaction.h"
#include "frame/qtinteraction.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>

QString qtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // Qt parts the patterns of a filter at blanks; "*.xls;*.xlsx" would be
        // one pattern that no file matches.
        const QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        filters << parts[i].section(u'(', 0, 0).trimmed() + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    return filters.join(QStringLiteral(";;"));
}

void registerQslImportWindows(QtInteraction& qtUi)
{
    QtInteraction* ui = &qtUi;
    ui->registerHandler(QuestionKind::Input, [ui](const Question& q) {
        bool ok = false;
        const QString text = QInputDialog::getText(ui->owner(), q.data.value(QStringLiteral("title")).toString(),
                                                   q.text, QLineEdit::Normal,
                                                   q.data.value(QStringLiteral("default")).toString(), &ok);
        if (!ok)
            return Answer::cancel();
        return Answer::word(text);
    });
    ui->registerHandler(QuestionKind::OpenFile, [ui](const Question& q) {
        const QString start = QDir(q.data.value(QStringLiteral("dir")).toString())
                                  .filePath(q.data.value(QStringLiteral("file")).toString());
        const QString chosen = QFileDialog::getOpenFileName(ui->owner(), q.text, start,
                                                            qtFileFilter(q.data.value(QStringLiteral("filter")).toString()));
        if (chosen.isEmpty())
            return Answer::cancel();
        return Answer::word(chosen);
    });
}
