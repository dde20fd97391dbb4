#pragma once
#include <QString>
#include <QStringList>
#include <optional>

// Prediction profiles: a named pair of run parameter lists in tarn.ini,
//   [profil-gl]  name=<method list, every pi marker written as "{pi}">
//   [profil-sy]  name=<control list>
// The names offered are the keys of "profil-gl" in file order. A profile never
// holds the Q-list keys (Qz, Qlnr, ...): the run adds them after storing.

inline constexpr int ProfileNameMax = 30;
inline constexpr int ProfileCountMax = 50;
inline constexpr int ProfileNamesBuffer = 1024;

struct StoredProfile {
    QString methods; // method list with the pi markers in place
    QString control; // control list
};

// The names of the stored profiles, read through a buffer of 1024 characters:
// names beyond it are not offered, the last one may be cut.
QStringList profileNames();

// The profile of a name, whole (a list longer than 255 characters is not cut);
// std::nullopt when the name has no method list in "profil-gl".
std::optional<StoredProfile> readProfile(const QString& name);

// What keeps the stored profile of a name from a run, in the user's language;
// empty when nothing does (or when the name has no method list at all, which
// the caller reports as a profile that is not stored): no entry in
// "profil-sy", no method or a method digit that is not known ("Norm": the digits
// 1, 2, 3 and 0 for none), or an ambient temperature "Tu" or time share "Zf"
// that does not read as one.
QString storedProfileProblem(const QString& name);

// Stores both lists under the name; false when tarn.ini cannot be written.
bool storeProfile(const QString& name, const StoredProfile& profile);

// Removes the name from "profil-gl", then from "profil-sy".
bool deleteProfile(const QString& name);

// The profile window (design form frmProgProfil). Its logic lives here; the
// window answers a question of kind "profile" (key "delete", "select" or
// "save") with the chosen or typed name, or cancels. The checks and the
// messages around the answer are made here, so scripted tests and batch runs
// get the same behaviour as the window.
namespace frmProgProfil {

// vartxt 1: pick a profile to delete; 2: pick a profile for a run. The chosen
// name or "ABBRUCH".
QString SelProfile(int vartxt);

// The name under which to store new parameters, "" when nothing is to be stored,
// or "ABBRUCH".
QString SaveProfile();

// The main menu's "delprof.ql": the window offers the profiles again and again
// until cancelled; each chosen one is removed from both sections once the user
// confirmed it (message 506).
void DeleteProfiles();

// The names the window offers (the list of profileNames()).
QStringList PrepareList();

} // namespace frmProgProfil
