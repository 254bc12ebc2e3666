#pragma once
// Stands in for the user and the system: records every request that would have been a
// dialog, a beep, a shell call or a sound, and answers with what the test has set.

#include "ui/controls/Platform.h"

#include <cstdint>
#include <string>
#include <vector>

namespace klarvon::test {

class TAnsweringDialogs : public TPlatformDialogs {
public:
    bool ExecuteOpenDialog(const TOpenDialogRequest& request, std::string& fileName) override {
        OpenRequests.push_back(request);
        if (ChosenFile.empty()) {
            return false;
        }
        fileName = ChosenFile;
        return true;
    }

    int ShowMessageBox(const TMessageBoxRequest& request) override {
        Boxes.push_back(request);
        return BoxAnswer;
    }

    int ShowListDialog(const TListDialogRequest& request) override {
        ListRequests.push_back(request);
        return ListAnswer;
    }

    void Beep() override { ++Beeps; }
    void ShellOpen(const std::string& target) override { ShellTargets.push_back(target); }

    bool ExecuteFolderDialog(const TFolderDialogRequest& request, std::string& folder) override {
        FolderRequests.push_back(request);
        if (ChosenFolder.empty()) {
            return false;
        }
        folder = ChosenFolder;
        return true;
    }

    bool PlayWave(const TWaveRequest& request) override {
        Played.push_back(request.Wav);
        return HasSoundDevice;
    }
    void StopWave() override { ++Stops; }

    std::string ChosenFile; // empty: the user cancels
    int BoxAnswer = 0;
    int ListAnswer = ListDialogClosed; // the line the user chooses
    std::string ChosenFolder;          // empty: the user cancels
    bool HasSoundDevice = true;

    std::vector<TOpenDialogRequest> OpenRequests;
    std::vector<TMessageBoxRequest> Boxes;
    std::vector<TListDialogRequest> ListRequests;
    int Beeps = 0;
    std::vector<std::string> ShellTargets;
    std::vector<TFolderDialogRequest> FolderRequests;
    std::vector<std::vector<std::uint8_t>> Played;
    int Stops = 0;
};

} // namespace klarvon::test
