#include "ui/controls/Dialogs.h"

#include <array>

namespace klarvon {
namespace {

struct TButtonKind {
    bool TMsgDlgButtons::*Offered;
    const char* Caption;
    TModalResult Result;
};

// In the order the buttons stand in the dialog.
constexpr std::array<TButtonKind, 4> ButtonKinds{{
    {&TMsgDlgButtons::Yes, "&Yes", TModalResult::Yes},
    {&TMsgDlgButtons::No, "&No", TModalResult::No},
    {&TMsgDlgButtons::OK, "OK", TModalResult::OK},
    {&TMsgDlgButtons::Cancel, "Cancel", TModalResult::Cancel},
}};

// Esc answers the most cautious button offered.
constexpr std::array<TModalResult, 3> EscapeOrder{TModalResult::Cancel, TModalResult::No,
                                                  TModalResult::OK};

struct TDialogKind {
    const char* Title;
    TMessageIcon Icon;
};

TDialogKind KindOf(TMsgDlgType type) {
    switch (type) {
    case TMsgDlgType::Warning:
        return {"Warning", TMessageIcon::Warning};
    case TMsgDlgType::Error:
        return {"Error", TMessageIcon::Error};
    case TMsgDlgType::Information:
        return {"Information", TMessageIcon::Information};
    case TMsgDlgType::Confirmation:
        return {"Confirmation", TMessageIcon::Question};
    }
    return {"", TMessageIcon::None};
}

std::vector<TModalResult> OfferedResults(TMsgDlgButtons buttons) {
    std::vector<TModalResult> results;
    for (const TButtonKind& kind : ButtonKinds) {
        if (buttons.*kind.Offered) {
            results.push_back(kind.Result);
        }
    }
    return results;
}

} // namespace

TOpenDialog::TOpenDialog(TForm& /*owner*/, std::string_view name) : TComponent(name) {}

bool TOpenDialog::Execute() {
    std::string chosen;
    if (!PlatformDialogs().ExecuteOpenDialog(request_, chosen)) {
        return false;
    }
    request_.FileName = chosen;
    return true;
}

TMessageBoxRequest MessageDlgRequest(std::string_view text, TMsgDlgType type,
                                     TMsgDlgButtons buttons) {
    const TDialogKind kind = KindOf(type);
    TMessageBoxRequest request;
    request.Title = kind.Title;
    request.Text = text;
    request.Icon = kind.Icon;
    for (const TButtonKind& button : ButtonKinds) {
        if (buttons.*button.Offered) {
            request.Buttons.emplace_back(button.Caption);
        }
    }
    request.DefaultButton = 0;
    const std::vector<TModalResult> offered = OfferedResults(buttons);
    for (const TModalResult escape : EscapeOrder) {
        for (std::size_t i = 0; i < offered.size(); ++i) {
            if (offered[i] == escape && request.EscapeButton < 0) {
                request.EscapeButton = static_cast<int>(i);
            }
        }
    }
    return request;
}

TModalResult MessageDlg(std::string_view text, TMsgDlgType type, TMsgDlgButtons buttons) {
    const int answer = PlatformDialogs().ShowMessageBox(MessageDlgRequest(text, type, buttons));
    const std::vector<TModalResult> offered = OfferedResults(buttons);
    if (answer < 0 || static_cast<std::size_t>(answer) >= offered.size()) {
        return TModalResult::Cancel;
    }
    return offered[static_cast<std::size_t>(answer)];
}

} // namespace klarvon
