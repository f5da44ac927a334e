// What Plivant.exe takes from the C++ runtime in place of libstdc++'s own, because those pieces weigh more than
// the program: the library's throw helpers live in one object whose logic errors carry a copy-on-write string,
// which drags in both string implementations and the random device (about 75 KB), and its default terminate
// handler prints a demangled name through a printf engine (about 70 KB) on a console a GUI program does not have.
// Defining these symbols here keeps the linker from pulling those objects out of the static library.
#include <cxxabi.h>

#include <unwind.h>

#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <new>
#include <typeinfo>

// Two pieces below copy private layouts of GCC 12's C++ library (libsupc++'s unwind-cxx.h); another compiler's
// library may lay them out otherwise, and the first throw would then corrupt memory. The build also compares the
// library's exception objects with those the layouts were checked against (cmake/CheckLeanRuntime.cmake), since
// Debian's MinGW GCC reports every 12.x release as 12.0.0.
static_assert(__GNUC__ * 10000 + __GNUC_MINOR__ * 100 + __GNUC_PATCHLEVEL__ == 120000,
              "the lean runtime's copies of __cxa_eh_globals and __cxa_refcounted_exception were checked against "
              "GCC 12.0.0 as Debian's MinGW GCC reports it: compare them with this compiler's unwind-cxx.h, run "
              "scripts/test.d/lean-runtime, then update this check and cmake/CheckLeanRuntime.cmake");

namespace {

// A failure the library reports with a message: the program's error policies catch every exception alike and
// never read the message, so it keeps the text it was given and allocates nothing.
class LibraryError final : public std::exception {
public:
    explicit LibraryError(const char* message) noexcept : message_(message) {}
    const char* what() const noexcept override { return message_; }

private:
    const char* message_;
};

}  // namespace

namespace __cxxabiv1 {
// The exceptions being handled and the count of those not yet caught. The library keeps them per thread in
// emulated thread-local storage, whose runtime (about 1.7 KB) this program does without: it throws and catches
// on its one thread only. The layout is the library's own.
struct __cxa_eh_globals {
    void* caughtExceptions;
    unsigned int uncaughtExceptions;
};

namespace {
__cxa_eh_globals exceptionsInFlight;
}  // namespace

extern "C" __cxa_eh_globals* __cxa_get_globals() noexcept {
    return &exceptionsInFlight;
}
extern "C" __cxa_eh_globals* __cxa_get_globals_fast() noexcept {
    return &exceptionsInFlight;
}

// Room for a thrown object. The library's allocator adds an emergency pool for when the heap is exhausted, and a
// lock for it that brings the threads runtime (together about 4.5 KB). What the program throws while the heap is
// exhausted is the one std::bad_alloc, so a reserve for one small object serves the same purpose; with the reserve
// taken too the process ends, as it does when the library's pool runs out.
namespace {
// What the library keeps in front of every thrown object (__cxa_refcounted_exception), its fields as they are.
struct ThrownHeader {
    int referenceCount;
    struct {
        void* exceptionType;
        void* exceptionDestructor;
        void* unexpectedHandler;
        void* terminateHandler;
        void* nextException;
        int handlerCount;
        int handlerSwitchValue;
        const unsigned char* actionRecord;
        const unsigned char* languageSpecificData;
        _Unwind_Ptr catchTemp;
        void* adjustedPtr;
        _Unwind_Exception unwindHeader;
    } exception;
};

alignas(ThrownHeader) unsigned char reserve[sizeof(ThrownHeader) + 64];
bool reserveInUse = false;
}  // namespace

extern "C" void* __cxa_allocate_exception(std::size_t size) noexcept {
    size += sizeof(ThrownHeader);
    void* block = std::malloc(size);
    if (!block && !reserveInUse && size <= sizeof reserve) {
        block = reserve;
        reserveInUse = true;
    }
    if (!block) std::terminate();
    std::memset(block, 0, sizeof(ThrownHeader));
    return static_cast<unsigned char*>(block) + sizeof(ThrownHeader);
}

extern "C" void __cxa_free_exception(void* object) noexcept {
    void* block = static_cast<unsigned char*>(object) - sizeof(ThrownHeader);
    if (block == reserve) {
        reserveInUse = false;
    } else {
        std::free(block);
    }
}
}  // namespace __cxxabiv1

namespace __gnu_cxx {
// The default terminate handler, when an exception escapes: the process ends as it does after the library's
// report, which has no console to go to.
void __verbose_terminate_handler() {
    std::abort();
}
}  // namespace __gnu_cxx

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
void __throw_logic_error(const char* message) {
    throw LibraryError(message);
}
void __throw_domain_error(const char* message) {
    throw LibraryError(message);
}
void __throw_invalid_argument(const char* message) {
    throw LibraryError(message);
}
void __throw_length_error(const char* message) {
    throw LibraryError(message);
}
void __throw_out_of_range(const char* message) {
    throw LibraryError(message);
}
void __throw_out_of_range_fmt(const char* format, ...) {
    throw LibraryError(format);
}
void __throw_runtime_error(const char* message) {
    throw LibraryError(message);
}
void __throw_range_error(const char* message) {
    throw LibraryError(message);
}
void __throw_overflow_error(const char* message) {
    throw LibraryError(message);
}
void __throw_underflow_error(const char* message) {
    throw LibraryError(message);
}

#if !__cpp_rtti
// Built without run-time type information (the shipped program), make_shared's control blocks name this in a
// member that only code compiled against old library headers calls, to ask whether a type is make_shared's tag.
// The library's definition comes with its shared_ptr object, a pool of mutexes and guarded statics (about 4 KB);
// this one answers as the library does when it is itself built without type information.
bool _Sp_make_shared_tag::_S_eq(const type_info&) noexcept {
    return false;
}
#endif

}  // namespace std
