// The return-file loader under libFuzzer: any bytes are read, and a file that loads is saved again.
#include "ScriptedPresenter.h"
#include "model/CMultiProvsTaxMgr.h"
#include "model/FamilyTaxData.h"
#include "ordane/MyDataStream.h"

#include <QCoreApplication>
#include <QLibrary>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace {
ScriptedPresenter *s_presenter = nullptr;
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    static int argc = 1;
    static char name[] = "fuzz_returnfile";
    static char *argv[] = {name, nullptr};
    // The model does no GUI work: the core application is all a load needs.
    static QCoreApplication app(argc, argv);
    // Boxes are answered by their default and the password prompt is cancelled.
    static ScriptedPresenter presenter;
    s_presenter = &presenter;
    // Held loaded for the whole run: a plug-in unloaded between inputs would take its
    // coverage counters with it.
    static std::vector<std::unique_ptr<QLibrary>> plugins;
    for (int province = 1; province <= 13; ++province) {
        QString fileName;
        if (!getProvinceLibraryName(province, fileName))
            continue;
        plugins.push_back(
            std::make_unique<QLibrary>(CMultiProvsTaxMgr::pluginFolder() + '/' + fileName));
        plugins.back()->load();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    FamilyTaxData family(0);
    MyDataStream in(bytes);
    if (family.Serialize(2, in) == 0) {
        QByteArray saved;
        MyDataStream out(&saved, QIODevice::WriteOnly);
        if (family.Serialize(2, out) != 0)
            __builtin_trap();
    }
    s_presenter->clear();
    return 0;
}
