// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/corpus.h"

namespace {

constexpr std::size_t kItemCount = 1'000'000;

Corpus makeCorpus() {
    Corpus result;
    result.texts = {"0101",
                    "Gray",
                    "Codescheibe",
                    std::string(300, 'x'),
                    "Gr\xF6\xDF"
                    "e",
                    "\xC4nderung \xFC"
                    "ber \x80 1000",
                    std::string(300, '\xE4'),
                    ""};

    // A fixed linear congruential sequence: the same corpus in every run.
    std::uint64_t state = 0x2545F4914F6CDD1DULL;
    auto next = [&state] {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return state >> 17;
    };
    using Kind = CorpusItem::Kind;
    result.items.reserve(kItemCount);
    for (std::size_t i = 0; i < kItemCount; ++i) {
        const std::uint64_t random = next();
        CorpusItem item{Kind::Integer};
        switch (i % 10) {
            case 0:  // 8-bit range, both signs
                item.integer = static_cast<std::int64_t>(random % 256) - 128;
                break;
            case 1:  // 16-bit range
                item.integer = static_cast<std::int64_t>(random % 65536) - 32768;
                break;
            case 2:  // full 32-bit range
                item.integer = static_cast<std::int32_t>(static_cast<std::uint32_t>(random));
                break;
            case 3:
                item.kind = Kind::Int64;
                item.integer = static_cast<std::int64_t>(random << 20) - (1LL << 40);
                break;
            case 4:
            case 5:
                item.kind = Kind::Text;
                item.text = static_cast<std::uint32_t>(random % result.texts.size());
                break;
            case 6:
                item.kind = Kind::Text;
                item.text = static_cast<std::uint32_t>(random % 3);  // short ASCII
                break;
            case 7:
            case 8:
                item.kind = Kind::Boolean;
                item.integer = static_cast<std::int64_t>(random & 1);
                break;
            default:
                item.kind = Kind::Extended;
                item.extended = static_cast<long double>(random) / 7.0L;
        }
        result.items.push_back(item);
    }
    return result;
}

}  // namespace

const Corpus& corpus() {
    static const Corpus made = makeCorpus();
    return made;
}
