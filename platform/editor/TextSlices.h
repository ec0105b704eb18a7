#pragma once

#include <QByteArray>

#include <condition_variable>
#include <mutex>
#include <vector>

namespace platform::editor {

// Slices of text in UTF-8, handed in order from the thread that reads and converts them to the threads
// that take them in, each of which sees every slice. A few slices go round, so that no thread waits long
// for the others and the text is never held whole beside the control's own copy.
class TextSlices {
public:
    struct Slice {
        QByteArray utf8;
        // The characters the slice holds.
        qsizetype characters = 0;
    };

    TextSlices(int slices, int takers);

    // For the thread that fills them: the next slice to fill, emptied, once every taker is done with it;
    // Filled hands it over.
    Slice &Free();
    void Filled();
    // No slice comes after those filled.
    void Close();

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
    std::mutex mutex_;
    std::condition_variable changed_;
};

} // namespace platform::editor
