#pragma once
#include <array>

// The choice of the one method whose results go into the result file, when a new
// profile with a result file computes more than one. Asked through ui() as a
// question of kind "normwahl", key "NormWahl"; NormChoiceParams::marks holds the
// methods offered ("1" YK 70412, "2" user list, "3" MIL-HDBK-217F) and the
// captions. The window answers with code 1..3 for the option on at OK, 0 when
// none was on; a cancel (also the close box) gives -1.
namespace frmBEBez {

// Nmarke[1..3]: the methods computed (index 0 unused). 1, 2 or 3, 0 when OK was
// given with no option on, -1 on cancel.
int NormWahl(const std::array<bool, 4>& Nmarke);

} // namespace frmBEBez
