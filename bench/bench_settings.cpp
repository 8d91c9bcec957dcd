#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "shell/settings/settings_store.h"

namespace {

using morvane::SettingsStore;
namespace settings = morvane::settings;

// A store near the largest the program accepts, full of record counts: a read should cost
// microseconds, since the file is parsed again only when it changes.
void BM_ReadFromALargeStore(benchmark::State& state) {
    const QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("settings.ini"));
    {
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly)) {
            state.SkipWithError("cannot write the settings file");
            return;
        }
        file.write("[System]\nOption1=3\n[Record]\n");
        for (int pairing = 0; file.size() < 250 * 1024; ++pairing) {
            file.write("pairing" + QByteArray::number(pairing) + "-Wins=12\n");
        }
    }
    const SettingsStore store(fileName);
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.Read(settings::AreaChoice()));
    }
}
BENCHMARK(BM_ReadFromALargeStore)->Unit(benchmark::kMicrosecond);

}  // namespace
