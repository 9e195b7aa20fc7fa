#include "varnel/core/PartingWorkspace.h"

#include "varnel/core/SampleIndex.h"

namespace varnel {

PartingWorkspace::PartingWorkspace() : sample_index(std::make_unique<SampleIndex>()) {}

PartingWorkspace::~PartingWorkspace() = default;

} // namespace varnel
