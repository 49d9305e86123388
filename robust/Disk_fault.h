// Faults of the file system laid on a folder for the length of a test:
//   Write_protected_folder  the folder's mode is r-x for everyone; when the
//                           test runs as root, which no mode stops, the
//                           effective user becomes nobody while the fault
//                           lasts;
//   Full_disk               writes into the folder fail with ENOSPC through
//                           the preloaded failing-write shim; without it, a
//                           tiny tmpfs is mounted on the folder and filled to
//                           its last block (root with the right to mount);
//   Directory_in_the_way    a directory, holding one file, stands at the
//                           target's name.
// Lift() ends the fault; the destructor lifts it and unmounts.
#pragma once

#include <QString>

#include <string>

enum class Fault_kind { Write_protected_folder, Full_disk, Directory_in_the_way };

std::string Fault_name(Fault_kind kind);

class Disk_fault {
public:
    // Prepares the folder (for a full disk, mounts the tmpfs on it, which
    // hides what the folder held); Skip_reason() tells why a fault cannot be
    // made here, empty when it can.
    Disk_fault(Fault_kind kind, const QString& folder, const QString& target_name);
    ~Disk_fault();
    Disk_fault(const Disk_fault&) = delete;
    Disk_fault& operator=(const Disk_fault&) = delete;

    const std::string& Skip_reason() const { return skip_reason_; }

    // Starts the fault; call after the folder holds the previous files.
    void Inject();
    void Lift();

    // The part of the error message that the system gives for this fault.
    std::string Expected_message() const;

private:
    Fault_kind kind_;
    std::string folder_;
    std::string target_;
    std::string skip_reason_;
    bool mounted_ = false;
    bool injected_ = false;
};
