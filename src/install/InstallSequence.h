#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "base/FileChanges.h"
#include "base/PrivateFolder.h"
#include "base/Win32.h"
#include "install/InstallManifest.h"
#include "install/InstallSettings.h"

// Whoever shows the install sequence: the sequence tells it what it is doing and
// when it is done, and knows nothing else of it.
class InstallObserver {
public:
    virtual void StatusChanged(std::string_view text) = 0;
    // One report of the extraction: a total (isTotal) or the amount done so far.
    virtual void ProgressChanged(bool isTotal, int64_t value) = 0;
    // Everything is in place in `folder`; not called when the sequence stops early.
    virtual void Installed(const std::string& folder) = 0;
    // The folder cannot take the install (its disk is too full) and nothing of the
    // install is left: a person may choose another folder.
    virtual void FolderRefused() = 0;

protected:
    ~InstallObserver() = default;
};

// The install sequence: closes the running player, unpacks the payload into the
// folder, makes the shortcuts and the system entries.
class InstallSequence {
public:
    explicit InstallSequence(InstallObserver& observer);

    InstallSettings Settings; // filled by the install launch before the sequence runs
    // What the launch wrote (the folder, the archive, the library): kept once the
    // payload is unpacked, undone when it cannot be.
    FileChanges Staged;
    // The private folder the archive library is loaded from, never the install folder
    // (which others may be able to write); gone once the extraction is over.
    PrivateFolder Library;

    // What the sequence does to the machine and how it waits, replaceable by tests.
    struct Actions {
        std::function<bool(std::string_view)> KillProcesses;
        std::function<void(uint32_t)> Wait;
        std::function<void(const std::string&)> DebugLine;
    } Do;

    // The whole sequence: Run raises what it does not report itself; Start reports
    // that too, with the exit code of a stopped install, and undoes a cancelled one.
    void Start();
    void Run();

    // The person quit. A running sequence stops at its next safe point (a wait ends at
    // once, the extraction is stopped through its progress handler) and puts back what
    // it changed; one not started yet undoes the staging at once. Either way the program
    // then ends with exitcode::Cancelled. False once the sequence is over (finished or
    // failed): there is nothing left to stop.
    bool Cancel();

    // The progress handler of the extraction (sender: this sequence).
    static HRESULT OnExtractProgress(void* sender, BOOL isTotal, int64_t value);

private:
    bool ExtractPayload(const std::string& archive, const std::string& folder);
    // Writes the manifest into the install folder under a temporary name, then gives it
    // its own: an uninstall never reads half a list. Raises SystemException.
    void SaveManifest(const std::string& folder) const;
    // The earlier install in Settings.EarlierFolder, when that is another folder than
    // this install's, as its uninstaller would remove it, keeping what this one made.
    void RemoveEarlierInstall(const std::string& folder) const;
    // Raises InstallCancelled once the person quit.
    void StopIfCancelled() const;
    // What a cancelled run leaves: nothing of the launch's, and the program ending.
    void UndoStaging();

    enum class Phase { NotStarted, Running, Over };
    Phase phase_ = Phase::NotStarted;
    bool cancelled_ = false;
    InstallManifest manifest_; // what this run made, with what earlier installs made
    uint64_t installedBytes_ = 0;

    InstallObserver& observer_;
};

// Waits on the tick counter while pending messages run; ends early once `stopped` holds.
void PumpWait(uint32_t ms, const std::function<bool()>& stopped = {});
