#pragma once
// What the greedy parting keeps from one call to the next: the arrays of its index, which long
// samples would otherwise allocate, and the system fault in page by page, on every call. Keep one
// for many calls made one after the other on long samples, at the cost of holding their memory
// between calls; its contents between calls mean nothing.

#include <memory>

namespace varnel {

class SampleIndex;

class PartingWorkspace {
public:
    PartingWorkspace();
    ~PartingWorkspace();
    PartingWorkspace(const PartingWorkspace&) = delete;
    PartingWorkspace& operator=(const PartingWorkspace&) = delete;

    SampleIndex& index() { return *sample_index; }

private:
    std::unique_ptr<SampleIndex> sample_index;
};

} // namespace varnel
