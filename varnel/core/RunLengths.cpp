#include "varnel/core/RunLengths.h"

#include "varnel/common/DBC.h"

#include <cstddef>

namespace varnel {

int RunLengths::run_from(int position) const {
    DBC_PRECONDITION(position >= 0 && static_cast<std::size_t>(position) < short_runs.size());
    const int run = short_runs[static_cast<std::size_t>(position)];
    if (run < capped) {
        return run;
    }
    // The positions up to the next block start all have the property (it is at most 255 ahead),
    // so the run goes on from there.
    const int next_block = (position + block - 1) / block;
    return next_block * block - position + block_runs[static_cast<std::size_t>(next_block)];
}

} // namespace varnel
