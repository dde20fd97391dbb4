#pragma once

// The slots of the work strings (Program::WorkStr) and of the run block
// (Program::RunStr, Program::RunVal), by name. docs/GLOSSARY.md has one line
// for each.

// Work strings. 0..9 carry a component through the calculation and the report
// (see calculation/calcinterface.h); 9..19 are set at start-up and by the
// configuration; 20..22 are the lines that the Q-list and report code read and
// write.
namespace Slot {
inline constexpr int SyPar = 0;       // control list (profile section "profil-sy")
inline constexpr int GlPar = 1;       // method list (profile section "profil-gl")
inline constexpr int Ident = 2;       // identity items of the position
inline constexpr int Q = 3;           // component data (",Q,")
inline constexpr int Z = 4;           // sub-components (",Z,")
inline constexpr int B = 5;           // description (",B,"; its "Be=" item)
inline constexpr int S = 6;           // stress data (",S,")
inline constexpr int F = 7;           // error and warning codes (",F,")
inline constexpr int R = 8;           // operating conditions and results (",R,")
inline constexpr int AwsDir = 9;      // directory of the user failure-rate list
inline constexpr int Tp1 = 10;        // first work directory, "tp1"
inline constexpr int Tp2 = 11;        // second work directory, "tp2"
inline constexpr int Tqs = 12;        // "tp1\tqs"
inline constexpr int Vql = 13;        // directory of the Q-list databases
inline constexpr int VqlDir = 14;     // the same with a trailing "\"
inline constexpr int VqlDbase = 15;   // Vql + "\dbase_", followed by the letter
inline constexpr int Qz = 16;         // letter of the current Q-list database
inline constexpr int ProgramDir = 17; // the program directory
inline constexpr int TsaMode = 18;    // the Tsa setting, upper case
inline constexpr int SystemDir = 19;  // the System directory
inline constexpr int Line = 20;       // the line being read or written (Q-list, listing, head)
inline constexpr int SylkHead = 21;   // the SYLK lines of a report head
inline constexpr int Record = 22;     // the current listing record (fixed length)
} // namespace Slot

// Text slots of RunStr shared by the run and the calculation.
namespace RunSlot {
inline constexpr int Scratch = 0;    // a key list of the choice being made (menu keys, environments)
inline constexpr int Methods = 1;    // method digits of the run ("00000" when none)
inline constexpr int Choice = 2;     // the answer of the method menu
inline constexpr int Env = 3;        // environment of the norm methods
inline constexpr int Envm = 4;       // environment of MIL-HDBK-217F
inline constexpr int EnvmGroup = 5;  // first key of the MIL environment menus
inline constexpr int EnvmEntry = 6;  // second key of the MIL environment menus
inline constexpr int Tu = 7;         // ambient temperature of the method list, as text
inline constexpr int Vl = 8;         // the Vl item of the method list, as text
inline constexpr int MilQk = 9;      // 9..12: quality classes chosen for the MIL families 1, 2, 4, 5
inline constexpr int MilPiQ = 13;    // 13..16: pi-Q factors entered for the MIL families 1, 2, 4, 5
inline constexpr int Bac = 17;
inline constexpr int Bac2 = 18;   // first two characters of Bac
inline constexpr int Bac3 = 19;   // first three
inline constexpr int Bac1 = 20;   // first one
inline constexpr int Tec = 22;    // "0000" when empty
inline constexpr int Pin = 24;    // pin count, or the connection count when Pin is empty
inline constexpr int Vf = 25;
} // namespace RunSlot

// Numeric slots: held in Program::RunVal at these indices (each takes the place of
// four text slots, so RunStr 27..29, 31..33, ... 59..61 are never used).
namespace RunNum {
inline constexpr int Dtu = 26;
inline constexpr int Umax = 30;
inline constexpr int Ub = 34;
inline constexpr int Imax = 38;
inline constexpr int Inen = 42;
inline constexpr int Ib = 46;
inline constexpr int Tjmax = 50; // 150 when 0, raised to Tref by the junction look-up
inline constexpr int Tbmax = 54;
inline constexpr int Dtr = 58;
} // namespace RunNum
