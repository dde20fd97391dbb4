// Fuzz target: writing cells into a worksheet part from an untrusted workbook.
//
// The input is the sheet's XML. A refusal is fine; a part that is written must
// be well-formed, and a namespace-aware reading of it must find every written
// cell once more, in the namespace of the row around it, with its text.
#include "frame/program.h"
#include "workbook/workbook.h"

#include <QXmlStreamReader>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <optional>

namespace {

const WorkbookCells kCells = {
    {{1, 1}, QStringLiteral("ok")},        {{1, 3}, QStringLiteral("in")},   {{2, 2}, QStringLiteral("a&b<c>\"")},
    {{3, 1}, QStringLiteral("x\ry\x01_x0041_")}, {{7, 4}, QStringLiteral("nv")}, {{7, 5}, QString()},
    {{1048576, 16384}, QStringLiteral("last")}};

// Escapes "_xHHHH_" as a reader takes them back.
QString unescaped(const QString& s);

// The written cells that a namespace-aware reading finds with their text.
std::map<std::pair<int, int>, bool> cellsOf(const QByteArray& part, bool& wellFormed)
{
    std::map<std::pair<int, int>, bool> found;
    QXmlStreamReader xml(part);
    struct Open {
        QString ns, name;
    };
    std::vector<Open> stack;
    int sheetDataDepth = 0; // of the first sheetData, as the writer takes it
    std::optional<std::pair<int, int>> cell; // a cell that was written, while it is read
    bool sameNamespace = false;
    QString text;
    int cellDepth = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const Open e{xml.namespaceUri().toString(), xml.name().toString()};
            const int depth = int(stack.size()) + 1;
            if (!sheetDataDepth && e.name == QLatin1String("sheetData"))
                sheetDataDepth = depth;
            if (sheetDataDepth && depth == sheetDataDepth + 2 && e.name == QLatin1String("c") &&
                stack.back().name == QLatin1String("row")) {
                const QString ref = xml.attributes().value(QLatin1String("r")).toString();
                int column = 0;
                qsizetype i = 0;
                while (i < ref.size() && ref[i] >= u'A' && ref[i] <= u'Z' && i < 3)
                    column = column * 26 + (ref[i++].unicode() - u'A' + 1);
                const int row = ref.mid(i).toInt();
                if (kCells.count({row, column})) {
                    cell = std::make_pair(row, column);
                    sameNamespace = e.ns == stack.back().ns;
                    text.clear();
                    cellDepth = depth;
                }
            }
            stack.push_back(e);
        } else if (xml.isEndElement()) {
            if (cell && int(stack.size()) == cellDepth) {
                if (sameNamespace && unescaped(text) == kCells.at(*cell))
                    found[*cell] = true;
                cell.reset();
            }
            stack.pop_back();
        } else if (xml.isCharacters() && cell && stack.back().name == QLatin1String("t")) {
            text += xml.text();
        }
    }
    wellFormed = !xml.hasError();
    return found;
}

QString unescaped(const QString& s)
{
    QString out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        bool ok = false;
        const ushort code = i + 6 < s.size() && s[i] == u'_' && s[i + 1] == u'x' && s[i + 6] == u'_'
                                ? s.mid(i + 2, 4).toUShort(&ok, 16)
                                : 0;
        if (ok) {
            out += QChar(code);
            i += 6;
        } else {
            out += s[i];
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static ProgramScope scope;
    // Qt's warnings about the damaged input (a seek past the end) would only
    // slow the runs down and hide the driver's own output.
    static const QtMessageHandler quiet =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    (void)quiet;
    const QByteArray source(reinterpret_cast<const char*>(data), qsizetype(size));
    QByteArray written;
    try {
        written = rewriteSheetXml(source, kCells);
    } catch (const WorkbookFailure& f) {
        if (f.reason.isEmpty())
            abort();
        return 0;
    }
    bool wellFormed = false;
    const auto found = cellsOf(written, wellFormed);
    if (!wellFormed)
        abort();
    for (const auto& [at, text] : kCells)
        if (!text.isEmpty() && !found.count(at))
            abort();
    return 0;
}
