// A downloaded Auto-fill item under libFuzzer: any bytes go through the one XML entry, into a
// record and onto its summary page.
#include "download/TDDTaxDataOnePerson.h"
#include "ordane/XmlParse.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>
#include <tinyxml.h>

// At namespace scope and outside the extern "C" functions, so the declaration the macro makes
// names the resource's init function with its own (C++, global) linkage.
static void initResources()
{
    Q_INIT_RESOURCE(tdd);
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    static int argc = 1;
    static char name[] = "fuzz_tdditem";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    // The set-off programme list the record looks codes up in.
    initResources();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    TiXmlDocument doc;
    if (!parseXmlDocument(doc, bytes))
        return 0;
    TDDTaxDataOnePerson record(2025);
    const int result = record.parseItem(doc.RootElement());
    if (result != 0 && result != -1)
        __builtin_trap();
    if (record.slipCount() > TDDTaxDataOnePerson::MaxSlips)
        __builtin_trap();
    CString page;
    record.toHtml(page, "046454286", "2026-03-01T10:00:00", "www.government.invalid");
    if (!page.endsWith(QLatin1String("</body>\n")))
        __builtin_trap();
    return 0;
}
