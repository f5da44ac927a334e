// The test builds' record of the failures the error policies swallowed.
#include "util/ErrorPolicy.h"

#ifdef PLIVANT_TEST_BUILD
#include <exception>

namespace plivant {

namespace {
struct Swallows {
    int expecting = 0;  // open ExpectingSwallowed scopes
    int expected = 0;
    std::vector<std::string> unexpected;  // the first few (a fuzzer's run may swallow without end)
    int more = 0;
};
Swallows& Record() {
    static Swallows record;
    return record;
}
}  // namespace

void RecordSwallowed() noexcept {
    Swallows& record = Record();
    if (record.expecting > 0) {
        ++record.expected;
        return;
    }
    if (record.unexpected.size() == 10) {
        ++record.more;
        return;
    }
    std::string what = "an exception of an unknown type";
    try {
        throw;
    } catch (const std::exception& e) {
        what = e.what();
    } catch (...) {
    }
    record.unexpected.push_back(std::move(what));
}

std::vector<std::string> TakeUnexpectedSwallows() {
    Swallows& record = Record();
    if (record.more > 0) record.unexpected.push_back("and " + std::to_string(std::exchange(record.more, 0)) + " more");
    return std::exchange(record.unexpected, {});
}

ExpectingSwallowed::ExpectingSwallowed() : before_(Record().expected) {
    ++Record().expecting;
}

ExpectingSwallowed::~ExpectingSwallowed() {
    --Record().expecting;
}

int ExpectingSwallowed::Count() const {
    return Record().expected - before_;
}

}  // namespace plivant
#endif
