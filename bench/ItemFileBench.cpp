// Saving and opening the fullest item a window can hold: the codec alone, and the whole trip through the disk.
#include "store/ItemFile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace velmora;

namespace {

// Every field at the window's 127-character limit, with characters that take the Windows-1252 conversion.
ItemRecord fullestRecord() {
    ItemRecord record;
    for (int i = 0; i < ItemValueId::Count; ++i) {
        switch (storedKind(itemValue(i).kind)) {
        case ValueKind::Text:
            record[i] = QString(127, QChar(u'a' + i % 26));
            record[i][0] = QChar(u'é');
            record[i][1] = QChar(u'€');
            break;
        case ValueKind::CheckBox:
            record[i] = QStringLiteral("1");
            break;
        case ValueKind::Boolean:
            record[i] = QStringLiteral("0");
            break;
        }
    }
    return record;
}

void BM_EncodeItemRecord(benchmark::State& state) {
    const ItemRecord record = fullestRecord();
    for (auto _ : state)
        benchmark::DoNotOptimize(encodeItemRecord(record));
}
BENCHMARK(BM_EncodeItemRecord);

void BM_DecodeItemRecord(benchmark::State& state) {
    const QByteArray bytes = encodeItemRecord(fullestRecord()).bytes;
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeItemRecord(bytes, RecordCheck::Strict));
}
BENCHMARK(BM_DecodeItemRecord);

// Includes the flush to disk that makes a save safe, so this is mostly the disk's time.
void BM_SaveItemFile(benchmark::State& state) {
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("item.tqf"));
    const ItemRecord record = fullestRecord();
    for (auto _ : state) {
        if (!writeItemFile(path, record).ok())
            state.SkipWithError("the save failed");
    }
}
BENCHMARK(BM_SaveItemFile)->Unit(benchmark::kMicrosecond);

void BM_OpenItemFile(benchmark::State& state) {
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("item.tqf"));
    if (!writeItemFile(path, fullestRecord()).ok())
        state.SkipWithError("the save failed");
    for (auto _ : state)
        benchmark::DoNotOptimize(readItemFile(path, RecordCheck::Strict));
}
BENCHMARK(BM_OpenItemFile)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
