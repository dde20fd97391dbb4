#pragma once
#include <QString>
#include <functional>
#include <memory>

class Database;

// The single-component prediction: asks reference or operating conditions and
// the run parameters once, then per component its identity (the component file's
// record, or data entered by the user), its stress data, computes it by the
// methods of the run, shows the check, result and comment pages in the
// selection-menu window, prints the result and asks the next step.
//   key  empty, or the identity of the first component ("Typ=", "Yk=" or "An="
//        and a designation); the identity entry overwrites it.
void PrognoseBt(QString& key);

// Opens the user failure-rate list "ARAWS.sqlite" (read-only) for the norm
// calculation of one component. The single-component run opens it through this
// link; tests replace it to watch or to fail the open.
using AwsOpener = std::function<std::unique_ptr<Database>(const QString& path)>;
AwsOpener& awsOpener();
