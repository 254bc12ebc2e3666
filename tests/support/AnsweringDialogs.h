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

    int ShowListDialog(const TListDialogRequest& request) override {
        ListRequests.push_back(request);
        return ListAnswer;
    }

    void Beep() override { ++Beeps; }
    void ShellOpen(const std::string& target) override { ShellTargets.push_back(target); }

    std::string ChosenFile; // empty: the user cancels
    int BoxAnswer = 0;
    int ListAnswer = ListDialogClosed; // the line the user chooses

    std::vector<TOpenDialogRequest> OpenRequests;
    std::vector<TMessageBoxRequest> Boxes;
    std::vector<TListDialogRequest> ListRequests;
    int Beeps = 0;
    std::vector<std::string> ShellTargets;
};

} // namespace klarvon::test
