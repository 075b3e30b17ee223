// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

// Runs one harness over every file of a corpus folder, the way the fuzzer replays its corpus,
// for builds without the fuzzer's runtime. A broken round trip aborts as it would there.
#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdio>
#include <cstring>

using Entry = int (*)(const uint8_t *data, size_t size);

#define ENTRY(name) extern "C" int fuzzEntry_##name(const uint8_t *data, size_t size);
#include "FuzzEntries.inc"
#undef ENTRY

namespace {
struct Harness {
    const char *name;
    Entry entry;
};
#define ENTRY(name) {#name, fuzzEntry_##name},
const Harness harnesses[] = {
#include "FuzzEntries.inc"
};
#undef ENTRY
} // namespace

int main(int argc, char **argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s HARNESS CORPUS_FOLDER\n", argv[0]);
        return 2;
    }
    Entry entry = nullptr;
    for (const Harness &harness : harnesses)
        if (std::strcmp(harness.name, argv[1]) == 0)
            entry = harness.entry;
    if (!entry) {
        std::fprintf(stderr, "no harness %s\n", argv[1]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    int inputs = 0;
    for (const QString &name : folder.entryList(QDir::Files, QDir::Name)) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
            return 1;
        }
        const QByteArray input = file.readAll();
        entry(reinterpret_cast<const uint8_t *>(input.constData()),
              static_cast<size_t>(input.size()));
        ++inputs;
    }
    std::printf("%s: %d inputs read back\n", argv[1], inputs);
    return inputs > 0 ? 0 : 1;
}
