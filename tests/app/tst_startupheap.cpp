#include "StartUpHeap.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <cstdlib>
#include <unistd.h>
#include <vector>

namespace {
// KiB of the main heap in mappings whose flags include `flag`; a flag change splits the heap
// into several mappings.
qsizetype heapKiBFlagged(const QByteArray &flag) {
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    if (!smaps.open(QIODevice::ReadOnly))
        return 0;
    static const QRegularExpression header(QStringLiteral("^[0-9a-f]+-[0-9a-f]+ "));
    qsizetype total = 0;
    qsizetype size = 0;
    bool inHeap = false;
    for (const QByteArray &line : smaps.readAll().split('\n')) {
        if (header.match(QString::fromLatin1(line)).hasMatch())
            inHeap = line.endsWith("[heap]");
        else if (inHeap && line.startsWith("Size:"))
            size = line.simplified().split(' ').value(1).toLongLong();
        else if (inHeap && line.startsWith("VmFlags:") && (line + ' ').contains(' ' + flag + ' '))
            total += size;
    }
    return total;
}

quintptr heapEnd() {
    return quintptr(sbrk(0));
}

// Blocks small enough to come from the heap, allocated one after another at its top.
std::vector<void *> takeBlocks(int count) {
    std::vector<void *> blocks;
    for (int i = 0; i < count; ++i)
        blocks.push_back(std::malloc(64 * 1024));
    return blocks;
}

void freeBlocks(std::vector<void *> &blocks) {
    while (!blocks.empty()) {
        std::free(blocks.back());
        blocks.pop_back();
    }
}
} // namespace

class StartUpHeapTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void heapGrowsInLargePagesUntilStartUpEnds() {
        if (!QFile::exists(QStringLiteral("/sys/kernel/mm/transparent_hugepage/enabled")))
            QSKIP("this kernel has no large pages for ordinary memory");
        StartUpHeap::begin();
        // Two whole 2 MiB pages at least, wherever the heap's end happened to lie.
        QVERIFY2(heapKiBFlagged("hg") >= 4 * 1024, "no part of the heap asks for large pages");

        // Memory freed at the top stays with the heap while start-up runs, so the next
        // growth lands in the same large pages.
        std::vector<void *> blocks = takeBlocks(48);
        const quintptr grown = heapEnd();
        freeBlocks(blocks);
        QCOMPARE(heapEnd(), grown);

        // Blocks across the whole set-aside part keep it mapped while start-up ends.
        std::vector<void *> held = takeBlocks(160);
        StartUpHeap::end();
        QCOMPARE(heapKiBFlagged("hg"), 0);
        QVERIFY(heapKiBFlagged("nh") >= 4 * 1024);
        // Afterwards the allocator hands the top back again.
        blocks = takeBlocks(160);
        const quintptr top = heapEnd();
        freeBlocks(blocks);
        QVERIFY(heapEnd() < top);
        freeBlocks(held);
        StartUpHeap::end();
    }
};

QTEST_GUILESS_MAIN(StartUpHeapTest)
#include "tst_startupheap.moc"
