// The C++ runtime reports a misused or exhausted container through these functions. Its
// own versions throw std::logic_error and its kin, whose message strings bring the old
// copy-on-write std::string, and with it a second string library, into the program (a
// fifth of the executable: their unwind tables keep every member alive). These definitions
// take their place at link time and throw a plain std::exception with the same message, which
// every handler of the program catches as before.
#include <cstdlib>
#include <exception>
#include <new>
#include <typeinfo>

namespace {

class LibraryFailure final : public std::exception {
public:
    explicit LibraryFailure(const char* what) noexcept : what_(what) {}
    const char* what() const noexcept override { return what_; }

private:
    const char* what_;
};

}  // namespace

namespace std {

void __throw_bad_exception() {
    throw bad_exception();
}
void __throw_bad_alloc() {
    throw bad_alloc();
}
void __throw_bad_array_new_length() {
    throw bad_array_new_length();
}
void __throw_bad_cast() {
    throw bad_cast();
}
void __throw_bad_typeid() {
    throw bad_typeid();
}
void __throw_bad_function_call() {
    throw LibraryFailure("bad function call");
}
void __throw_logic_error(const char* what) {
    throw LibraryFailure(what);
}
void __throw_domain_error(const char* what) {
    throw LibraryFailure(what);
}
void __throw_invalid_argument(const char* what) {
    throw LibraryFailure(what);
}
void __throw_length_error(const char* what) {
    throw LibraryFailure(what);
}
void __throw_out_of_range(const char* what) {
    throw LibraryFailure(what);
}
// The format's numbers are left out: the message only reaches the debugger's output.
void __throw_out_of_range_fmt(const char* format, ...) {
    throw LibraryFailure(format);
}
void __throw_runtime_error(const char* what) {
    throw LibraryFailure(what);
}
void __throw_range_error(const char* what) {
    throw LibraryFailure(what);
}
void __throw_overflow_error(const char* what) {
    throw LibraryFailure(what);
}
void __throw_underflow_error(const char* what) {
    throw LibraryFailure(what);
}

}  // namespace std

// The C++ runtime's default terminate handler writes the uncaught exception's demangled type
// to a standard error that a windowed program does not have, and brings the whole demangler
// (a sixth of the executable) with it. This definition takes its place at link time, so
// that neither is linked; std::set_terminate would come too late for that.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
}  // namespace __gnu_cxx
