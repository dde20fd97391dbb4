#pragma once
#include <QString>

// Rebuilds the name index of the internal component file from its block files,
// under the file's exclusive lock. The new index is built in a private folder and
// replaces the old one only when it is complete: a cancel, or a key the index
// cannot take, keeps the old index. Problems go to "NeuInhBE.err" in the current
// directory and to the message list.
void NeuInh();

// The menu commands of the component file: "be.mixbl", "be.mixdat" (merge) and
// "be.db" (index rebuild, after the user confirms). False for any other key.
bool RunComponentFileCommand(const QString& key);
