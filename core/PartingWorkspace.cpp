#include "core/PartingWorkspace.h"

#include "core/SampleIndex.h"

PartingWorkspace::PartingWorkspace() : sample_index(std::make_unique<SampleIndex>()) {}

PartingWorkspace::~PartingWorkspace() = default;
