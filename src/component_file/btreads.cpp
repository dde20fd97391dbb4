#include "component_file/btreads.h"
#include "component_file/btjournal.h"
#include "component_file/btrecord.h"
#include "frame/program.h"

#include <QHash>

// Held by the Program while a scope is alive.
struct ComponentReads {
    QHash<QString, QString> pages;
    QHash<QString, KeptBlock> blocks;
    qsizetype characters = 0;
    qsizetype bound = KeptCharacters;
};

namespace {

ComponentReads* reads()
{
    ComponentReads* r = prog().Reads.get();
    // A change stages its own copies of what it reads and writes.
    return r && !changeOpen() ? r : nullptr;
}

} // namespace

ComponentReadScope::ComponentReadScope(qsizetype bound) : mOwner(!prog().Reads)
{
    if (mOwner) {
        prog().Reads = std::make_shared<ComponentReads>();
        prog().Reads->bound = bound;
    }
}

ComponentReadScope::~ComponentReadScope()
{
    if (mOwner)
        prog().Reads.reset();
}

const QString* keptPage(const QString& file)
{
    ComponentReads* r = reads();
    if (!r)
        return nullptr;
    const auto it = r->pages.constFind(file);
    return it == r->pages.cend() ? nullptr : &*it;
}

void keepPage(const QString& file, const QString& page)
{
    ComponentReads* r = reads();
    if (!r || r->characters + page.size() > r->bound)
        return;
    r->characters += page.size();
    r->pages.insert(file, page);
}

const KeptBlock* keptBlock(const QString& file)
{
    ComponentReads* r = reads();
    if (!r)
        return nullptr;
    const auto it = r->blocks.constFind(file);
    return it == r->blocks.cend() ? nullptr : &*it;
}

void keepBlock(const QString& file, const QString& text, KeptBlock& block)
{
    block.text = text;
    QString consumed = text;
    const int keepNr = prog().BtSatzNr;
    ZerlegBtBlock(consumed, block.records, block.count);
    prog().BtSatzNr = keepNr;
    ComponentReads* r = reads();
    if (!r)
        return;
    qsizetype size = text.size();
    for (const QString& record : std::as_const(block.records))
        size += record.size();
    if (r->characters + size > r->bound)
        return;
    r->characters += size;
    r->blocks.insert(file, block);
}

void forgetKeptReads()
{
    if (ComponentReads* r = prog().Reads.get()) {
        r->pages.clear();
        r->blocks.clear();
        r->characters = 0;
    }
}

qsizetype keptCharacters()
{
    const ComponentReads* r = prog().Reads.get();
    return r ? r->characters : 0;
}
