#pragma once
// Two result files that only make sense together, written under temporary
// names of their own beside them (named by SideStem) and then put in place
// together: the folder holds the old pair or the new one, and a failure leaves
// the old one.
#include <string>

class ResultPair {
public:
    ResultPair(std::string first, std::string second);
    ~ResultPair() { Discard(); }
    ResultPair(const ResultPair&) = delete;
    ResultPair& operator=(const ResultPair&) = delete;

    // Creates both temporaries, empty, under names that no other writer has
    // (nor a killed one left for its old files' second names). Open
    // them to append ("ab"): truncating them again would make some file
    // systems write the whole file out at its close. False also when a name
    // of the pair is too long for its folder.
    bool Create();
    // The temporary of file 0 (the first) or 1 (the second).
    const std::string& Temp(int file) const { return temp_[file]; }
    // Renames the temporaries over the two files, the first file first. On
    // failure both files are as they were and the temporaries are gone.
    bool Replace();
    // Removes the temporaries.
    void Discard();
    // Puts right what killed runs left beside the pair: a pair they had not
    // put in place wholly gets its old files back, and their temporaries and
    // second names go. Only for the one writer of the pair, before Create.
    void Recover();

private:
    bool Backup(int file);
    void Restore(int file, bool putIn);
    void Recover(const std::string& tag);

    std::string path_[2];
    std::string stem_[2];  // what the temporaries' and second names start with
    std::string temp_[2];
    std::string backup_[2];
    bool hadOld_[2] = {false, false};
    bool created_ = false;
};
