#pragma once

#include <QByteArray>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace platform::editor {

// Slices of text in UTF-8, handed in order from the thread that reads and converts them to the threads
// that take them in, each of which sees every slice. A few slices go round, so that no thread waits long
// for the others and the text is never held whole beside the control's own copy. Every function may run
// on any of the threads: what they share is kept under a lock.
class TextSlices {
public:
    struct Slice {
        QByteArray utf8;
        // The characters the slice holds.
        qsizetype characters = 0;
    };

    TextSlices(int slices, int takers);

    // For the thread that fills them: the next slice to fill, emptied, once every taker is done with it;
    // Filled hands it over. Null once the slices are stopped.
    Slice *Free();
    void Filled();
    // No slice comes after those filled.
    void Close();
    // The read is cut short: from now on Free and Next give null at once, so that no thread goes on
    // waiting for one that has stopped.
    void Stop();

    // For taker `taker`: the next filled slice, or null when none is to come; Done gives it back.
    const Slice *Next(int taker);
    void Done(int taker);

private:
    size_t Slowest() const;

    std::vector<Slice> slices_;
    // How many slices were filled, and how many each taker is done with.
    size_t filled_ = 0;
    std::vector<size_t> taken_;
    bool closed_ = false;
    bool stopped_ = false;
    std::mutex mutex_;
    std::condition_variable changed_;
};

// The threads that fill and take the slices of one read. Whatever a thread throws (memory running out)
// fails the read and stops the slices, so that the others end too; every thread is joined before the
// slices go, however the read ends.
class SliceThreads {
public:
    explicit SliceThreads(TextSlices &slices) : slices_(slices) {}
    ~SliceThreads();
    SliceThreads(const SliceThreads &) = delete;
    SliceThreads &operator=(const SliceThreads &) = delete;

    // Runs `work` on a thread of its own; a thread that cannot be started fails the read.
    void Start(std::function<void()> work);
    // Runs `work` on the calling thread, as one of the read's.
    void Run(const std::function<void()> &work);
    // Waits for every thread; false when the read failed.
    bool Join();

private:
    TextSlices &slices_;
    std::vector<std::thread> threads_;
    std::atomic<bool> failed_ = false;
};

} // namespace platform::editor
