// The C++ runtime reports a misused or exhausted container through these functions. Its
// own versions throw std::logic_error and its kin, whose message strings bring the old
// copy-on-write std::string, and with it a second string library, into the program (a
// fifth of the executable: their unwind tables keep every member alive). These definitions
// take their place at link time. With exceptions (the test builds) they throw a plain
// std::exception with the same message, which every handler of the program catches as
// before. The program users download has none: there a misused container is a fault of the
// program itself, reported and ended as toolkit::Fail does, and memory that runs out ends
// it too, so that no part of the runtime's exception machinery is linked.
#include <cstdlib>
#include <exception>
#include <new>
#include <type_traits>
#include <typeinfo>

#include "toolkit/IgnoreFailure.h"

namespace {

class LibraryFailure final : public std::exception {
public:
    explicit LibraryFailure(const char* what) noexcept : what_(what) {}
    const char* what() const noexcept override { return what_; }

private:
    const char* what_;
};

#ifdef __cpp_exceptions
template <typename Failure>
[[noreturn]] void Raise(const char* what) {
    if constexpr (std::is_same_v<Failure, LibraryFailure>) {
        throw LibraryFailure(what);
    } else {
        throw Failure();
    }
}
#else
template <typename>
[[noreturn]] void Raise(const char* what) {
    keystead::toolkit::ReportIgnoredFailure(what);
    std::abort();
}
#endif

}  // namespace

namespace std {

void __throw_bad_exception() {
    Raise<bad_exception>("bad exception");
}
void __throw_bad_alloc() {
    Raise<bad_alloc>("bad alloc");
}
void __throw_bad_array_new_length() {
    Raise<bad_array_new_length>("bad array new length");
}
void __throw_bad_cast() {
    Raise<bad_cast>("bad cast");
}
void __throw_bad_typeid() {
    Raise<bad_typeid>("bad typeid");
}
void __throw_bad_function_call() {
    Raise<LibraryFailure>("bad function call");
}
void __throw_logic_error(const char* what) {
    Raise<LibraryFailure>(what);
}
void __throw_domain_error(const char* what) {
    Raise<LibraryFailure>(what);
}
void __throw_invalid_argument(const char* what) {
    Raise<LibraryFailure>(what);
}
void __throw_length_error(const char* what) {
    Raise<LibraryFailure>(what);
}
void __throw_out_of_range(const char* what) {
    Raise<LibraryFailure>(what);
}
// The format's numbers are left out: the message only reaches the debugger's output.
void __throw_out_of_range_fmt(const char* format, ...) {
    Raise<LibraryFailure>(format);
}
void __throw_runtime_error(const char* what) {
    Raise<LibraryFailure>(what);
}
void __throw_range_error(const char* what) {
    Raise<LibraryFailure>(what);
}
void __throw_overflow_error(const char* what) {
    Raise<LibraryFailure>(what);
}
void __throw_underflow_error(const char* what) {
    Raise<LibraryFailure>(what);
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

#ifndef __cpp_exceptions
// The runtime's own operator new throws std::bad_alloc, and so links the whole exception
// machinery; the standard lets a program replace it.
void* operator new(std::size_t size) {
    if (void* block = std::malloc(size != 0 ? size : 1)) {
        return block;
    }
    Raise<std::bad_alloc>("out of memory");
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete[](void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}
#endif
