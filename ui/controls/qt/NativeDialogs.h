#pragma once
// The Qt side of the platform seam: how a request becomes a Qt dialog. Exposed so the
// dialogs themselves can be checked without running them modally.

#include "ui/controls/Platform.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

#include <memory>
#include <vector>

namespace klarvon {

// A message box that answers in the seam's terms: the index of the button pressed, or
// MessageBoxClosed after the close box. Esc is ignored when the request has no Esc
// button; the close box always works.
class TMessageBoxDialog : public QMessageBox {
public:
    explicit TMessageBoxDialog(const TMessageBoxRequest& request);

    int Answer() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::vector<QAbstractButton*> buttons_;
    bool escapeCloses_;
    bool closedByCloseBox_ = false;
};

// The list dialog: the header in a label ("ListHeader"), the lines in a list
// ("ListLines"), the select button ("ListSelect", the default, usable only with a line
// selected) and the close button ("ListClose"). A double click on a line chooses it.
class TListDialog : public QDialog {
public:
    TListDialog(const TListDialogRequest& request, QWidget* parent);

    // The line chosen, or ListDialogClosed.
    int Answer() const { return chosen_; }

private:
    void Choose(int line);

    int chosen_ = ListDialogClosed;
};

std::unique_ptr<QFileDialog> MakeFileDialog(const TOpenDialogRequest& request);

// "*gta_sa.exe" -> "*[gG][tT][aA]_[sS][aA].[eE][xX][eE]": names are matched whatever
// their case, as they are on the system the edited files come from.
QString AnyCasePattern(const QString& pattern);

} // namespace klarvon
