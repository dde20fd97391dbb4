#pragma once
#include <QString>
#include <functional>

// Start-up of the program: builds the program-wide state in its fixed order and
// looks at the command line. Windows are shown by the caller (main), so the whole
// sequence runs headless in tests and batch jobs.
enum class StartAction {
    ShowMain,        // no switch (or an unknown one): show the main window
    ConfigThenMain,  // "/configneu": the configuration dialog, then the main window
    Batch,           // "/fl", "/dr", "/pr", "/mb": run the batch file, then end
    End              // the error dialog's answer ended start-up
};

struct StartResult {
    StartAction action = StartAction::ShowMain;
    QString batchSwitch; // "/fl", ... for Batch
};

// What the start-up and the batch switches run of the subsystems above the
// frame: a link of the program (frame/links.h).
struct StartProcedures {
    std::function<void()> ArchivStart;                                            // [archive] ArchivFlag=1
    std::function<void()> RecoverQslSaves;                                        // Q-list saves left half done
    std::function<bool(QString& LnFehl)> FehlQsBt;                                // "/fl": check and print
    std::function<bool(const QString& desc)> PrintQSL;                            // "/dr": print the Q-list
    std::function<bool(const QString& desc, const QString& profile)> PrognoseQsl; // "/pr": predict and print
    std::function<bool(const QString& list, const QString& target)> MixBt;        // "/mb": mix into the file
};

// Program directory of a program file path (last "\" or "/"; a drive root keeps
// its backslash).
QString programDirectoryOf(const QString& programFile);

// Steps 1 to 22: directories, ini, Cf, work directories, "vg", "userini",
// "cf.sys", units and margins, titles, lists, archive, system database.
// Changes the current directory to the program directory.
StartResult Main(const QString& programFile, const QString& commandLine);

// The parts of start-up, in their order; Main calls them one after the other.
void readConfiguration();      // steps 7-9, 11-17, 19-20
void openSystemDatabase();     // step 21
void fillQslFieldTables();     // step 16

// Exit status of a batch run.
inline constexpr int BatchDone = 0;        // every job line completed
inline constexpr int BatchJobFailed = 1;   // at least one job line failed
inline constexpr int BatchCannotStart = 2; // no job file, no configuration, no system database

// Runs the batch file of a switch ("/fl", "/dr", "/pr", "/mb") in the current
// directory. The caller ends the program afterwards with the returned status.
// Every failure is logged to "<switch>.err" (with the job line and the job file);
// a job line that failed stays in the job file, the completed ones are removed,
// and the file is deleted when every line completed.
int RunBatch(const QString& sw);

// Why a batch run cannot start with the configuration read at start-up (the
// configuration file is missing, or names no internal component file), or an
// empty text.
QString batchConfigurationProblem();

// Message 95: help is not available.
void MsgNoHelp();
