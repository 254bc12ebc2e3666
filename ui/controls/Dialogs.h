#pragma once
// The open dialog, message dialogs and the list dialog, all shown through the platform
// seam (ui/controls/Platform.h).
//
//   TOpenDialog  Title, Filters, HideReadOnly, FileName (the path chosen last, kept
//                between runs); Execute() returns false when the user cancels.
//   MessageDlg   a message dialog in the classic manner: its title and icon follow the
//                type ("Error", "Warning", "Information", "Confirmation"); buttons in
//                the order Yes, No, OK, Cancel with captions "&Yes", "&No", "OK",
//                "Cancel"; the first is the default unless the caller names another
//                (a question whose safe answer is No makes No the default, so that
//                Enter does not say Yes); Esc presses Cancel, else No, else OK, and
//                does nothing when none of those is offered. The close box always
//                closes it (mrCancel).
//   ListDlg      a list of lines under a header line; the index of the line the user
//                chose, or -1 when the dialog was closed without a choice.
//   SelectDirectory  a folder dialog starting in a folder; false when the user cancels.

#include "ui/controls/Controls.h"
#include "ui/controls/Platform.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace klarvon {

class TOpenDialog : public TComponent {
public:
    TOpenDialog(TForm& owner, std::string_view name);

    void SetTitle(std::string_view title) { request_.Title = title; }
    void SetFilters(std::vector<TFileFilter> filters) { request_.Filters = std::move(filters); }
    void SetHideReadOnly(bool hide) { request_.HideReadOnly = hide; }
    const std::string& FileName() const { return request_.FileName; }
    // Where the dialog starts: beside this file.
    void SetFileName(std::string_view fileName) { request_.FileName = fileName; }

    bool Execute();

private:
    TOpenDialogRequest request_;
};

enum class TMsgDlgType : std::uint8_t { Warning, Error, Information, Confirmation };

struct TMsgDlgButtons {
    bool Yes = false;
    bool No = false;
    bool OK = false;
    bool Cancel = false;
};

// One of the buttons, to name the default; one that is not offered leaves the first.
enum class TMsgDlgBtn : std::uint8_t { Yes, No, OK, Cancel };

enum class TModalResult : std::uint8_t { None, OK, Cancel, Yes, No };

// The request MessageDlg hands to the seam; public so that it can be checked.
TMessageBoxRequest MessageDlgRequest(std::string_view text, TMsgDlgType type,
                                     TMsgDlgButtons buttons);
TMessageBoxRequest MessageDlgRequest(std::string_view text, TMsgDlgType type,
                                     TMsgDlgButtons buttons, TMsgDlgBtn defaultButton);
TModalResult MessageDlg(std::string_view text, TMsgDlgType type, TMsgDlgButtons buttons);
TModalResult MessageDlg(std::string_view text, TMsgDlgType type, TMsgDlgButtons buttons,
                        TMsgDlgBtn defaultButton);

// The request ListDlg hands to the seam; public so that it can be checked.
TListDialogRequest ListDlgRequest(std::string_view title, std::string_view header,
                                  const std::vector<std::string>& lines,
                                  std::string_view selectCaption, std::string_view closeCaption);
// The index into lines of the line chosen, or ListDialogClosed; never an index outside
// lines, whatever the seam answers.
int ListDlg(std::string_view title, std::string_view header, const std::vector<std::string>& lines,
            std::string_view selectCaption, std::string_view closeCaption);

// true with the folder chosen in folder; false, folder untouched, when the user cancels.
bool SelectDirectory(std::string_view title, std::string_view startFolder, std::string& folder);

} // namespace klarvon
