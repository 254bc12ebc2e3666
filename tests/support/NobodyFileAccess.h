#pragma once
// Linux only: permission bits that bind a test run as root, who passes them all, so that a
// file the user may not write can be tested where the tests run (as root, in a container).
//
// While a TNobodyFileAccess lives, the calling thread reaches files as the user nobody
// (65534): setfsuid changes only the identity the kernel checks file access against, for
// this thread alone, and while it is not 0 the capabilities that override permission bits
// are out of effect; the guard's end gives root's back. The window under test, its dialogs
// and its file all stay in this one process (a re-exec under setpriv would need the whole
// test run in a child), and the test can give write access back in the middle, as a user
// does once the cause is gone. For a user who is not root it does nothing: the bits bind
// them already.

#include <sys/fsuid.h>
#include <unistd.h>

namespace klarvon::test {

class TNobodyFileAccess {
public:
    static constexpr uid_t Nobody = 65534;

    TNobodyFileAccess() {
        if (geteuid() == 0) {
            setfsuid(Nobody);
            // setfsuid answers with the identity before the call, failed or not: asking
            // again tells whether it took.
            active_ = setfsuid(Nobody) == static_cast<int>(Nobody);
        }
    }
    ~TNobodyFileAccess() {
        if (active_) {
            setfsuid(0);
        }
    }
    TNobodyFileAccess(const TNobodyFileAccess&) = delete;
    TNobodyFileAccess& operator=(const TNobodyFileAccess&) = delete;

    // Whether permission bits now bind this thread: not root, or root acting as nobody.
    bool Binding() const { return active_ || geteuid() != 0; }

private:
    bool active_ = false;
};

} // namespace klarvon::test
