// The bench build's count of the program's own heap: every form of the global operator new and
// delete, replaced so that the bytes and the blocks handed out and not yet given back are known at
// any moment. Built only with VARDEK_COUNT_HEAP (scripts/bench.sh); the benchmark driver reads the
// figures through kMsgLiveHeap. Heap that Wine or the system allocates for the program is not here.
#include <malloc.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

std::atomic<std::int64_t> g_liveBytes{0};
std::atomic<std::int64_t> g_liveBlocks{0};

constexpr std::size_t kDefaultAlignment = __STDCPP_DEFAULT_NEW_ALIGNMENT__;

// Each block carries the size asked for just below the address handed out, in a header as wide as
// the block's alignment: an unsized delete takes back exactly what its new counted.
std::size_t HeaderFor(std::size_t alignment)
{
    return alignment > kDefaultAlignment ? alignment : kDefaultAlignment;
}

void* Allocate(std::size_t size, std::size_t alignment) noexcept
{
    const std::size_t header = HeaderFor(alignment);
    if (size > SIZE_MAX - header) {
        return nullptr;
    }
    // malloc gives the default alignment; a wider one needs the aligned allocator and its own free.
    void* base = alignment > kDefaultAlignment ? _aligned_malloc(size + header, alignment) : std::malloc(size + header);
    if (base == nullptr) {
        return nullptr;
    }
    auto* block = static_cast<unsigned char*>(base) + header;
    std::memcpy(block - sizeof size, &size, sizeof size);
    g_liveBytes.fetch_add(static_cast<std::int64_t>(size), std::memory_order_relaxed);
    g_liveBlocks.fetch_add(1, std::memory_order_relaxed);
    return block;
}

void* AllocateOrThrow(std::size_t size, std::size_t alignment)
{
    for (;;) {
        if (void* block = Allocate(size, alignment)) {
            return block;
        }
        const std::new_handler handler = std::get_new_handler();
        if (handler == nullptr) {
            throw std::bad_alloc();
        }
        handler();
    }
}

void Release(void* pointer, std::size_t alignment) noexcept
{
    if (pointer == nullptr) {
        return;
    }
    auto* block = static_cast<unsigned char*>(pointer);
    std::size_t size = 0;
    std::memcpy(&size, block - sizeof size, sizeof size);
    g_liveBytes.fetch_sub(static_cast<std::int64_t>(size), std::memory_order_relaxed);
    g_liveBlocks.fetch_sub(1, std::memory_order_relaxed);
    void* base = block - HeaderFor(alignment);
    if (alignment > kDefaultAlignment) {
        _aligned_free(base);
    } else {
        std::free(base);
    }
}

std::size_t Alignment(std::align_val_t alignment)
{
    return static_cast<std::size_t>(alignment);
}

}  // namespace

namespace vardek::platform::win32 {

// 0: the live bytes, 1: the live blocks; -1 for anything else.
std::int64_t LiveHeap(int kind)
{
    switch (kind) {
        case 0:
            return g_liveBytes.load(std::memory_order_relaxed);
        case 1:
            return g_liveBlocks.load(std::memory_order_relaxed);
        default:
            return -1;
    }
}

}  // namespace vardek::platform::win32

// Zero-byte requests still get a block of their own, as the standard asks.
void* operator new(std::size_t size)
{
    return AllocateOrThrow(size, kDefaultAlignment);
}
void* operator new[](std::size_t size)
{
    return AllocateOrThrow(size, kDefaultAlignment);
}
void* operator new(std::size_t size, const std::nothrow_t& /*tag*/) noexcept
{
    return Allocate(size, kDefaultAlignment);
}
void* operator new[](std::size_t size, const std::nothrow_t& /*tag*/) noexcept
{
    return Allocate(size, kDefaultAlignment);
}
void* operator new(std::size_t size, std::align_val_t alignment)
{
    return AllocateOrThrow(size, Alignment(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment)
{
    return AllocateOrThrow(size, Alignment(alignment));
}
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t& /*tag*/) noexcept
{
    return Allocate(size, Alignment(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t& /*tag*/) noexcept
{
    return Allocate(size, Alignment(alignment));
}

// The sized forms take back the size the block recorded, not the one passed.
void operator delete(void* pointer) noexcept
{
    Release(pointer, kDefaultAlignment);
}
void operator delete[](void* pointer) noexcept
{
    Release(pointer, kDefaultAlignment);
}
void operator delete(void* pointer, std::size_t /*size*/) noexcept
{
    Release(pointer, kDefaultAlignment);
}
void operator delete[](void* pointer, std::size_t /*size*/) noexcept
{
    Release(pointer, kDefaultAlignment);
}
void operator delete(void* pointer, const std::nothrow_t& /*tag*/) noexcept
{
    Release(pointer, kDefaultAlignment);
}
void operator delete[](void* pointer, const std::nothrow_t& /*tag*/) noexcept
{
    Release(pointer, kDefaultAlignment);
}
void operator delete(void* pointer, std::align_val_t alignment) noexcept
{
    Release(pointer, Alignment(alignment));
}
void operator delete[](void* pointer, std::align_val_t alignment) noexcept
{
    Release(pointer, Alignment(alignment));
}
void operator delete(void* pointer, std::size_t /*size*/, std::align_val_t alignment) noexcept
{
    Release(pointer, Alignment(alignment));
}
void operator delete[](void* pointer, std::size_t /*size*/, std::align_val_t alignment) noexcept
{
    Release(pointer, Alignment(alignment));
}
void operator delete(void* pointer, std::align_val_t alignment, const std::nothrow_t& /*tag*/) noexcept
{
    Release(pointer, Alignment(alignment));
}
void operator delete[](void* pointer, std::align_val_t alignment, const std::nothrow_t& /*tag*/) noexcept
{
    Release(pointer, Alignment(alignment));
}
