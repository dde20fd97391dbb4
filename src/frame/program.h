#pragma once
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <memory>
#include <typeindex>
#include <typeinfo>
#include <vector>

class Interaction;
class BatchInteraction;
class Database;
class Snapshot;
class RunPhases;
class IniStore;
class InstanceLock;
class QslEditGrid;
struct DosFileTable;
struct JournalUnit;
struct WrittenBlock;
struct ComponentReads;
class QFile;

// Program-wide state: everything that start-up sets and that the procedures
// share lives here, in one object reached through prog(). Start-up owns
// it; tests install a fresh one per test (ProgramScope).
struct QslFeld {
    QString name;
    QString column;
    int width = 0;
};

// The state objects of the folders above the frame (the print job, the report,
// the Q-list database slots, the dialogue). Each folder defines its own and
// reaches it through its own accessor; the Program only keeps them, so that a
// fresh Program (a test, a batch run) starts every one of them afresh. They go in
// the reverse order of their making.
class SubsystemStates {
public:
    SubsystemStates() = default;
    ~SubsystemStates()
    {
        while (!mHeld.empty())
            mHeld.pop_back();
    }
    SubsystemStates(const SubsystemStates&) = delete;
    SubsystemStates& operator=(const SubsystemStates&) = delete;

    // The holder of the state of type T; empty until its folder makes one.
    template <class T>
    std::shared_ptr<T>& held()
    {
        for (const std::unique_ptr<Base>& b : mHeld)
            if (b->type == typeid(T))
                return static_cast<Entry<T>&>(*b).state;
        mHeld.push_back(std::make_unique<Entry<T>>());
        return static_cast<Entry<T>&>(*mHeld.back()).state;
    }

private:
    struct Base {
        explicit Base(std::type_index t) : type(t) {}
        virtual ~Base() = default;
        std::type_index type;
    };
    template <class T>
    struct Entry : Base {
        Entry() : Base(typeid(T)) {}
        std::shared_ptr<T> state;
    };
    std::vector<std::unique_ptr<Base>> mHeld;
};

struct Program {
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The hold of this running copy on its work directories (frame/instancelock.h):
    // first here, so that it is released last, after every file in them is closed.
    std::shared_ptr<InstanceLock> Instance;
    // The component file's table of open files and its change in progress
    // (component_file/dosfile.h, btjournal.h): next to the lock, so that they go
    // after everything else that may still close a file.
    std::shared_ptr<DosFileTable> DosFiles;
    std::shared_ptr<JournalUnit> Journal;
    // The block last written within the open change, kept with its records so
    // that a merge appends to it without splitting it anew (btstore.cpp).
    std::shared_ptr<WrittenBlock> LastBlock;
    // Index pages and blocks kept for a run that reads many components
    // (component_file/btreads.h); empty outside such a run.
    std::shared_ptr<ComponentReads> Reads;

    // Work strings 0..22 and the run block 0..62 (see the run and calculation code
    // for the slot meanings). RunVal holds the numeric slots (26, 30, ... 58).
    std::array<QString, 23> WorkStr;
    std::array<QString, 63> RunStr;
    std::array<double, 63> RunVal{};

    QString Cf;
    QString IniFile;
    QString LangDir;
    int LangNr = 1;
    int LangDruck = 1;

    QString BinDir, BexDir, SinDir, SexDir;
    // Component file: the index page caches of the internal and the external file
    // (0 top, 1 second level, 2 leaf page), the names of the cached pages (empty:
    // nothing cached on that level), and the records of the block read last
    // (BtSatz is 1-based; element 0 is unused).
    std::array<QString, 3> InhSeiteInt, InhSeiteExt;
    QString SsDateiInt, IbDateiInt, SsDateiExt, IbDateiExt;
    QStringList BtSatz;
    int BtSatzAnz = 0;
    int BtSatzNr = 0;
    int QslDruckNr = 0;
    bool HwNwKonfig = false;
    QString EinhListe;
    std::array<double, 4> Raender{};
    QString TitelAnw;
    QString ProgTitel;
    std::array<QString, 6> AbkListen; // 1..5
    QString MilParam, InfoParam, QslParam, SonderParam;
    QString PdfPrint, PdfConvert, Ghost, PsFile;
    QString SonderArDatei;
    bool SonderArKonfig = false;
    double YkBewFaktor = 0;
    bool YkBewKonfig = false;
    bool Interaktiv = true;
    bool ArchivFlag = false;

    std::array<QslFeld, 10> QslFeldTab; // 1..9
    std::array<int, 9> QlSuchArt{};     // 1..8
    std::array<QString, 10> QslRec;     // 1..9
    std::array<QString, 10> QslRecAlt;  // 1..9

    std::unique_ptr<Database> SystDb;
    std::unique_ptr<Snapshot> AbkRs;
    std::unique_ptr<Snapshot> BacTecListe;
    std::unique_ptr<Database> AwsDb;

    // The listing files "c.tmp" (file number 7, shown as text page "#7") and
    // "t.tmp" (file number 6, printed): open from their recreation to the next,
    // with the number of records written to each since its last rewind.
    std::unique_ptr<QFile> ListFile7;
    std::unique_ptr<QFile> ListFile6;
    int16_t ErgZeilenC = 0;
    int16_t ErgZeilenT = 0;

    // Call history of the error handler: the newest 40 entries, newest first.
    QStringList ErrHistory;
    QString ProgInfo;      // the error dialog's program text, set by the first error
    QString ProgramFile;   // full path of the program file
    QString ProgramName;   // base name of the program file (".EPT" protocol name)
    // The file chosen last in the file dialogs of the Q-list import and export:
    // the dialogs propose it again.
    QString LastFileName;

    // The one service through which everything asks or tells the user. Whoever
    // installs the Program sets it (start-up: the windows or, for a batch switch,
    // the batch answers); ui() without one is a fatal error.
    Interaction* ui = nullptr;

    bool MenuRunning = false;
    // The line grid of the open Q-list editor (the check reads a Q-list from it);
    // null while no editor is open.
    QslEditGrid* QslEdit = nullptr;

    // Number of the Q-list whose prediction is running (five digits); empty
    // outside a run. PDF result files are named after it.
    QString ErgLnr;
    // The print job, the report, the Q-list database slots, the selection menu and
    // the dialogue's entry fields, each reached through its folder's accessor
    // (printState(), reportState(), qlDbState(), frmBEProgEin::state(), diaFields()).
    SubsystemStates Subsystems;
    // The times of the phases of the last prediction (frame/runphases.h).
    std::shared_ptr<RunPhases> Phases;
    // The copy of the ini file that start-up reads once (frame/inifile.h).
    std::shared_ptr<IniStore> IniMemory;
};

Program& prog();
// A text of our own in the program's language: English for language 2, else German.
QString txt(const char* de, const char* en);
// The interaction of the installed Program; fatal when it has none.
Interaction& ui();

// Installs a fresh Program for the lifetime of the scope (tests, tools). Its
// interaction is a BatchInteraction that the scope owns (no person: messages
// answered and logged in memory, choices cancelled), so that code run in the
// scope never waits for a person; a test that answers questions itself sets
// program().ui to its own interaction.
class ProgramScope {
public:
    ProgramScope();
    ~ProgramScope();
    Program& program() { return *mProgram; }

private:
    std::unique_ptr<BatchInteraction> mBatch;
    std::unique_ptr<Program> mProgram;
    Program* mPrevious;
};

// Start-up installs its Program here; returns the previous one.
Program* installProgram(Program* p);
