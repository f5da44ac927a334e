// LeanRuntimeRun.exe: the lean C++ runtime pieces (src/app/LeanRuntime.cpp) thrown through, built and linked as
// Plivant.exe is. Prints one line per case and ends with the count of failed cases; run with "escape", it lets an
// exception escape and should end the way an uncaught exception ends Plivant.exe (abort: exit code 3).
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>
#include <utility>

namespace {

int failures = 0;
void Check(bool holds, const char* what) {
    std::printf("%s %s\n", holds ? "ok:  " : "FAIL:", what);
    failures += holds ? 0 : 1;
}

int alive = 0;  // Tracked objects not yet destroyed.
struct Tracked {
    explicit Tracked(int v) : value(v) { ++alive; }
    Tracked(const Tracked& other) : value(other.value) { ++alive; }
    ~Tracked() { --alive; }
    int value;
};

}  // namespace

int main(int argc, char**) {
    if (argc > 1) throw Tracked(0);  // "escape"

    const Tracked* first = nullptr;
    try {
        try {
            throw Tracked(1);
        } catch (const Tracked& t) {
            Check(t.value == 1 && alive == 1 && std::uncaught_exceptions() == 0, "a throw is caught by its type");
            first = &t;
            try {
                throw 2;
            } catch (int n) {
                Check(n == 2 && alive == 1, "a throw while another exception is handled is caught");
            }
            throw;
        }
    } catch (const Tracked& t) {
        Check(&t == first && alive == 1, "after it, throw; rethrows the first exception, the same object");
    }
    Check(alive == 0, "the object is destroyed once its last handler ends");
    try {
        try {
            throw Tracked(3);
        } catch (const Tracked&) {
            throw Tracked(4);
        }
    } catch (const Tracked& t) {
        Check(t.value == 4 && alive == 1, "an exception escaping a handler ends the handled one");
    }
    Check(alive == 0 && std::uncaught_exceptions() == 0, "no object and no exception is left over");

    // Every block the heap will give, largest first, in a chain through the blocks themselves; nothing is printed until
    // they are given back.
    void** heap = nullptr;
    for (std::size_t size = std::size_t(1) << 30; size >= sizeof(void*); size /= 2)
        while (void** block = static_cast<void**>(std::malloc(size))) {
            *block = heap;
            heap = block;
        }
    const bool exhausted = heap && !std::malloc(64);
    bool caught = false;
    try {
        ::operator delete(::operator new(64));
    } catch (const std::bad_alloc&) {
        caught = true;
    }
    while (heap) std::free(std::exchange(heap, static_cast<void**>(*heap)));
    Check(exhausted && caught, "std::bad_alloc is thrown and caught with the heap exhausted");
    try {
        throw Tracked(5);
    } catch (const Tracked& t) {
        Check(t.value == 5, "a throw after the heap came back");
    }
    std::printf("%d failed\n", failures);
    return failures;
}
