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
        const InputParams& params = paramsOf<InputParams>(q);
        const QString text =
            QInputDialog::getText(ui->owner(), params.title, q.text, QLineEdit::Normal, params.proposal, &ok);
        if (!ok)
            return Answer::cancel();
        return Answer::word(text);
    });
    ui->registerHandler(QuestionKind::OpenFile, [ui](const Question& q) {
        const FileParams& params = paramsOf<FileParams>(q);
        const QString start = QDir(params.dir).filePath(params.file);
        const QString chosen = QFileDialog::getOpenFileName(ui->owner(), q.text, start, qtFileFilter(params.filter));
        if (chosen.isEmpty())
            return Answer::cancel();
        return Answer::word(chosen);
    });
}
