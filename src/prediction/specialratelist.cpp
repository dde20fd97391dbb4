#include "prediction/specialratelist.h"
#include "frame/program.h"
#include "frame/valuecheck.h"
#include "workbook/workbook.h"

#include <QDir>

#include <algorithm>
#include <charconv>
#include <vector>

namespace {

// Column (from 1) whose name in row 1 is name; 0 when none.
int columnOf(const Worksheet& sheet, const QString& name)
{
    for (int c = 1; c <= sheet.lastColumn(); ++c)
        if (sheet.text(1, c).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return c;
    return 0;
}

std::optional<double> wholeNumber(const QString& text)
{
    const QByteArray bytes = text.trimmed().toLatin1();
    double d = 0;
    const auto r = std::from_chars(bytes.constData(), bytes.constData() + bytes.size(), d);
    if (bytes.isEmpty() || r.ec != std::errc() || r.ptr != bytes.constData() + bytes.size())
        return std::nullopt;
    return d;
}

// The highest of the versions: by value when all of them are numbers (the
// column is then a number column), otherwise by text.
QString highestVersion(const std::vector<QString>& versions)
{
    const bool numeric =
        std::all_of(versions.begin(), versions.end(), [](const QString& v) { return wholeNumber(v).has_value(); });
    return *std::max_element(versions.begin(), versions.end(), [numeric](const QString& a, const QString& b) {
        if (numeric)
            return *wholeNumber(a) < *wholeNumber(b);
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
}

} // namespace

QString SpecialRateList::keyOf(const QString& designation, const QString& kind)
{
    return designation.toUpper() + QChar(0) + kind.toUpper();
}

std::optional<QString> SpecialRateList::rate(const QString& designation, const QString& kind) const
{
    const auto it = rates.constFind(keyOf(designation, kind));
    if (it == rates.constEnd())
        return std::nullopt;
    return *it;
}

std::optional<SpecialRateList> readSpecialRateList(const QString& path, QString* error)
{
    const QString shown = QDir::toNativeSeparators(path);
    auto fail = [&](const QString& message) -> std::optional<SpecialRateList> {
        if (error)
            *error = message;
        return std::nullopt;
    };
    QString reason;
    const std::optional<Workbook> book = Workbook::open(path, &reason);
    if (!book)
        return fail(txt("Die Sonder-Ausfallratenliste kann nicht gelesen werden.\n%1",
                        "The special failure-rate list cannot be read.\n%1")
                        .arg(reason));
    auto missing = [&](const QString& sheet, const QString& column) {
        return fail(txt("Der Sonder-Ausfallratenliste %1 fehlt im Tabellenblatt \"%2\" die Spalte \"%3\".",
                        "The special failure-rate list %1 lacks the column \"%3\" in its sheet \"%2\".")
                        .arg(shown, sheet, column));
    };

    // The sheets "VERS$" and "AR$" of the list are the worksheets "VERS" and "AR".
    const Worksheet* vers = book->sheet(QStringLiteral("VERS"));
    const Worksheet* ar = book->sheet(QStringLiteral("AR"));
    for (const auto& [sheet, name] : {std::pair{vers, "VERS"}, std::pair{ar, "AR"}})
        if (!sheet)
            return fail(txt("Der Sonder-Ausfallratenliste %1 fehlt das Tabellenblatt \"%2\".",
                            "The special failure-rate list %1 has no sheet \"%2\".")
                            .arg(shown, QLatin1String(name)));

    SpecialRateList list;
    const int versionColumn = columnOf(*vers, QStringLiteral("Version"));
    if (versionColumn == 0)
        return missing(QStringLiteral("VERS"), QStringLiteral("Version"));
    std::vector<QString> versions;
    for (int r = 2; r <= vers->lastRow(); ++r) {
        const QString v = vers->text(r, versionColumn).trimmed();
        if (!v.isEmpty())
            versions.push_back(v);
    }
    if (!versions.empty())
        list.version = (QStringLiteral("000") + highestVersion(versions)).right(3);

    const int nameColumn = columnOf(*ar, QStringLiteral("Bezeichnung"));
    const int rateColumn = columnOf(*ar, QStringLiteral("AR"));
    const int kindColumn = columnOf(*ar, QStringLiteral("TSA"));
    for (const auto& [column, name] :
         {std::pair{nameColumn, "Bezeichnung"}, std::pair{rateColumn, "AR"}, std::pair{kindColumn, "TSA"}})
        if (column == 0)
            return missing(QStringLiteral("AR"), QLatin1String(name));
    for (int r = 2; r <= ar->lastRow(); ++r) {
        const QString rate = ar->text(r, rateColumn).trimmed();
        // A row without a rate gives nothing to set; the position keeps its data.
        if (rate.isEmpty())
            continue;
        // The list is a spreadsheet of the user's own: a decimal comma typed in a
        // text cell is its decimal point. Anything else that is not a rate ends the
        // reading, rather than being used as read.
        const QString withPoint = QString(rate).replace(u',', u'.');
        CheckedValue checked = checkRate(rate);
        if (!checked.ok() && rate.count(u',') == 1 && !rate.contains(u'.') && checkRate(withPoint).ok())
            checked = checkRate(withPoint);
        if (!checked.ok())
            return fail(txt("Die Sonder-Ausfallratenliste %1, Tabellenblatt \"AR\", Zeile %2: %3",
                            "The special failure-rate list %1, sheet \"AR\", row %2: %3")
                            .arg(shown, QString::number(r), checked.refusal));
        const QString key = SpecialRateList::keyOf(ar->text(r, nameColumn), ar->text(r, kindColumn));
        if (!list.rates.contains(key))
            list.rates.insert(key, withPoint);
    }
    return list;
}
