#pragma once

// Refusing each write in turn: a screen that knows what it writes, in order,
// is run once per write with the host refusing that write, and must have made
// exactly the writes before it. One row per refusal, named after the subject
// and the refused field, so a failure names its case.

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "TestData.h"

namespace vks::test {

struct RefusedWrite {
    std::string name;    // "<subject> refusing <field>", or "... refusing nothing"
    std::size_t subject; // which of the test's subjects (twin, screen) runs
    Writes all;          // what the subject writes when nothing is refused
    std::size_t at;      // the refused write's position in `all`; all.size(): none

    bool refuses() const { return at < all.size(); }
    // The writes the screen makes before it stops.
    Writes before() const { return {all.begin(), all.begin() + static_cast<std::ptrdiff_t>(at)}; }
    std::vector<FieldId> fieldsBefore() const {
        std::vector<FieldId> fields;
        for (std::size_t i = 0; i < at; ++i) fields.push_back(all[i].first);
        return fields;
    }
    // Has the host refuse this row's write (the first occurrence of its field).
    void arm(SimulatedHost& host) const {
        if (refuses()) host.refuseWrite(all[at].first, 0);
    }
};

inline void PrintTo(const RefusedWrite& row, std::ostream* os) { *os << row.name; }

enum class UnrefusedRun { Left, Included };

// A row per write of `all`, in order; a field written twice is refused the
// first time, so its later writes make no row of their own. With
// UnrefusedRun::Included a last row refuses nothing.
inline std::vector<RefusedWrite> eachWriteRefused(std::string_view subjectName, const Writes& all,
                                                  UnrefusedRun unrefused = UnrefusedRun::Left,
                                                  std::size_t subject = 0) {
    std::vector<RefusedWrite> rows;
    for (std::size_t at = 0; at < all.size(); ++at) {
        bool writtenBefore = false;
        for (std::size_t earlier = 0; earlier < at; ++earlier) writtenBefore |= all[earlier].first == all[at].first;
        if (writtenBefore) continue;
        rows.push_back({std::string(subjectName) + " refusing " + std::to_string(all[at].first), subject, all, at});
    }
    if (unrefused == UnrefusedRun::Included) {
        rows.push_back({std::string(subjectName) + " refusing nothing", subject, all, all.size()});
    }
    return rows;
}

// The same for a subject known by the fields it writes only.
inline std::vector<RefusedWrite> eachWriteRefused(std::string_view subjectName, const std::vector<FieldId>& fields,
                                                  UnrefusedRun unrefused = UnrefusedRun::Left,
                                                  std::size_t subject = 0) {
    Writes all;
    for (FieldId field : fields) all.emplace_back(field, "");
    return eachWriteRefused(subjectName, all, unrefused, subject);
}

template <class Subject>
const Subject& subjectOf(const Subject& subject) {
    return subject;
}
template <class Subject>
const Subject& subjectOf(const Subject* subject) {
    return *subject;
}

// The rows of several subjects (or pointers to them), each with a `name` and
// its `writes`; a row's `subject` is the subject's index.
template <class Subjects>
std::vector<RefusedWrite> eachWriteRefusedOf(const Subjects& subjects, UnrefusedRun unrefused = UnrefusedRun::Left) {
    std::vector<RefusedWrite> rows;
    std::size_t index = 0;
    for (const auto& item : subjects) {
        const auto& subject = subjectOf(item);
        for (auto& row : eachWriteRefused(subject.name, subject.writes, unrefused, index))
            rows.push_back(std::move(row));
        ++index;
    }
    return rows;
}

} // namespace vks::test
