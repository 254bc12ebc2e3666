#pragma once
// Every failure the core reports is an exception whose what() is the exact text the
// user sees (without the closing full stop: the error box adds that).

#include <stdexcept>
#include <string>
#include <utility>

namespace klarvon {

class EKlarvonError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Text that is not a number of the expected syntax:
// "'12a' is not a valid integer value", "'x' is not a valid floating point value".
class EConvertError : public EKlarvonError {
public:
    using EKlarvonError::EKlarvonError;
};

// "Range check error": a well-formed integer outside the field's type.
class ERangeError : public EKlarvonError {
public:
    ERangeError() : EKlarvonError("Range check error") {}
};

// "Floating point overflow": a well-formed number too large for a float32.
class EOverflow : public EKlarvonError {
public:
    EOverflow() : EKlarvonError("Floating point overflow") {}
};

// "Invalid floating point operation": a stored signalling NaN cannot be shown.
class EInvalidOp : public EKlarvonError {
public:
    EInvalidOp() : EKlarvonError("Invalid floating point operation") {}
};

// A failed file operation. Code follows the classic runtime's numbering
// (2 file not found, 3 invalid filename, 4 too many open files, 5 access denied,
// 100 read beyond end, 101 disk full); other causes carry the system's own number.
class EInOutError : public EKlarvonError {
public:
    EInOutError(int code, const std::string& message) : EKlarvonError(message), Code(code) {}
    int Code;
    // The file it concerns, where whoever opened it said so; empty otherwise. what() never
    // holds it: the editor names its file in its own window, the companion words it itself.
    std::string Path;
};

// A failure whose text is final as it stands (no full stop is added), and what it
// concerned ("B.exe.bak", "HornTone=1E39"), shown on a line of its own; empty when it
// concerns nothing in particular.
class EFinalError : public EKlarvonError {
public:
    explicit EFinalError(const std::string& text, std::string context = {})
        : EKlarvonError(text), Context(std::move(context)) {}
    std::string Context;
};

} // namespace klarvon
