#pragma once

#include <windows.h>

#include <utility>

// Handles that close themselves: each owns one handle, moves and never copies, and gives it
// back to the system when it goes.

template <class Handle, class Close, Handle kNone = Handle{}>
class Owned {
public:
    Owned() = default;
    explicit Owned(Handle handle) : handle_(handle) {}
    Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, kNone)) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) {
            reset(std::exchange(other.handle_, kNone));
        }
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    ~Owned() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != kNone; }
    void reset(Handle handle = kNone) {
        if (handle_ != kNone) {
            Close{}(handle_);
        }
        handle_ = handle;
    }

private:
    Handle handle_ = kNone;
};

struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct DestroyAccelerators {
    void operator()(HACCEL table) const { DestroyAcceleratorTable(table); }
};
struct CloseFile {
    void operator()(HANDLE file) const { CloseHandle(file); }
};

using Font = Owned<HFONT, DeleteGdiObject>;
using Pen = Owned<HPEN, DeleteGdiObject>;
using AcceleratorTable = Owned<HACCEL, DestroyAccelerators>;
// CreateFileW's failure is INVALID_HANDLE_VALUE, not null.
struct FileHandle : Owned<HANDLE, CloseFile, nullptr> {
    explicit FileHandle(HANDLE file)
        : Owned<HANDLE, CloseFile, nullptr>(file == INVALID_HANDLE_VALUE ? nullptr : file) {}
};

// Memory handed to the clipboard: freed unless the clipboard took it.
class ClipboardMemory {
public:
    explicit ClipboardMemory(std::size_t bytes) : memory_(GlobalAlloc(GMEM_MOVEABLE, bytes)) {}
    ClipboardMemory(const ClipboardMemory&) = delete;
    ClipboardMemory& operator=(const ClipboardMemory&) = delete;
    ~ClipboardMemory() {
        if (memory_ != nullptr) {
            GlobalFree(memory_);
        }
    }
    // Copies bytes in; false when the memory could not be had or locked.
    bool fill(const void* bytes, std::size_t size);
    // Hands the memory to the clipboard as format; false, keeping it, when the clipboard refuses.
    bool give_to_clipboard(UINT format);

private:
    HGLOBAL memory_;
};
