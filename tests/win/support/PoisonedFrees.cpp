// Linked into a test program, this overwrites every block the program's C++ code frees and holds it
// back from the heap for a while (the last 64K blocks), so that code still using an object after it
// was deleted reads nonsense and fails where a test sees it, instead of working on by chance with the
// old contents or with those of the next object the heap put in the same place.
#include <windows.h>

#include <malloc.h>

#include <cstdlib>
#include <cstring>
#include <new>

namespace {

constexpr std::size_t kHeldBack = 65536;
void* heldBack[kHeldBack];  // a ring of freed blocks, oldest next
std::size_t next = 0;
SRWLOCK lock = SRWLOCK_INIT;  // blocks are freed on more than one thread

}  // namespace

void operator delete(void* block) noexcept {
    if (block == nullptr) {
        return;
    }
    std::memset(block, 0xA5, _msize(block));
    ::AcquireSRWLockExclusive(&lock);
    void* const oldest = heldBack[next];
    heldBack[next] = block;
    next = (next + 1) % kHeldBack;
    ::ReleaseSRWLockExclusive(&lock);
    std::free(oldest);
}

void operator delete(void* block, std::size_t) noexcept {
    ::operator delete(block);
}

void operator delete[](void* block) noexcept {
    ::operator delete(block);
}

void operator delete[](void* block, std::size_t) noexcept {
    ::operator delete(block);
}
