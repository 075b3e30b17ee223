#include "StartUpHeap.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <cstdlib>
#include <unistd.h>
#include <vector>

namespace {
struct HeapPart {
    qsizetype sizeKiB = 0;
    QByteArray flags;
};

// The main heap's mappings as the kernel reports them; a flag change splits the heap in parts.
QList<HeapPart> heapParts() {
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    if (!smaps.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression header(QStringLiteral("^[0-9a-f]+-[0-9a-f]+ "));
    QList<HeapPart> parts;
    bool inHeap = false;
    for (const QByteArray &line : smaps.readAll().split('\n')) {
        if (header.match(QString::fromLatin1(line)).hasMatch()) {
            inHeap = line.endsWith("[heap]");
            if (inHeap)
                parts.append(HeapPart{});
        } else if (inHeap && line.startsWith("Size:")) {
            parts.last().sizeKiB = line.simplified().split(' ').value(1).toLongLong();
        } else if (inHeap && line.startsWith("VmFlags:")) {
            parts.last().flags = ' ' + line.mid(8).simplified() + ' ';
        }
    }
    return parts;
}

qsizetype largePagesKiB(const QByteArray &flag) {
    qsizetype total = 0;
    for (const HeapPart &part : heapParts())
        if (part.flags.contains(' ' + flag + ' '))
            total += part.sizeKiB;
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
        QVERIFY2(largePagesKiB("hg") >= 4 * 1024, "no part of the heap asks for large pages");

        // Memory freed at the top stays with the heap while start-up runs, so the next
        // growth lands in the same large pages.
        std::vector<void *> blocks = takeBlocks(48);
        const quintptr grown = heapEnd();
        freeBlocks(blocks);
        QCOMPARE(heapEnd(), grown);

        // Blocks across the whole set-aside part keep it mapped while start-up ends.
        std::vector<void *> held = takeBlocks(160);
        StartUpHeap::end();
        QCOMPARE(largePagesKiB("hg"), 0);
        QVERIFY(largePagesKiB("nh") >= 4 * 1024);
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
