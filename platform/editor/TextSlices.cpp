#include "platform/editor/TextSlices.h"

#include <algorithm>

namespace platform::editor {

TextSlices::TextSlices(int slices, int takers)
    : slices_(static_cast<size_t>(slices)), taken_(static_cast<size_t>(takers), 0)
{
}

size_t TextSlices::Slowest() const
{
    return *std::min_element(taken_.cbegin(), taken_.cend());
}

TextSlices::Slice *TextSlices::Free()
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return filled_ - Slowest() < slices_.size() || stopped_; });
    if (stopped_)
        return nullptr;
    Slice &slice = slices_[filled_ % slices_.size()];
    slice.utf8.resize(0);
    slice.characters = 0;
    return &slice;
}

void TextSlices::Filled()
{
    {
        const std::lock_guard lock(mutex_);
        ++filled_;
    }
    changed_.notify_all();
}

void TextSlices::Close()
{
    {
        const std::lock_guard lock(mutex_);
        closed_ = true;
    }
    changed_.notify_all();
}

void TextSlices::Stop()
{
    {
        const std::lock_guard lock(mutex_);
        stopped_ = true;
    }
    changed_.notify_all();
}

const TextSlices::Slice *TextSlices::Next(int taker)
{
    const auto index = static_cast<size_t>(taker);
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return taken_[index] < filled_ || closed_ || stopped_; });
    return taken_[index] < filled_ && !stopped_ ? &slices_[taken_[index] % slices_.size()] : nullptr;
}

void TextSlices::Done(int taker)
{
    {
        const std::lock_guard lock(mutex_);
        ++taken_[static_cast<size_t>(taker)];
    }
    changed_.notify_all();
}

SliceThreads::~SliceThreads()
{
    slices_.Stop();
    Join();
}

void SliceThreads::Start(std::function<void()> work)
{
    Run([&] { threads_.emplace_back([this, work = std::move(work)] { Run(work); }); });
}

void SliceThreads::Run(const std::function<void()> &work)
{
    try {
        work();
    } catch (...) {
        failed_ = true;
        slices_.Stop();
    }
}

bool SliceThreads::Join()
{
    for (std::thread &thread : threads_)
        if (thread.joinable())
            thread.join();
    return !failed_;
}

} // namespace platform::editor
