#pragma once
// A temporary folder that is the working folder while it lives: the editor looks for its
// settings and files there, so each test gets a folder of its own, and the one before is
// the working folder again afterwards.

#include "tests/support/TempDir.h"

#include <QDir>
#include <QString>

namespace klarvon::test {

class TWorkingFolder : public TTempDir {
public:
    TWorkingFolder()
        : previous_(QDir::currentPath()),
          entered_(QDir::setCurrent(QString::fromStdString(Path().string()))) {}
    ~TWorkingFolder() { QDir::setCurrent(previous_); }
    TWorkingFolder(const TWorkingFolder&) = delete;
    TWorkingFolder& operator=(const TWorkingFolder&) = delete;

    // Whether it became the working folder.
    bool Entered() const { return entered_; }

private:
    QString previous_;
    bool entered_;
};

} // namespace klarvon::test
