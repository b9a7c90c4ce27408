#pragma once

// Bytes in an anonymous memory file (memfd): read-only once made, shareable with
// another process by handing over the descriptor, and mapped rather than copied.
// Documents' bytes and big results (a built PDF, a page picture) travel this way
// so that a worker process never needs a copy of its own.
//
// Thread contract: a finished SharedBytes is immutable and may be read from any
// thread; copies share one mapping. A Writer belongs to the thread that fills it.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <memory>
#include <optional>

class SharedBytes
{
public:
    SharedBytes(); // empty: size 0, no descriptor

    // A sealed copy of `bytes`; empty on failure (no memory).
    static SharedBytes copyOf(QByteArrayView bytes);
    // Takes over a descriptor received from another process and maps it read-only.
    // Refuses (nullopt) a descriptor that isn't a sealed memfd, so the sender
    // can't change the bytes while we read them.
    static std::optional<SharedBytes> adopt(int fd);

    bool isEmpty() const { return size() == 0; }
    qsizetype size() const;
    QByteArrayView view() const;
    const char *data() const { return view().data(); }
    // A QByteArray over the mapping, without a copy; valid while any copy of this
    // SharedBytes lives.
    QByteArray bytes() const;
    // The descriptor to hand to another process (the receiver adopts a dup).
    // -1 when empty.
    int fd() const;

    // Fills a new memfd through a descriptor (write(2), fdopen, QPDFWriter's FILE*),
    // then seals it against writes and shrinking.
    class Writer
    {
    public:
        Writer();
        ~Writer();
        Writer(Writer &&) noexcept;
        Writer &operator=(Writer &&) noexcept;

        bool isValid() const { return m_fd >= 0; }
        // Writable descriptor; stays owned by the writer.
        int fd() const { return m_fd; }
        bool write(QByteArrayView bytes);
        // Appends everything left to read from `file` (a regular file), copied
        // inside the kernel where it can be; false on a read or write error.
        bool copyFrom(int file);
        // Seals and maps what was written; the writer is spent.
        std::optional<SharedBytes> finish();

    private:
        int m_fd = -1;
    };

private:
    struct Mapping;
    std::shared_ptr<const Mapping> m_map;
};
