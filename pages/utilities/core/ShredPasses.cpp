#include "pages/utilities/core/ShredPasses.h"

namespace shred {

bool IsProtected(std::uint32_t attributes)
{
    constexpr std::uint32_t ReadOnly = 1;
    constexpr std::uint32_t Companions = 2 | 4 | 32;  // hidden, system, archive
    return (attributes & ReadOnly) != 0 && (attributes & ~(ReadOnly | Companions)) == 0;
}

void Overwrite(std::uint64_t length, int passes, Target& target, RandomBytes& random)
{
    const Layout layout = LayoutOf(length);
    for (int pass = 0; pass < passes; ++pass) {
        for (std::size_t pattern = 0; pattern < FixedPatterns.size(); ++pattern) {
            for (std::uint64_t block = 0; block < layout.blocks; ++block) {
                target.Write(BlockSize, FixedPatterns[pattern].block);
                if (pattern == 0)
                    target.YieldToEvents();
            }
            target.Write(layout.rest, FixedPatterns[pattern].rest);
            target.Flush();
            target.Rewind();
        }
    }
    for (int pass = 0; pass < passes; ++pass) {
        target.YieldToEvents();
        for (std::uint64_t block = 0; block < layout.blocks; ++block)
            target.Write(BlockSize, random.Next());
        target.Write(layout.rest, random.Next());
        target.Flush();
        target.Rewind();
    }
}

} // namespace shred
