#pragma once
// The open dialog and message dialogs, all shown through the platform seam
// (ui/controls/Platform.h).
//
//   TOpenDialog  Title, Filters, HideReadOnly, FileName (the path chosen last, kept
//                between runs); Execute() returns false when the user cancels.
//   MessageDlg   a message dialog in the classic manner: its title and icon follow the
//                type ("Error", "Warning", "Information", "Confirmation"); buttons in
//                the order Yes, No, OK, Cancel with captions "&Yes", "&No", "OK",
//                "Cancel"; the first is the default; Esc presses Cancel, else No, else
//                OK, and does nothing when none of those is offered. The close box
//                always closes it (mrCancel).

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

enum class TModalResult : std::uint8_t { None, OK, Cancel, Yes, No };

// The request MessageDlg hands to the seam; public so that it can be checked.
TMessageBoxRequest MessageDlgRequest(std::string_view text, TMsgDlgType type,
                                     TMsgDlgButtons buttons);
TModalResult MessageDlg(std::string_view text, TMsgDlgType type, TMsgDlgButtons buttons);

} // namespace klarvon
