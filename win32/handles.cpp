#include "win32/handles.h"

#include <cstring>

bool ClipboardMemory::fill(const void* bytes, std::size_t size) {
    void* at = memory_ != nullptr ? GlobalLock(memory_) : nullptr;
    if (at == nullptr) {
        return false;
    }
    std::memcpy(at, bytes, size);
    GlobalUnlock(memory_);
    return true;
}

bool ClipboardMemory::give_to_clipboard(UINT format) {
    if (memory_ == nullptr || SetClipboardData(format, memory_) == nullptr) {
        return false;
    }
    memory_ = nullptr;
    return true;
}
