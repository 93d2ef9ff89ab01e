#pragma once

#include "core/markup/MarkupDocument.h"

#include <mutex>

namespace qx71 {

// The program's one markup document, shared by the language loads on the UI thread and the
// update check on its own thread. A load and the lookups that follow it form a unit; a unit
// holds the document to itself, so two units never interleave.
class SharedMarkupDocument {
public:
    // Exclusive use of the document for as long as it lives.
    class Unit {
    public:
        MarkupDocument& operator*() const { return *document_; }
        MarkupDocument* operator->() const { return document_; }

    private:
        friend class SharedMarkupDocument;
        Unit(std::mutex& mutex, MarkupDocument& document) : lock_(mutex), document_(&document) {}
        std::unique_lock<std::mutex> lock_;
        MarkupDocument* document_;
    };

    SharedMarkupDocument(IFileSystem& files, ITextCodec& codec) : document_(files, codec) {}

    // Waits until no other unit runs.
    Unit Begin() { return Unit(mutex_, document_); }

private:
    std::mutex mutex_;
    MarkupDocument document_;
};

} // namespace qx71
