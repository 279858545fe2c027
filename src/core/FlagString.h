#pragma once

#include <QString>

namespace vks {

// The 1-based position, in characters, of the first "1" among the first
// `count` characters of `flags`; 0 when there is none. A surrogate pair is
// one character. Header only: the simulated client counts the same way.
inline int firstFlagPosition(const QString& flags, int count) {
    int position = 0;
    for (qsizetype i = 0; i < flags.size(); ++i) {
        if (flags[i].isLowSurrogate() && i > 0 && flags[i - 1].isHighSurrogate()) continue;
        if (++position > count) return 0;
        if (flags[i] == u'1') return position;
    }
    return 0;
}

} // namespace vks
