#pragma once

#include <chrono>

// Start-up fills the main heap with a few megabytes of small objects (the QML engine, the
// screen's items, parsed answers). Page by page that is well over a thousand page faults on
// the main thread, and in a virtual machine each costs about ten microseconds: over a tenth of
// the time to the first frame. Backing the heap's next megabytes with 2 MiB pages turns them
// into a handful. Afterwards the heap goes back to small pages and the allocator's usual
// trimming, so what the interface frees later is returned as before.
class StartUpHeap {
public:
    /// Megabytes of heap set aside at the start; the first screen needs about six.
    static constexpr int kMegabytes = 8;
    /// How long the large pages serve: past the first frame on a slow machine.
    static constexpr std::chrono::milliseconds kLength{3000};

    /// First thing in main(), before the application object exists.
    static void begin();
    /// Safe to call more than once, and without begin().
    static void end();
};
