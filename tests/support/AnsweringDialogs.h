#pragma once
// Stands in for the user and the system: records every request that would have been a
// dialog, a beep or a shell call, and answers with what the test has set.

#include "ui/controls/Platform.h"

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

    void Beep() override { ++Beeps; }
    void ShellOpen(const std::string& target) override { ShellTargets.push_back(target); }

    std::string ChosenFile; // empty: the user cancels
    int BoxAnswer = 0;

    std::vector<TOpenDialogRequest> OpenRequests;
    std::vector<TMessageBoxRequest> Boxes;
    int Beeps = 0;
    std::vector<std::string> ShellTargets;
};

} // namespace klarvon::test
